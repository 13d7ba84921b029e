#include "platform/port_owner.h"

#include <fstream>
#include <sstream>
#include <string>

namespace skarvel {
namespace {

constexpr const char* kListening = "0A";

// One table of /proc/net: "sl local_address rem_address st tx:rx tr:when retrnsmt uid ...",
// the local address as hexadecimal "address:port".
std::optional<unsigned> FindListener(const char* table, int port) {
  std::ifstream file(table);
  std::string line;
  std::getline(file, line);  // the heading
  while (std::getline(file, line)) {
    std::istringstream fields(line);
    std::string slot, local, remote, state, queues, timer, retransmits;
    unsigned uid = 0;
    if (!(fields >> slot >> local >> remote >> state >> queues >> timer >> retransmits >> uid)) {
      continue;
    }
    const std::size_t colon = local.rfind(':');
    if (state != kListening || colon == std::string::npos) continue;
    if (std::stoi(local.substr(colon + 1), nullptr, 16) == port) return uid;
  }
  return std::nullopt;
}

}  // namespace

std::optional<unsigned> ListeningAccount(int port) {
  if (auto uid = FindListener("/proc/net/tcp", port)) return uid;
  return FindListener("/proc/net/tcp6", port);
}

}  // namespace skarvel
