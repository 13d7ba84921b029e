#include "platform/system_account.h"

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include "platform/windows1252.h"

namespace skarvel {
namespace {

// getpwnam and getpwuid keep their answer in static storage: it is copied out at once.
std::optional<SystemAccount> FromEntry(const passwd* entry) {
  if (entry == nullptr) return std::nullopt;
  SystemAccount account{AnsiFromUtf8(entry->pw_name), entry->pw_uid, entry->pw_gid, {}};
  int count = 16;
  std::vector<gid_t> groups(static_cast<std::size_t>(count));
  while (::getgrouplist(entry->pw_name, entry->pw_gid, groups.data(), &count) < 0) {
    groups.resize(static_cast<std::size_t>(count));
  }
  groups.resize(static_cast<std::size_t>(count));
  account.groups.assign(groups.begin(), groups.end());
  return account;
}

}  // namespace

std::optional<SystemAccount> FindAccount(const std::string& name) {
  return FromEntry(::getpwnam(Utf8FromAnsi(name).c_str()));
}

std::optional<SystemAccount> FindAccount(unsigned uid) { return FromEntry(::getpwuid(uid)); }

SystemAccount CurrentAccount() {
  if (std::optional<SystemAccount> account = FindAccount(::geteuid())) return *account;
  // An account the system has no entry for (a container's bare user id) still has its ids.
  SystemAccount account{std::to_string(::geteuid()), ::geteuid(), ::getegid(), {::getegid()}};
  return account;
}

bool RunningAsAdministrator() { return ::geteuid() == 0; }

}  // namespace skarvel
