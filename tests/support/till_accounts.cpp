#include "tests/support/till_accounts.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <pwd.h>
#include <stdexcept>
#include <sys/mount.h>
#include <unistd.h>

#include "tests/support/account_tables.h"
#include "tests/support/child_process.h"
#include "tests/support/file_contents.h"

namespace skarvel::test {

namespace fs = std::filesystem;

namespace {

void LayOver(const std::string& path, const std::string& target) {
  if (::mount(path.c_str(), target.c_str(), nullptr, MS_BIND, nullptr) != 0) {
    throw std::runtime_error("cannot lay " + path + " over " + target + ": " +
                             std::strerror(errno));
  }
}

}  // namespace

std::string TillAccountsMissing() {
  if (::geteuid() != 0) return "runs programs as other accounts, which needs root";
  for (const char* account : {kTillAccount, kOtherAccount, "firebird"}) {
    if (::getpwnam(account) == nullptr) {
      return std::string("no account ") + account +
             " (the tests lend it in a mount namespace, which this machine gave none)";
    }
  }
  return "";
}

void LendTillAccounts(const std::string& folder) {
  std::string passwd = Contents("/etc/passwd"), group = Contents("/etc/group");
  bool lent = false;
  for (const std::string account : {kTillAccount, kOtherAccount}) {
    if (HasEntry(passwd, account)) continue;
    const std::string id = std::to_string(FreeSystemId(passwd, group));
    // No "x" for a password: nothing looks for it in the shadow file, which stays the machine's.
    passwd = WithEntry(passwd, account,
                       account + ":*:" + id + ":" + id +
                           ":Skarvel tests, a till's account:/nonexistent:/usr/sbin/nologin");
    if (!HasEntry(group, account)) group = WithEntry(group, account, account + ":x:" + id + ":");
    lent = true;
  }
  if (!lent) return;
  fs::create_directories(folder);
  std::ofstream(folder + "/passwd") << passwd;
  std::ofstream(folder + "/group") << group;
  for (const char* table : {"passwd", "group"}) {
    fs::permissions(folder + "/" + table, fs::perms::owner_read | fs::perms::owner_write |
                                              fs::perms::group_read | fs::perms::others_read);
    LayOver(folder + "/" + table, std::string("/etc/") + table);
  }
  ::setenv("SKARVEL_TEST_ACCOUNTS", folder.c_str(), 1);
}

std::vector<std::string> AsAccount(const std::string& account,
                                   const std::vector<std::string>& argv) {
  std::vector<std::string> command{"/usr/bin/setpriv", "--reuid=" + account, "--regid=" + account,
                                   "--init-groups", "--"};
  command.insert(command.end(), argv.begin(), argv.end());
  return command;
}

void GiveTo(const std::string& path, const std::string& account) {
  const passwd* entry = ::getpwnam(account.c_str());
  if (entry == nullptr) throw std::runtime_error("no account " + account);
  const auto give = [entry](const fs::path& item) {
    if (::lchown(item.c_str(), entry->pw_uid, entry->pw_gid) != 0) {
      throw std::runtime_error("cannot give " + item.string() + " away");
    }
  };
  give(path);
  if (!fs::is_directory(path)) return;
  for (const auto& item : fs::recursive_directory_iterator(path)) give(item.path());
}

void MakeFolder(const std::string& path, unsigned mode) {
  fs::create_directories(path);
  fs::permissions(path, static_cast<fs::perms>(mode));
}

bool AccountPasses(const std::string& account, const std::string& test, const std::string& path) {
  return RunProgram(AsAccount(account, {"/usr/bin/test", test, path})).exit_code == 0;
}

}  // namespace skarvel::test
