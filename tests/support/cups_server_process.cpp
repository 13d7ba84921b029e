#include "tests/support/cups_server_process.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "tests/support/sockets.h"

namespace skarvel::test {
namespace {

namespace fs = std::filesystem;

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

}  // namespace

CupsServerProcess::CupsServerProcess(Printers who) {
  const std::string root = folder_.path();
  fs::permissions(root, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
  for (const char* sub : {"root", "cache", "spool", "state", "log", "bin/backend"}) {
    fs::create_directories(root + "/" + sub);
  }
  for (const char* backend : {"serial", "parallel"}) {
    const std::string path = root + "/bin/backend/" + backend;
    WriteFile(path, "#!/bin/sh\nexit 0\n");
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
  }
  const std::string socket = root + "/cups.sock";
  std::string printers_limit;
  if (who == Printers::kPassword) {
    printers_limit =
        "  <Limit CUPS-Add-Modify-Printer CUPS-Delete-Printer>\n    AuthType Basic\n"
        "    Require user skarvel-nobody\n    Order deny,allow\n  </Limit>\n";
  } else if (who == Printers::kAdministrators) {
    printers_limit =
        "  <Limit CUPS-Add-Modify-Printer CUPS-Delete-Printer CUPS-Get-Devices>\n"
        "    AuthType Default\n    Require user @SYSTEM\n    Order deny,allow\n  </Limit>\n";
  }
  WriteFile(root + "/cupsd.conf", "Listen " + socket +
                                      "\nBrowsing No\nLogLevel warn\n"
                                      "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                      "<Policy default>\n" +
                                      printers_limit +
                                      "  <Limit All>\n    Order deny,allow\n"
                                      "  </Limit>\n</Policy>\n");
  WriteFile(root + "/cups-files.conf", "ServerRoot " + root + "/root\nServerBin " + root +
                                           "/bin\nCacheDir " + root + "/cache\nRequestRoot " +
                                           root + "/spool\nStateDir " + root + "/state\nErrorLog " +
                                           root +
                                           "/log/error_log\n"
                                           "AccessLog " +
                                           root +
                                           "/log/access_log\n"
                                           "PageLog " +
                                           root +
                                           "/log/page_log\nFileDevice No\n"
                                           "SystemGroup root\n");
  process_ = std::make_unique<ChildProcess>(
      std::vector<std::string>{"/usr/sbin/cupsd", "-f", "-c", root + "/cupsd.conf", "-s",
                               root + "/cups-files.conf"},
      std::map<std::string, std::string>{});
  // cupsd makes the socket's file before it listens on it: a connection tells.
  if (!AwaitUnixListener(socket, std::chrono::seconds(10))) {
    throw std::runtime_error("cupsd did not start; see " + root + "/log");
  }
  server_ = std::make_unique<ScopedEnvironment>("CUPS_SERVER", socket);
}

}  // namespace skarvel::test
