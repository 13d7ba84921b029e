#include "tests/support/polkit_sandbox.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace skarvel::test {
namespace {

namespace fs = std::filesystem;

std::string Read(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string Replaced(std::string text, const std::string& what, const std::string& with) {
  const std::size_t at = text.find(what);
  if (at == std::string::npos) throw std::runtime_error("no " + what + " to replace");
  return text.replace(at, what.size(), with);
}

void Open(const std::string& path) {
  fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec);
}

}  // namespace

std::string PolkitSandbox::Unavailable() {
  if (::geteuid() != 0) return "a namespace of its own needs root";
  for (const char* program : {"/usr/bin/unshare", "/usr/bin/pkexec", "/usr/bin/dbus-daemon",
                              "/usr/lib/polkit-1/polkitd", "/usr/bin/pkcheck"}) {
    if (::access(program, X_OK) != 0) return std::string(program) + " is missing";
  }
  struct stat pkexec {};
  if (::stat("/usr/bin/pkexec", &pkexec) != 0 || (pkexec.st_mode & S_ISUID) == 0) {
    return "pkexec is not setuid";
  }
  if (!fs::is_directory("/etc/polkit-1/rules.d")) return "/etc/polkit-1/rules.d is missing";
  return "";
}

std::string PolkitSandbox::PackageRulesFor(const std::string& group) {
  return Replaced(Read(SKARVEL_SOURCE_DIR "/packaging/polkit/50-skarvel.rules"),
                  "isInGroup(\"skarvel\")", "isInGroup(\"" + group + "\")");
}

PolkitSandbox::PolkitSandbox(const std::string& rules, bool package_actions) {
  for (const char* folder : {"", "/rules.d", "/empty"}) {
    fs::create_directories(folder_.path() + folder);
    Open(folder_.path() + folder);
  }
  if (!rules.empty()) {
    std::ofstream(folder_.File("rules.d/50-skarvel.rules")) << rules;
    fs::permissions(folder_.File("rules.d/50-skarvel.rules"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                        fs::perms::others_read);
  }
  if (!package_actions) {
    fs::create_directories(folder_.File("actions"));
    Open(folder_.File("actions"));
    const std::string action = folder_.File("actions/org.skarvel.install-till.policy");
    std::ofstream(action) << Replaced(
        Read(SKARVEL_SOURCE_DIR "/packaging/polkit/org.skarvel.install-till.policy.in"),
        "@SKARVEL_ADMIN_HELPER@", SKARVEL_ADMIN_PROGRAM);
    fs::permissions(action, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                fs::perms::others_read);
  }
  journal_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string path = folder_.File("journal.sock");
  path.copy(address.sun_path, sizeof address.sun_path - 1);
  if (::bind(journal_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    ::close(journal_);
    throw std::runtime_error("cannot bind " + path);
  }
  // As the system's journal: every account may write to it.
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                            fs::perms::group_write | fs::perms::others_read |
                            fs::perms::others_write);
}

PolkitSandbox::~PolkitSandbox() {
  if (journal_ >= 0) ::close(journal_);
}

void PolkitSandbox::UsePrinting(const std::string& socket) {
  fs::create_symlink(socket, folder_.File("cups.sock"));
}

void PolkitSandbox::MakeReadOnly(const std::string& folder) {
  std::ofstream(folder_.File("read-only"), std::ios::app) << folder << "\n";
}

void PolkitSandbox::Overlay(const std::string& folder) {
  std::ofstream(folder_.File("overlays"), std::ios::app) << folder << "\n";
}

void PolkitSandbox::IsolateNetwork() { std::ofstream(folder_.File("network")) << ""; }

std::string PolkitSandbox::OverlayChanges(const std::string& folder) const {
  std::string name = folder;
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  return folder_.File("overlay/" + name + "/upper");
}

std::vector<std::string> PolkitSandbox::Command(const std::vector<std::string>& argv) const {
  std::vector<std::string> command{
      "/usr/bin/unshare", "--mount",      "--pid",
      "--fork",           "--mount-proc", "--propagation",
      "private",          "/bin/sh",      SKARVEL_SOURCE_DIR "/tests/support/polkit_sandbox.sh",
      folder_.path()};
  if (fs::exists(folder_.File("network"))) command.insert(command.begin() + 1, "--net");
  command.insert(command.end(), argv.begin(), argv.end());
  return command;
}

std::vector<std::map<std::string, std::string>> PolkitSandbox::JournalEntries() {
  std::vector<std::map<std::string, std::string>> entries;
  char buffer[65536];
  for (ssize_t size; (size = ::recv(journal_, buffer, sizeof buffer, 0)) > 0;) {
    std::map<std::string, std::string> fields;
    std::istringstream lines(std::string(buffer, static_cast<std::size_t>(size)));
    for (std::string line; std::getline(lines, line);) {
      const std::size_t equals = line.find('=');
      if (equals != std::string::npos) fields[line.substr(0, equals)] = line.substr(equals + 1);
    }
    entries.push_back(fields);
  }
  return entries;
}

}  // namespace skarvel::test
