#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/curl_transport.h"
#include "platform/network_cause.h"

namespace skarvel::wininet {

// The subset of WinINet that the FTP client uses, with its codes, on libcurl. Everything is
// synchronous and runs on the caller's thread; the status callback is called inside the calls.

// Status notifications.
inline constexpr unsigned long INTERNET_STATUS_RESOLVING_NAME = 10;
inline constexpr unsigned long INTERNET_STATUS_NAME_RESOLVED = 11;
inline constexpr unsigned long INTERNET_STATUS_CONNECTING_TO_SERVER = 20;
inline constexpr unsigned long INTERNET_STATUS_CONNECTED_TO_SERVER = 21;
inline constexpr unsigned long INTERNET_STATUS_REQUEST_SENT = 31;
inline constexpr unsigned long INTERNET_STATUS_RESPONSE_RECEIVED = 41;
inline constexpr unsigned long INTERNET_STATUS_CLOSING_CONNECTION = 50;
inline constexpr unsigned long INTERNET_STATUS_CONNECTION_CLOSED = 51;

// Error codes.
inline constexpr unsigned long ERROR_FILE_NOT_FOUND = 2;
inline constexpr unsigned long ERROR_NO_MORE_FILES = 18;
inline constexpr unsigned long ERROR_WRITE_FAULT = 29;
inline constexpr unsigned long ERROR_FILE_EXISTS = 80;
inline constexpr unsigned long ERROR_DISK_FULL = 112;
inline constexpr unsigned long ERROR_INTERNET_TIMEOUT = 12002;
inline constexpr unsigned long ERROR_INTERNET_EXTENDED_ERROR = 12003;
inline constexpr unsigned long ERROR_INTERNET_INTERNAL_ERROR = 12004;
inline constexpr unsigned long ERROR_INTERNET_NAME_NOT_RESOLVED = 12007;
inline constexpr unsigned long ERROR_INTERNET_INCORRECT_USER_NAME = 12013;
inline constexpr unsigned long ERROR_INTERNET_INCORRECT_PASSWORD = 12014;
inline constexpr unsigned long ERROR_INTERNET_LOGIN_FAILURE = 12015;
inline constexpr unsigned long ERROR_INTERNET_OPERATION_CANCELLED = 12017;
inline constexpr unsigned long ERROR_INTERNET_CANNOT_CONNECT = 12029;
inline constexpr unsigned long ERROR_INTERNET_CONNECTION_ABORTED = 12030;
inline constexpr unsigned long ERROR_INTERNET_SEC_CERT_DATE_INVALID = 12037;
inline constexpr unsigned long ERROR_INTERNET_SEC_CERT_CN_INVALID = 12038;
inline constexpr unsigned long ERROR_INTERNET_INVALID_CA = 12045;
// The encrypted connection could not be set up (also: the server offers none).
inline constexpr unsigned long ERROR_INTERNET_SECURITY_CHANNEL_ERROR = 12157;

// Access types of the Internet handle.
inline constexpr int INTERNET_OPEN_TYPE_PRECONFIG = 0;  // the system's proxy settings
inline constexpr int INTERNET_OPEN_TYPE_DIRECT = 1;     // no proxy
inline constexpr int INTERNET_OPEN_TYPE_PROXY = 3;      // the given proxy

enum class TransferType { kUnknown = 0, kAscii = 1, kBinary = 2 };

// (status, information): a byte count for 31 and 41, 0 otherwise.
using StatusCallback = std::function<void(unsigned long status, unsigned long information)>;
// Called while a call waits on the server, at least every 100 ms, whether or not bytes move,
// with how long the server has sent nothing. False gives the call up at once: it fails with
// ERROR_INTERNET_OPERATION_CANCELLED.
using WaitCallback = std::function<bool(std::chrono::milliseconds silent)>;

// One entry of a folder listing.
struct FindData {
  std::string cFileName;
  std::uint64_t nFileSize = 0;
  bool directory = false;
  // A symbolic link on the server: the listed size is the link's own, not its file's.
  bool link = false;
  // False when the listing gave no size (nFileSize is then 0).
  bool size_listed = true;
};

class FtpConnection;
class CurlFtpSession;

// InternetOpen: the agent, how the network is reached, the connect time-out and retries, the
// status callback, and the last error and server response of the calls made through it.
class InternetHandle {
 public:
  InternetHandle(std::string agent, int access_type, std::string proxy, std::string bypass);
  ~InternetHandle();
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;

  // Both callbacks run on the caller's thread, never inside the transfer library: whatever they
  // throw aborts the call in progress cleanly and reaches the caller of that call.
  void SetStatusCallback(StatusCallback callback) { callback_ = std::move(callback); }
  void SetWaitCallback(WaitCallback callback) { wait_callback_ = std::move(callback); }
  void SetConnectTimeout(unsigned long milliseconds) { connect_timeout_ = milliseconds; }
  unsigned long ConnectTimeout() const { return connect_timeout_; }
  // How long the server may stay silent on the control or the data connection before the call
  // fails with ERROR_INTERNET_TIMEOUT. A connect's attempts share it: a server that stays silent
  // is not tried again.
  void SetReceiveTimeout(unsigned long milliseconds) { receive_timeout_ = milliseconds; }
  unsigned long ReceiveTimeout() const { return receive_timeout_; }
  // How often a connect is tried before it fails (at least once), while the server refuses it
  // or libcurl's connect time-out passes; silence ends the attempts (above).
  void SetConnectRetries(unsigned long retries) { connect_retries_ = retries; }
  unsigned long ConnectRetries() const { return connect_retries_; }

  unsigned long LastError() const { return last_error_; }
  // The server's reply to the last command, as it sent it (CR LF between lines).
  const std::string& LastResponse() const { return last_response_; }
  // Why the last call failed, in words, for the log: the server's refusal as it sent it ("530
  // Login incorrect."), the transfer library's text (a refused connection, a time-out), or the
  // local file's error; empty after a success.
  const std::string& LastErrorText() const { return last_error_text_; }
  // Why the last call failed, as the person is told it (a name not found, a refused login, an
  // expired certificate); kNone after a success.
  NetworkCause LastCause() const { return last_cause_; }

 private:
  friend class FtpConnection;
  friend class CurlFtpSession;
  void Notify(unsigned long status, unsigned long information = 0) const;
  // False when the wait callback gives the call up.
  bool Wait(std::chrono::milliseconds silent) const;

  std::string agent_;
  int access_type_;
  std::string proxy_;
  std::string bypass_;
  StatusCallback callback_;
  WaitCallback wait_callback_;
  unsigned long connect_timeout_ = 60'000;
  unsigned long receive_timeout_ = 60'000;
  unsigned long connect_retries_ = 1;
  unsigned long last_error_ = 0;
  NetworkCause last_cause_ = NetworkCause::kNone;
  std::string last_response_;
  std::string last_error_text_;
};

// The entries a FindFirstFile found, walked with Next (InternetFindNextFile).
class FindHandle {
 public:
  explicit FindHandle(std::vector<FindData> entries) : entries_(std::move(entries)) {}
  bool Next(FindData& entry);

 private:
  std::vector<FindData> entries_;
  std::size_t next_ = 1;
};

// InternetConnect for FTP: connects and logs in at once, as WinINet does. Names and paths are
// the server's bytes; folders are separated by "/". A path that does not start with "/" is
// relative to the current folder, which starts as the folder the server logged in to. Every call
// runs on the one control connection, as WinINet's do; a connection that was lost (a silent
// server, a call given up, a server that closed it) is not made again, and every later call fails
// with ERROR_INTERNET_CONNECTION_ABORTED. The connection is moved between folders only by CWD
// and CDUP of its own (FolderSteps): files and listings are named within the folder it is in.
class FtpConnection {
 public:
  // nullptr when the connection or the login failed; the handle's LastError says why. With
  // security.tls the whole session is encrypted, data connections included, or fails.
  static std::unique_ptr<FtpConnection> Connect(InternetHandle& internet, const std::string& host,
                                                int port, const std::string& user,
                                                const std::string& password, bool passive,
                                                const TransportSecurity& security = {});
  // Closes the connection (notifications 50 and 51).
  ~FtpConnection();
  FtpConnection(const FtpConnection&) = delete;
  FtpConnection& operator=(const FtpConnection&) = delete;

  bool SetCurrentDirectory(const std::string& folder);
  // The current folder as a full path; false when the server did not say where it logged in
  // and no absolute folder was entered since.
  bool GetCurrentDirectory(std::string& folder) const;

  // The entries matching pattern ("folder/mask", or a mask in the current folder; "*" and "?"
  // without regard to case, "*.*" every name), the first in `first`. nullptr when none match
  // (LastError ERROR_NO_MORE_FILES) and when the folder cannot be listed (any other LastError:
  // the listing failed, which is not an empty folder).
  std::unique_ptr<FindHandle> FindFirstFile(const std::string& pattern, FindData& first);

  // Downloads remote into local_path. The bytes go to a temporary file beside it, which takes
  // the final name only when the transfer is complete and, when expected_size is given, that
  // long: a broken transfer never leaves a truncated file under the final name.
  bool GetFile(const std::string& remote, const std::string& local_path, bool fail_if_exists,
               TransferType type, std::optional<std::uint64_t> expected_size);
  bool PutFile(const std::string& local_path, const std::string& remote, TransferType type);
  // The size of remote as the server's SIZE gives it (for a link, its file's); none when the
  // server gives none.
  std::optional<std::uint64_t> FileSize(const std::string& remote);
  // The certificate the server presented at the login; none over a plain connection.
  const std::optional<CertificateInfo>& Certificate() const;

 private:
  struct State;
  FtpConnection(InternetHandle& internet, std::unique_ptr<CurlFtpSession> session);
  // Moves the connection into the folder of path (relative to the current folder) and gives the
  // name left; none, with the error recorded, when that folder cannot be entered.
  std::optional<std::string> EnterFolderOf(const std::string& path);
  bool Enter(const std::string& folder);
  // Writes the remote file name into part; true when every byte arrived and was written.
  bool RetrieveInto(const std::string& name, TransferType type, const std::string& part);
  // Gives part its final name when it is as long as expected_size says.
  bool KeepWhole(const std::string& part, const std::string& final_path,
                 std::optional<std::uint64_t> expected_size);
  std::unique_ptr<State> state_;
};

}  // namespace skarvel::wininet
