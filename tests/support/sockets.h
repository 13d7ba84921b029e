#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

namespace skarvel::test {

// A loopback port held by this test and never listened on: a connection to it is refused, and
// no other program can take the port while the object lives.
class ClosedPort {
 public:
  ClosedPort();
  ~ClosedPort();
  ClosedPort(const ClosedPort&) = delete;
  ClosedPort& operator=(const ClosedPort&) = delete;
  int port() const { return port_; }

 private:
  int fd_ = -1;
  int port_ = 0;
};

// The port of a ClosedPort this test process holds for its whole life: connections to it are
// refused, and no other program can take it meanwhile.
int RefusingPort();

// The ports the process listens on, as the kernel's socket table says; for servers that bind a
// port but do not say which.
std::vector<int> ListeningPorts(pid_t pid);

class ChildProcess;

// True once a connection to the Unix socket at path is accepted (its server listens, which is
// later than the socket's file appearing); false when the deadline passes first.
bool AwaitUnixListener(const std::string& path, std::chrono::milliseconds deadline);

// The port the server listens on once it does, found in the kernel's socket table; throws,
// naming the server, when it ends first or does not listen within ten seconds. The table has no
// notice to wait on: it is read again every few milliseconds.
int AwaitListeningPort(ChildProcess& server, const std::string& name);

// The processes pid started, and those they started, and so on.
std::vector<pid_t> Descendants(pid_t pid);

}  // namespace skarvel::test
