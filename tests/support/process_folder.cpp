#include "tests/support/process_folder.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sched.h>
#include <stdexcept>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/firebird_root.h"
#include "tests/support/sockets.h"
#include "tests/support/till_accounts.h"

namespace skarvel::test {
namespace {

// "localhost:" in a test without a database server of its own reaches a port that refuses, not
// the machine's own server on the standard port, whether that runs or not.
void MakeClientRoot(const std::string& root) {
  std::filesystem::create_directories(root);
  MakeFirebirdRoot(root);
  std::ofstream(root + "/firebird.conf") << "RemoteServicePort = " << RefusingPort() << "\n";
}

// As root, a mount namespace of this process's own, which every program it starts inherits:
// what the tests lay over the machine's files there stays theirs. False, said why, when the
// machine allows none (the tests that need what it would hold then skip).
bool OwnMountNamespace() {
  if (::geteuid() != 0) return false;
  if (::unshare(CLONE_NEWNS) == 0 &&
      ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0) {
    return true;
  }
  std::cerr << "no mount namespace (" << std::strerror(errno)
            << "): the till accounts are missing and the database log is the machine's\n";
  return false;
}

// The database library and the servers the tests start append to the log folder Debian built
// them with, whatever FIREBIRD names: a folder of the test's own lies over it.
void KeepDatabaseLogIn(const std::string& folder) {
  constexpr char kMachineLog[] = "/var/log/firebird";
  struct stat machine {};
  if (::stat(kMachineLog, &machine) != 0) return;
  std::filesystem::create_directories(folder);
  if (::chown(folder.c_str(), machine.st_uid, machine.st_gid) != 0 ||
      ::chmod(folder.c_str(), machine.st_mode & 07777) != 0 ||
      ::mount(folder.c_str(), kMachineLog, nullptr, MS_BIND, nullptr) != 0) {
    throw std::runtime_error("the database log could not be kept in " + folder + ": " +
                             std::strerror(errno));
  }
}

}  // namespace

ProcessFolder::ProcessFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "skarvel-tests-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
  // Programs the tests run under other accounts (a database server's, a shop's) pass it to
  // reach folders the tests give them; nobody else may list or change it.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all |
                                          std::filesystem::perms::group_exec |
                                          std::filesystem::perms::others_exec);
  std::filesystem::create_directories(path_ + "/firebird-lock");
  ::setenv("TMPDIR", path_.c_str(), 1);
  ::setenv("FIREBIRD_LOCK", (path_ + "/firebird-lock").c_str(), 1);
  MakeClientRoot(path_ + "/firebird");
  ::setenv("FIREBIRD", (path_ + "/firebird").c_str(), 1);
  if (OwnMountNamespace()) {
    KeepDatabaseLogIn(path_ + "/firebird-log");
    LendTillAccounts(path_ + "/accounts");
  }
  // A relative path a test writes lands here, not in the build tree the test was started in.
  std::error_code ignored;
  started_in_ = std::filesystem::current_path(ignored);
  std::filesystem::current_path(path_, ignored);
}

ProcessFolder::~ProcessFolder() {
  std::error_code ignored;
  if (!started_in_.empty()) std::filesystem::current_path(started_in_, ignored);
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace skarvel::test
