#pragma once

#include <string>
#include <vector>

namespace skarvel::test {

// The accounts of the tests of a till that runs as the shop's own user: the shop's account, and
// a user the administrator's rules do not name.
inline constexpr char kTillAccount[] = "skarvel-till";
inline constexpr char kOtherAccount[] = "skarvel-other";

// Why programs cannot be run as those accounts here (not root, no mount namespace to lend them
// in); empty when they can.
std::string TillAccountsMissing();

// Lends the accounts, each with a group of its name, to this process and the programs it
// starts, as system accounts without password, shell or home: copies of the machine's
// /etc/passwd and /etc/group with them added, made in folder, lie over those files in the mount
// namespace the caller made; SKARVEL_TEST_ACCOUNTS names folder. The machine's accounts stay as
// they are; one it has already is used as it is.
void LendTillAccounts(const std::string& folder);

// argv run as the account (its user, group and groups), with the environment as it is.
std::vector<std::string> AsAccount(const std::string& account,
                                   const std::vector<std::string>& argv);

// Hands path, and everything in it, to the account.
void GiveTo(const std::string& path, const std::string& account);

// Makes the folder (and its parents) with the mode given.
void MakeFolder(const std::string& path, unsigned mode);

// Whether the account may do what test(1) is asked (-r, -w, -x) with path, as the system judges
// it for a program of that account.
bool AccountPasses(const std::string& account, const std::string& test, const std::string& path);

}  // namespace skarvel::test
