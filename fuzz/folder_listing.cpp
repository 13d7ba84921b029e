// The folder listing of the FTP layer against any LIST answer a download server may send: a
// small responder in this process answers the commands and sends the fuzz input as the listing.

#include <arpa/inet.h>
#include <cstddef>
#include <cstdint>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "platform/wininet.h"

namespace {

int Listen(int& port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::listen(fd, 4);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  return fd;
}

void Send(int fd, const std::string& text) {
  if (::send(fd, text.data(), text.size(), MSG_NOSIGNAL) < 0) return;
}

// Answers one session: login, the folder commands, passive data connections, the listing.
void Session(int control, const std::string& listing) {
  Send(control, "220 ready\r\n");
  int data_listener = -1;
  std::string line;
  char c;
  while (::recv(control, &c, 1, 0) == 1) {
    if (c != '\n') {
      line += c;
      continue;
    }
    const std::string command = line.substr(0, line.find_first_of(" \r"));
    line.clear();
    if (command == "USER") {
      Send(control, "331 password\r\n");
    } else if (command == "PASS") {
      Send(control, "230 in\r\n");
    } else if (command == "PWD") {
      Send(control, "257 \"/\"\r\n");
    } else if (command == "CWD" || command == "CDUP" || command == "TYPE") {
      Send(control, "250 ok\r\n");
    } else if (command == "PASV") {
      int port = 0;
      if (data_listener >= 0) ::close(data_listener);
      data_listener = Listen(port);
      Send(control, "227 Entering Passive Mode (127,0,0,1," + std::to_string(port >> 8) + "," +
                        std::to_string(port & 0xFF) + ")\r\n");
    } else if (command == "LIST" || command == "NLST") {
      Send(control, "150 listing\r\n");
      const int data = ::accept(data_listener, nullptr, nullptr);
      if (data >= 0) {
        Send(data, listing);
        ::close(data);
      }
      Send(control, "226 done\r\n");
    } else if (command == "QUIT") {
      Send(control, "221 bye\r\n");
      break;
    } else {
      Send(control, "502 no\r\n");
    }
  }
  if (data_listener >= 0) ::close(data_listener);
  ::close(control);
}

// Every connection gets its session until the listener is shut down.
void Serve(int listener, std::string listing) {
  std::vector<std::thread> sessions;
  for (int control; (control = ::accept(listener, nullptr, nullptr)) >= 0;) {
    sessions.emplace_back(Session, control, std::cref(listing));
  }
  for (std::thread& session : sessions) session.join();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skarvel::wininet;
  int port = 0;
  const int listener = Listen(port);
  std::thread server(Serve, listener, std::string(reinterpret_cast<const char*>(data), size));
  {
    InternetHandle internet("skarvel-fuzz", INTERNET_OPEN_TYPE_DIRECT, "", "");
    internet.SetConnectTimeout(5000);
    auto connection =
        FtpConnection::Connect(internet, "127.0.0.1", port, "skarvel", "730518", true);
    if (connection) {
      FindData entry;
      if (auto found = connection->FindFirstFile("zip/*.*", entry)) {
        while (found->Next(entry)) {
        }
      }
    }
  }
  ::shutdown(listener, SHUT_RDWR);
  ::close(listener);
  server.join();
  return 0;
}
