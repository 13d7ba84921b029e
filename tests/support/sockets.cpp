#include "tests/support/sockets.h"

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

#include "tests/support/child_process.h"

namespace skarvel::test {
namespace {

namespace fs = std::filesystem;

// The inodes of the sockets the process holds open.
std::vector<std::string> SocketInodes(pid_t pid) {
  std::vector<std::string> inodes;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
    const std::string target = fs::read_symlink(entry.path(), error).string();
    if (target.rfind("socket:[", 0) == 0) inodes.push_back(target.substr(8, target.size() - 9));
  }
  return inodes;
}

}  // namespace

ClosedPort::ClosedPort() : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    throw std::runtime_error("no loopback port could be held");
  }
  port_ = ntohs(address.sin_port);
}

ClosedPort::~ClosedPort() {
  if (fd_ >= 0) ::close(fd_);
}

int RefusingPort() {
  static const ClosedPort held;
  return held.port();
}

std::vector<int> ListeningPorts(pid_t pid) {
  const std::vector<std::string> inodes = SocketInodes(pid);
  std::vector<int> ports;
  std::ifstream table("/proc/net/tcp");
  std::string line;
  std::getline(table, line);
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    std::string slot, local, remote, state, queues, timer, retransmits, uid, timeout, inode;
    fields >> slot >> local >> remote >> state >> queues >> timer >> retransmits >> uid >>
        timeout >> inode;
    if (state != "0A") continue;  // LISTEN
    if (std::find(inodes.begin(), inodes.end(), inode) == inodes.end()) continue;
    ports.push_back(std::stoi(local.substr(local.find(':') + 1), nullptr, 16));
  }
  return ports;
}

bool AwaitUnixListener(const std::string& path, std::chrono::milliseconds deadline) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  path.copy(address.sun_path, path.size());
  for (;;) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool accepted =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    if (accepted) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

int AwaitListeningPort(ChildProcess& server, const std::string& name) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  for (;;) {
    if (const std::vector<int> ports = ListeningPorts(server.pid()); !ports.empty()) {
      return ports.front();
    }
    if (const auto ended = server.Ended()) {
      throw std::runtime_error(name + " ended at once with exit code " + std::to_string(*ended));
    }
    if (std::chrono::steady_clock::now() > deadline)
      throw std::runtime_error(name + " never listened");
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

std::vector<pid_t> Descendants(pid_t pid) {
  std::vector<std::pair<pid_t, pid_t>> parents;  // (process, its parent)
  std::error_code error;
  for (const auto& entry : fs::directory_iterator("/proc", error)) {
    const std::string name = entry.path().filename();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    std::getline(stat, line);
    const std::size_t end = line.rfind(')');  // the program name may hold blanks
    if (end == std::string::npos) continue;
    std::istringstream rest(line.substr(end + 2));
    std::string state;
    pid_t parent = 0;
    rest >> state >> parent;
    parents.emplace_back(std::stoi(name), parent);
  }
  std::vector<pid_t> found{pid};
  for (std::size_t i = 0; i < found.size(); ++i) {
    for (const auto& [process, parent] : parents) {
      if (parent == found[i]) found.push_back(process);
    }
  }
  found.erase(found.begin());
  return found;
}

}  // namespace skarvel::test
