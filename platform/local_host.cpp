#include "platform/local_host.h"

#include <arpa/inet.h>
#include <cstring>
#include <ifaddrs.h>
#include <memory>
#include <netdb.h>
#include <netinet/in.h>
#include <unistd.h>
#include <vector>

#include "platform/ansi_text.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

struct AddressesFree {
  void operator()(addrinfo* list) const { ::freeaddrinfo(list); }
};
struct InterfacesFree {
  void operator()(ifaddrs* list) const { ::freeifaddrs(list); }
};

// An address as comparable bytes: the family, then the address alone (no port).
std::string AddressBytes(const sockaddr* address) {
  if (address == nullptr) return "";
  if (address->sa_family == AF_INET) {
    const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(address);
    return std::string(1, 4) +
           std::string(reinterpret_cast<const char*>(&ipv4->sin_addr), sizeof ipv4->sin_addr);
  }
  if (address->sa_family == AF_INET6) {
    const auto* ipv6 = reinterpret_cast<const sockaddr_in6*>(address);
    return std::string(1, 6) +
           std::string(reinterpret_cast<const char*>(&ipv6->sin6_addr), sizeof ipv6->sin6_addr);
  }
  return "";
}

bool IsLoopback(const sockaddr* address) {
  if (address->sa_family == AF_INET) {
    const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(address);
    return (ntohl(ipv4->sin_addr.s_addr) >> 24) == 127;
  }
  if (address->sa_family == AF_INET6) {
    const auto* ipv6 = reinterpret_cast<const sockaddr_in6*>(address);
    return IN6_IS_ADDR_LOOPBACK(&ipv6->sin6_addr);
  }
  return false;
}

std::vector<std::string> OwnAddresses() {
  std::vector<std::string> own;
  ifaddrs* list = nullptr;
  if (::getifaddrs(&list) != 0) return own;
  const std::unique_ptr<ifaddrs, InterfacesFree> owned(list);
  for (const ifaddrs* item = list; item != nullptr; item = item->ifa_next) {
    if (const std::string bytes = AddressBytes(item->ifa_addr); !bytes.empty()) {
      own.push_back(bytes);
    }
  }
  return own;
}

std::string HostName() {
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return "";
  return name;
}

}  // namespace

bool IsThisComputer(const std::string& host) {
  std::string name = Trim(host);
  if (name.size() > 1 && name.front() == '[' && name.back() == ']') {
    name = name.substr(1, name.size() - 2);
  }
  if (name.empty()) return false;
  if (SameText(name, "localhost") || SameText(name, AnsiFromUtf8(HostName()))) return true;
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(Utf8FromAnsi(name).c_str(), nullptr, &hints, &found) != 0) return false;
  const std::unique_ptr<addrinfo, AddressesFree> owned(found);
  const std::vector<std::string> own = OwnAddresses();
  for (const addrinfo* item = found; item != nullptr; item = item->ai_next) {
    if (IsLoopback(item->ai_addr)) return true;
    const std::string bytes = AddressBytes(item->ai_addr);
    for (const std::string& mine : own) {
      if (mine == bytes) return true;
    }
  }
  return false;
}

}  // namespace skarvel
