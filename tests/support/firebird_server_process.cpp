#include "tests/support/firebird_server_process.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "database/data_module.h"
#include "tests/support/reference_service_process.h"

namespace skarvel::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSystemRoot = "/usr/lib/x86_64-linux-gnu/firebird/3.0";
constexpr const char* kSystemSecurity = "/var/lib/firebird/3.0/system/security3.fdb";

bool Accepts(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const bool connected =
      ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return connected;
}

// The root: the system's files, linked, except the character sets: Firebird does not load
// them through links, so they are copied.
void MakeRoot(const std::string& root, int port) {
  for (const char* part :
       {"UDF", "include", "lib", "plugins", "plugins.conf", "firebird.msg", "fbtrace.conf"}) {
    fs::create_symlink(std::string(kSystemRoot) + "/" + part, root + "/" + part);
  }
  fs::create_directories(root + "/intl");
  for (const char* part : {"fbintl.conf", "libfbintl.so"}) {
    fs::copy_file(std::string(kSystemRoot) + "/intl/" + part, root + "/intl/" + part);
  }
  fs::create_directories(root + "/lock");
  fs::create_directories(root + "/server-lock");
  fs::copy_file(kSystemSecurity, root + "/security3.fdb");
  std::ofstream(root + "/firebird.conf")
      << "RemoteBindAddress = 127.0.0.1\nRemoteServicePort = " << port
      << "\nSecurityDatabase = " << root << "/security3.fdb\nServerMode = Super\n";
  std::ofstream(root + "/databases.conf") << "security.db = " << root << "/security3.fdb\n";
  std::ofstream(root + "/password.sql")
      << "create or alter user SYSDBA password '" << db::kDatabasePassword
      << "' using plugin Srp;\ncommit;\n";
}

}  // namespace

FirebirdServerProcess::FirebirdServerProcess() {
  const std::string root = root_.path();
  const int port = UnusedPort();
  MakeRoot(root, port);
  const std::map<std::string, std::string> environment = {{"FIREBIRD", root},
                                                          {"FIREBIRD_LOCK", root + "/server-lock"}};
  const auto password = RunProgram({"/usr/bin/isql-fb", "-q", "-user", "SYSDBA", "-input",
                                    root + "/password.sql", root + "/security3.fdb"},
                                   environment);
  if (password.exit_code != 0) throw std::runtime_error("SYSDBA's password: " + password.err);
  server_ =
      std::make_unique<ChildProcess>(std::vector<std::string>{"/usr/sbin/firebird"}, environment);
  for (int attempt = 0; attempt < 200 && !Accepts(port); ++attempt) {
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  if (!Accepts(port)) throw std::runtime_error("the Firebird server did not start");
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
