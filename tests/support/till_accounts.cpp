#include "tests/support/till_accounts.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <pwd.h>
#include <set>
#include <sstream>
#include <stdexcept>
#include <sys/mount.h>
#include <unistd.h>

#include "tests/support/child_process.h"

namespace skarvel::test {

namespace fs = std::filesystem;

namespace {

std::string Text(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (!text.empty() && text.back() != '\n') text += '\n';
  return text;
}

bool HasEntry(const std::string& table, const std::string& name) {
  return table.rfind(name + ":", 0) == 0 || table.find("\n" + name + ":") != std::string::npos;
}

// The ids in the third field of an account or group table.
std::set<unsigned> Ids(const std::string& table) {
  std::set<unsigned> ids;
  std::istringstream lines(table);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    std::string name, password, id;
    if (std::getline(fields, name, ':') && std::getline(fields, password, ':') &&
        std::getline(fields, id, ':') && !id.empty() &&
        id.find_first_not_of("0123456789") == std::string::npos) {
      ids.insert(static_cast<unsigned>(std::stoul(id)));
    }
  }
  return ids;
}

// As useradd --system chooses: the highest system id free as a user's and as a group's.
unsigned FreeSystemId(const std::string& passwd, const std::string& group) {
  const std::set<unsigned> users = Ids(passwd), groups = Ids(group);
  for (unsigned id = 999; id > 100; --id) {
    if (!users.count(id) && !groups.count(id)) return id;
  }
  throw std::runtime_error("no free system id for the till accounts");
}

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
  std::string passwd = Text("/etc/passwd"), group = Text("/etc/group");
  bool lent = false;
  for (const std::string account : {kTillAccount, kOtherAccount}) {
    if (HasEntry(passwd, account)) continue;
    const std::string id = std::to_string(FreeSystemId(passwd, group));
    // No "x" for a password: nothing looks for it in the shadow file, which stays the machine's.
    passwd += account + ":*:" + id + ":" + id +
              ":Skarvel tests, a till's account:/nonexistent:/usr/sbin/nologin\n";
    if (!HasEntry(group, account)) group += account + ":x:" + id + ":\n";
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
