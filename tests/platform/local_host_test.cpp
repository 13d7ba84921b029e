#include "platform/local_host.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/port_owner.h"

namespace skarvel {
namespace {

TEST(LocalHostTest, KnowsThisComputerByNameAndAddress) {
  char name[256] = {};
  ASSERT_EQ(::gethostname(name, sizeof name - 1), 0);
  for (const char* host : {"localhost", "LOCALHOST", "127.0.0.1", "127.1.2.3", "::1", "[::1]"}) {
    EXPECT_TRUE(IsThisComputer(host)) << host;
  }
  EXPECT_TRUE(IsThisComputer(name));
  // Documentation addresses, which no computer has.
  EXPECT_FALSE(IsThisComputer("192.0.2.1"));
  EXPECT_FALSE(IsThisComputer("2001:db8::1"));
  EXPECT_FALSE(IsThisComputer(""));
}

// A socket of this test's, listening: the kernel's tables name this process's user as its owner,
// and nobody once it is closed.
TEST(PortOwnerTest, NamesTheAccountListeningOnAPort) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length), 0);
  const int port = ntohs(address.sin_port);
  EXPECT_FALSE(ListeningAccount(port).has_value()) << "bound, not yet listening";
  ASSERT_EQ(::listen(fd, 1), 0);
  EXPECT_EQ(ListeningAccount(port), std::optional<unsigned>(::geteuid()));
  ::close(fd);
  EXPECT_FALSE(ListeningAccount(port).has_value());
}

}  // namespace
}  // namespace skarvel
