#include "tests/support/firebird_server_process.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <pwd.h>
#include <stdexcept>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "database/data_module.h"
#include "tests/support/firebird_root.h"
#include "tests/support/sockets.h"

namespace skarvel::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSystemSecurity = "/var/lib/firebird/3.0/system/security3.fdb";

// A port the kernel has free now. Firebird cannot bind a port of its own choosing (0 means its
// standard 3050), so one is chosen for it, and the server is then seen to hold it.
int FreePort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(fd);
  return ntohs(address.sin_port);
}

// The configuration comes before anything opens the security database: without it the engine
// takes the system's, whatever file it was asked to open.
void WriteConfiguration(const std::string& root, int port) {
  std::ofstream(root + "/firebird.conf")
      << "RemoteBindAddress = 127.0.0.1\nRemoteServicePort = " << port
      << "\nSecurityDatabase = " << root << "/security3.fdb\nServerMode = Super\n";
}

// The root, with lock folders and a security database of the server's own.
void MakeRoot(const std::string& root) {
  MakeFirebirdRoot(root);
  fs::create_directories(root + "/lock");
  fs::create_directories(root + "/server-lock");
  fs::copy_file(kSystemSecurity, root + "/security3.fdb");
  std::ofstream(root + "/databases.conf") << "security.db = " << root << "/security3.fdb\n";
}

void SetPassword(const std::string& root, const std::string& password,
                 const std::map<std::string, std::string>& environment) {
  WriteConfiguration(root, 0);
  std::ofstream(root + "/password.sql")
      << "create or alter user SYSDBA password '" << password << "' using plugin Srp;\ncommit;\n";
  const auto result = RunProgram({"/usr/bin/isql-fb", "-q", "-user", "SYSDBA", "-input",
                                  root + "/password.sql", root + "/security3.fdb"},
                                 environment);
  if (result.exit_code != 0) throw std::runtime_error("SYSDBA's password: " + result.err);
}

// Another account runs the server: it owns what the server writes, and may read the rest.
void HandOver(const std::string& root, const std::string& account) {
  const passwd* entry = ::getpwnam(account.c_str());
  if (entry == nullptr) throw std::runtime_error("no account " + account);
  for (const char* part : {"", "/security3.fdb", "/server-lock"}) {
    if (::chown((root + part).c_str(), entry->pw_uid, entry->pw_gid) != 0) {
      throw std::runtime_error("cannot hand " + root + part + " to " + account);
    }
  }
  fs::permissions(root, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec);
}

}  // namespace

FirebirdServerProcess::FirebirdServerProcess(const FirebirdServerOptions& options) {
  const std::string root = root_.path();
  MakeRoot(root);
  const std::map<std::string, std::string> environment = {{"FIREBIRD", root},
                                                          {"FIREBIRD_LOCK", root + "/server-lock"}};
  SetPassword(root, options.sysdba_password, environment);
  std::vector<std::string> command{"/usr/sbin/firebird"};
  if (!options.account.empty()) {
    HandOver(root, options.account);
    command.insert(command.begin(), {"/usr/bin/setpriv", "--reuid=" + options.account,
                                     "--regid=" + options.account, "--init-groups"});
  }
  // Another program may take the chosen port before the server binds it: the server then ends,
  // and another port is tried. The clients of this process read the same configuration.
  for (int attempt = 0; !server_; ++attempt) {
    const int port = FreePort();
    WriteConfiguration(root, port);
    auto server = std::make_unique<ChildProcess>(command, environment);
    try {
      if (AwaitListeningPort(*server, "the Firebird server") == port) server_ = std::move(server);
    } catch (const std::runtime_error&) {
      if (attempt == 4) throw;
    }
  }
  firebird_ = std::make_unique<ScopedEnvironment>("FIREBIRD", root);
  lock_ = std::make_unique<ScopedEnvironment>("FIREBIRD_LOCK", root + "/lock");
}

// A server sent TERM sometimes hangs; its databases are the test's and go with it.
FirebirdServerProcess::~FirebirdServerProcess() { Kill(); }

void FirebirdServerProcess::Kill() {
  if (!server_) return;
  server_->Signal(SIGKILL);
  server_->Wait();
  server_.reset();
}

}  // namespace skarvel::test
