#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/wininet.h"

namespace skarvel::wininet {

// Where a session logs in, and how its data connections are made.
struct FtpLogin {
  std::string host;
  int port = 21;
  std::string user;
  std::string password;
  bool passive = true;  // PASV; otherwise PORT
  TransportSecurity security;
};

// One FTP control connection on libcurl, for FtpConnection. Requests name files in the folder
// the connection is in; none changes folder on its own (Command does, when told).
//
// libcurl waits inside its own calls for a transfer's final reply ("226") and for the reply to
// QUIT, up to minutes. So every request, and the closing, runs on a thread of its own while the
// calling thread waits for its end at most 100 ms at a time: there, and only there, the
// notifications the request raised are delivered, the server's silence is measured and the
// handle's wait callback is called. A server silent for the receive time-out, a wait the callback
// gives up, or a callback that throws ends the request at once: its sockets are shut down under
// libcurl, and with them the connection. A lost connection is not made again: every later
// request fails at once with ERROR_INTERNET_CONNECTION_ABORTED, as WinINet's do.
//
// Every result and failure is recorded on the Internet handle (LastError, LastResponse,
// LastErrorText, LastCause).
class CurlFtpSession {
 public:
  CurlFtpSession(InternetHandle& internet, FtpLogin login);
  // Closes the connection (QUIT), waiting as a request does; a silent server does not hold it.
  ~CurlFtpSession();
  CurlFtpSession(const CurlFtpSession&) = delete;
  CurlFtpSession& operator=(const CurlFtpSession&) = delete;

  // False when the transfer library could not start (the handle says why).
  bool Ready() const;

  // Connects and logs in, with WinINet's notifications 10, 11 and 20 as the connection opens.
  // again: a further attempt of the same connect; the server's silence counts on from the
  // attempt before, so that all attempts share one receive time-out.
  bool LogIn(bool again);
  // How long the server has sent nothing, as of the end of the last request.
  std::uint64_t SilentMilliseconds() const;
  // The folder PWD named after the login, as the server wrote it; empty when it named none.
  const std::string& EntryPath() const;
  // The certificate the server presented at the login; none over a plain connection.
  const std::optional<CertificateInfo>& Certificate() const;
  // Whether data connections are passive: as the login asks, except inside TLS where this
  // libcurl cannot protect an active one (ActiveDataConnectionsProtected).
  bool PassiveData() const;

  // Sends one command ("CWD zip", "CDUP", "SIZE a.zip") on the control connection; reply is the
  // last line the server answered. False only when no reply came (the reply's code is the
  // caller's to judge).
  bool Command(const std::string& command, std::string& reply);
  // The entries of the current folder (LIST) whose names keep accepts.
  bool List(const std::function<bool(const std::string& name)>& keep,
            std::vector<FindData>& entries);
  // RETR name into file; write_errno tells why writing it failed.
  bool Retrieve(const std::string& name, TransferType type, std::FILE* file, int& write_errno);
  // STOR name from file, of size bytes.
  bool Store(const std::string& name, TransferType type, std::FILE* file, std::uint64_t size);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace skarvel::wininet
