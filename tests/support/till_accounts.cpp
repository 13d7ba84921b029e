#include "tests/support/till_accounts.h"

#include <filesystem>
#include <pwd.h>
#include <stdexcept>
#include <unistd.h>

#include "tests/support/child_process.h"

namespace skarvel::test {

namespace fs = std::filesystem;

std::string TillAccountsMissing() {
  if (::geteuid() != 0) return "runs programs as other accounts, which needs root";
  for (const char* account : {kTillAccount, kOtherAccount, "firebird"}) {
    if (::getpwnam(account) == nullptr) {
      return std::string("no account ") + account + " (./run test makes it as root)";
    }
  }
  return "";
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
