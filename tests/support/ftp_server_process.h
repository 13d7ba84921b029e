#pragma once

#include <csignal>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "service/ftp_account.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_certificates.h"

namespace skarvel::test {

// The download servers the tests run: our own (pyftpdlib, which logs in at "/") and the stock
// Debian server a shop runs (vsftpd, which logs a local account into a folder of its own).
enum class FtpServerKind { kPyftpdlib, kVsftpd };

// How the test download server departs from a plain, fast one, if at all.
struct FtpServerOptions {
  FtpServerKind kind = FtpServerKind::kPyftpdlib;
  long cut_after = -1;          // >= 0: every download is broken off after that many bytes
  long exit_after = -1;         // >= 0: the whole server ends once a download sent that many
  bool refuse_passive = false;  // PASV and EPSV are refused: only active mode works
  bool refuse_active = false;   // PORT and EPRT are refused: only passive mode works
  long send_rate = 0;           // > 0: downloads go out at that many bytes a second
  int max_sessions = 0;         // > 0: sessions the account may hold at once
  // Our own server only: PWD answers this text wherever the session is ("C:/ftp").
  std::string pwd_answer{};
  // Our own server only: a download, an upload or a listing moves all its data, then no final
  // reply ever comes.
  bool silent_after_data = false;
  // vsftpd only: explicit TLS (AUTH TLS) with this certificate. With tls_required every login
  // and every data connection must be protected; without it TLS is offered and plain FTP works
  // as before.
  std::optional<ServerCertificate> tls = std::nullopt;
  bool tls_required = true;
  // Our own server only: the loopback address it listens on ("::1" for IPv6).
  std::string address = "127.0.0.1";
};

// Thrown when a kind of server cannot run on this machine; the message says why, for a skip.
class FtpServerUnavailable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Why a kind of server cannot run here; empty when it can. vsftpd needs its package and root (it
// logs accounts in through PAM; the account is made in its own mount namespace).
std::string WhyFtpServerUnavailable(FtpServerKind kind);

// A test download server on a loopback port the server bound itself, serving root to the account
// "skarvel" / "730518" (read and write); stopped, with every session, at the end of the test.
// Throws FtpServerUnavailable when the kind cannot run here.
class FtpServerProcess {
 public:
  explicit FtpServerProcess(const std::string& root, const FtpServerOptions& options = {});
  ~FtpServerProcess();
  FtpServerProcess(const FtpServerProcess&) = delete;
  FtpServerProcess& operator=(const FtpServerProcess&) = delete;
  int port() const { return port_; }
  TfTP Account(bool passive = true) const;
  // The full path of the folder the server logs the account into ("/" for pyftpdlib).
  const std::string& LoginFolder() const { return login_folder_; }
  // Every command the server received so far, oldest first, as its own log recorded it (our
  // server's command log, vsftpd's protocol log).
  std::vector<std::string> Commands() const;
  // Stops every process of the server where it stands, sessions included, as a host that
  // stops answering; Thaw lets it go on.
  void Freeze() { SignalAll(SIGSTOP); }
  void Thaw() { SignalAll(SIGCONT); }

 private:
  void StartPyftpdlib(const std::string& root, const FtpServerOptions& options);
  void StartVsftpd(const std::string& root, const FtpServerOptions& options);
  // The server and every session it started: vsftpd gives each session a session of its own.
  void SignalAll(int signal);

  FtpServerKind kind_;
  std::unique_ptr<TempFolder> configuration_;  // the server's configuration and command log
  std::unique_ptr<ChildProcess> process_;
  int port_ = 0;
  std::string host_ = "127.0.0.1";  // as an account names it: an IPv6 address in brackets
  std::string login_folder_ = "/";
};

}  // namespace skarvel::test
