#pragma once

#include <optional>
#include <string>
#include <vector>

namespace skarvel {

// A user account of this computer, as the access checks see it: its user id, its primary group
// and every group it belongs to.
struct SystemAccount {
  std::string name;
  unsigned uid = 0;
  unsigned gid = 0;
  std::vector<unsigned> groups;  // the primary group among them
};

// The account of that name, or of that user id; none when the system knows no such account.
std::optional<SystemAccount> FindAccount(const std::string& name);
std::optional<SystemAccount> FindAccount(unsigned uid);

// The account this program runs as (its effective user).
SystemAccount CurrentAccount();

// True when this program runs with the administrator's rights (effective user root): what needs
// the administrator is then done directly, without asking anybody.
bool RunningAsAdministrator();

}  // namespace skarvel
