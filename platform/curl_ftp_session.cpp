#include "platform/curl_ftp_session.h"

#include <atomic>
#include <cerrno>
#include <exception>
#include <mutex>
#include <set>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

#include <curl/curl.h>

#include "platform/ftp_listing.h"
#include "platform/ftp_path.h"
#include "platform/translation.h"
#include "platform/work_beside.h"

namespace skarvel::wininet {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr milliseconds kPoll{100};

struct EasyDeleter {
  void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
using Easy = std::unique_ptr<CURL, EasyDeleter>;
struct MultiDeleter {
  void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
using Multi = std::unique_ptr<CURLM, MultiDeleter>;
struct ListDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using CommandList = std::unique_ptr<curl_slist, ListDeleter>;

void InitialiseCurlOnce() {
  static const CURLcode code = curl_global_init(CURL_GLOBAL_DEFAULT);
  (void)code;
}

// The local end of a download: remembers why writing stopped, which libcurl only reports as
// its own write error.
struct LocalFile {
  std::FILE* file = nullptr;
  int write_errno = 0;

  static std::size_t Write(char* data, std::size_t size, std::size_t count, void* self) {
    auto& local = *static_cast<LocalFile*>(self);
    const std::size_t written = std::fwrite(data, size, count, local.file);
    if (written < count) local.write_errno = errno;
    return written * size;
  }
};

// A folder listing as it arrives; a server that sends one without end is cut off.
struct Listing {
  static constexpr std::size_t kLongest = 64 * 1024 * 1024;
  static std::size_t Append(char* data, std::size_t size, std::size_t count, void* text) {
    auto& listing = *static_cast<std::string*>(text);
    if (listing.size() + size * count > kLongest) return 0;
    listing.append(data, size * count);
    return size * count;
  }
};

// True when libcurl waits on a socket of its own. libcurl 7.88 sometimes waits on none after
// a passive-mode reply (its next step, opening the data connection, is then armed only by
// the connect time-out) and acts at once when asked again.
bool WaitsOnSocket(CURLM* multi) {
  fd_set read, write, except;
  FD_ZERO(&read);
  FD_ZERO(&write);
  FD_ZERO(&except);
  int highest = -1;
  curl_multi_fdset(multi, &read, &write, &except, &highest);
  return highest >= 0;
}

unsigned long ErrorOf(CURLcode result, NetworkCause cause, const std::string& last_command) {
  switch (cause) {
    case NetworkCause::kCertificateExpired:
    case NetworkCause::kCertificateNotYetValid:
      return ERROR_INTERNET_SEC_CERT_DATE_INVALID;
    case NetworkCause::kCertificateWrongName:
      return ERROR_INTERNET_SEC_CERT_CN_INVALID;
    case NetworkCause::kCertificateUnknownAuthority:
      return ERROR_INTERNET_INVALID_CA;
    case NetworkCause::kTlsUnavailable:
    case NetworkCause::kTlsFailed:
      return ERROR_INTERNET_SECURITY_CHANNEL_ERROR;
    default:
      break;
  }
  switch (result) {
    case CURLE_OK:
      return 0;
    case CURLE_OPERATION_TIMEDOUT:
      return ERROR_INTERNET_TIMEOUT;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
      return ERROR_INTERNET_NAME_NOT_RESOLVED;
    case CURLE_COULDNT_CONNECT:
      return ERROR_INTERNET_CANNOT_CONNECT;
    case CURLE_LOGIN_DENIED:
      // The server refused whichever of the two it was answering.
      if (last_command.rfind("USER", 0) == 0) return ERROR_INTERNET_INCORRECT_USER_NAME;
      if (last_command.rfind("PASS", 0) == 0) return ERROR_INTERNET_INCORRECT_PASSWORD;
      return ERROR_INTERNET_LOGIN_FAILURE;
    case CURLE_FAILED_INIT:
    case CURLE_OUT_OF_MEMORY:
      return ERROR_INTERNET_INTERNAL_ERROR;
    case CURLE_REMOTE_FILE_NOT_FOUND:
      return ERROR_FILE_NOT_FOUND;
    default:
      return ERROR_INTERNET_EXTENDED_ERROR;
  }
}

// The last line of a server reply, without its line end: "550 Failed to change directory."
std::string LastLine(const std::string& reply) {
  std::size_t end = reply.find_last_not_of("\r\n");
  if (end == std::string::npos) return "";
  const std::size_t start = reply.find_last_of('\n', end);
  return reply.substr(start == std::string::npos ? 0 : start + 1,
                      end - (start == std::string::npos ? 0 : start + 1) + 1);
}

// "60 s", "1.5 s": how the person reads a silence.
std::string Seconds(milliseconds span) {
  const auto tenths = span.count() / 100;
  return std::to_string(tenths / 10) + (tenths % 10 != 0 ? "." + std::to_string(tenths % 10) : "") +
         " s";
}

}  // namespace

struct CurlFtpSession::State {
  State(InternetHandle& handle, FtpLogin account) : internet(handle), login(std::move(account)) {}

  InternetHandle& internet;
  FtpLogin login;
  bool passive_data = true;
  std::string base_url;  // ftp://host:port
  std::string entry_path;
  std::optional<CertificateInfo> certificate;
  Multi multi;  // its connection cache holds the control connection between requests
  Easy easy;

  // Written by the request's thread, read by the caller's once the request has ended.
  bool logging_in = false;
  std::string last_command;
  std::string reply;        // lines received since the last command
  std::string login_reply;  // the reply to PASS
  bool uploading = false;
  curl_off_t reported = 0;  // bytes already notified in this transfer
  curl_socket_t used_socket = CURL_SOCKET_BAD;
  char error_buffer[CURL_ERROR_SIZE] = {};

  // Shared by both threads while a request runs.
  std::mutex mutex;
  // Notifications raised inside libcurl's callbacks wait here for the caller's thread: its
  // handlers pump the window and may throw, and nothing may unwind through libcurl.
  std::vector<std::pair<unsigned long, unsigned long>> queued;
  std::set<curl_socket_t> sockets;  // every socket libcurl opened through us and still holds
  curl_socket_t control = CURL_SOCKET_BAD;
  bool lost = false;               // the control connection closed after the login
  bool refused_reconnect = false;  // libcurl wanted a new one for this request
  std::atomic<bool> stop{false};
  // When a byte last came from the server, on the control or the data connection (or went to
  // it, for an upload), in steady-clock ticks.
  std::atomic<Clock::rep> last_activity{0};

  // The caller's: how the request in progress ends.
  bool timed_out = false;
  bool given_up = false;
  std::string lost_because;

  void Touch() { last_activity = Clock::now().time_since_epoch().count(); }
  milliseconds Silence() const {
    return std::chrono::duration_cast<milliseconds>(
        Clock::now() - Clock::time_point(Clock::duration(last_activity.load())));
  }

  // libcurl's callbacks, on the request's thread.
  static int OnDebug(CURL*, curl_infotype type, char* data, std::size_t size, void* self) {
    auto& s = *static_cast<State*>(self);
    const std::string text(data, size);
    if (type == CURLINFO_HEADER_OUT) {
      s.last_command = text;
      s.reply.clear();
    } else if (type == CURLINFO_HEADER_IN) {
      s.reply += text;
      if (s.last_command.rfind("PASS", 0) == 0) s.login_reply = s.reply;
      s.Touch();
    } else if (type == CURLINFO_DATA_IN) {
      s.Touch();
    }
    return 0;
  }

  static curl_socket_t OnOpenSocket(void* self, curlsocktype, curl_sockaddr* address) {
    auto& s = *static_cast<State*>(self);
    const std::lock_guard<std::mutex> lock(s.mutex);
    // libcurl found the control connection gone and would log in again, in the login folder,
    // under requests that name files in another: the connection stays lost, as WinINet's does.
    if (!s.logging_in && s.control == CURL_SOCKET_BAD) {
      s.refused_reconnect = true;
      return CURL_SOCKET_BAD;
    }
    const curl_socket_t socket = ::socket(address->family, address->socktype, address->protocol);
    if (socket == CURL_SOCKET_BAD) return socket;
    s.sockets.insert(socket);
    // Only the control connection's opening is the connect of WinINet's notifications.
    if (s.logging_in) {
      s.queued.insert(s.queued.end(), {{INTERNET_STATUS_RESOLVING_NAME, 0},
                                       {INTERNET_STATUS_NAME_RESOLVED, 0},
                                       {INTERNET_STATUS_CONNECTING_TO_SERVER, 0}});
    }
    return socket;
  }

  static int OnCloseSocket(void* self, curl_socket_t socket) {
    auto& s = *static_cast<State*>(self);
    const std::lock_guard<std::mutex> lock(s.mutex);
    s.sockets.erase(socket);
    if (socket == s.control) {
      s.control = CURL_SOCKET_BAD;
      s.lost = true;
    }
    return ::close(socket);
  }

  static int OnProgress(void* self, curl_off_t, curl_off_t downloaded, curl_off_t,
                        curl_off_t uploaded) {
    auto& s = *static_cast<State*>(self);
    const curl_off_t done = s.uploading ? uploaded : downloaded;
    if (done > s.reported) {
      const std::lock_guard<std::mutex> lock(s.mutex);
      s.queued.emplace_back(
          s.uploading ? INTERNET_STATUS_REQUEST_SENT : INTERNET_STATUS_RESPONSE_RECEIVED,
          static_cast<unsigned long>(done - s.reported));
      s.reported = done;
      s.Touch();
    }
    return s.stop ? 1 : 0;  // non-zero aborts the request
  }

  static std::size_t Discard(char*, std::size_t size, std::size_t count, void*) {
    return size * count;
  }

  // Options every request shares; the multi handle keeps the connection between requests.
  void Prepare(CURL* e, const std::string& url) {
    curl_easy_reset(e);
    curl_easy_setopt(e, CURLOPT_URL, url.c_str());
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(e, CURLOPT_USERNAME, login.user.c_str());
    curl_easy_setopt(e, CURLOPT_PASSWORD, login.password.c_str());
    curl_easy_setopt(e, CURLOPT_USERAGENT, internet.agent_.c_str());
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(internet.connect_timeout_));
    // The design's passive mode is PASV and its active mode PORT, on IPv4: a shop router's FTP
    // helper that opens the way for PORT knows nothing of EPRT, and some servers refuse EPSV.
    // A server named by its IPv6 address is reached over IPv6, where only the extended forms
    // exist (libcurl then sends them whatever these options say).
    const bool ipv6_address = !login.host.empty() && login.host.front() == '[';
    curl_easy_setopt(e, CURLOPT_IPRESOLVE, ipv6_address ? CURL_IPRESOLVE_V6 : CURL_IPRESOLVE_V4);
    curl_easy_setopt(e, CURLOPT_FTPPORT, passive_data ? nullptr : "-");
    curl_easy_setopt(e, CURLOPT_FTP_USE_EPSV, 0L);
    curl_easy_setopt(e, CURLOPT_FTP_USE_EPRT, 0L);
    // Folders are entered by commands of the caller's own; libcurl, left to it, would first go
    // back to the folder PWD named, which a server answering `257 "C:/ftp"` cannot enter.
    curl_easy_setopt(e, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
    // No SIZE before RETR: the design's client sends none, and the caller checks what arrived.
    curl_easy_setopt(e, CURLOPT_IGNORE_CONTENT_LENGTH, 1L);
    // Every passive data connection resolves the server's name again; once libcurl's
    // one-minute cache entry lapsed, each resolve cost a one-second wait in its threaded
    // resolver, so a long folder download crawled. The name stays good for a session.
    curl_easy_setopt(e, CURLOPT_DNS_CACHE_TIMEOUT, -1L);
    if (internet.access_type_ == INTERNET_OPEN_TYPE_DIRECT) {
      curl_easy_setopt(e, CURLOPT_PROXY, "");
    } else if (internet.access_type_ == INTERNET_OPEN_TYPE_PROXY) {
      curl_easy_setopt(e, CURLOPT_PROXY, internet.proxy_.c_str());
      curl_easy_setopt(e, CURLOPT_NOPROXY, internet.bypass_.c_str());
    }
    curl_easy_setopt(e, CURLOPT_OPENSOCKETFUNCTION, OnOpenSocket);
    curl_easy_setopt(e, CURLOPT_OPENSOCKETDATA, this);
    curl_easy_setopt(e, CURLOPT_CLOSESOCKETFUNCTION, OnCloseSocket);
    curl_easy_setopt(e, CURLOPT_CLOSESOCKETDATA, this);
    curl_easy_setopt(e, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(e, CURLOPT_DEBUGFUNCTION, OnDebug);
    curl_easy_setopt(e, CURLOPT_DEBUGDATA, this);
    curl_easy_setopt(e, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(e, CURLOPT_XFERINFOFUNCTION, OnProgress);
    curl_easy_setopt(e, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, Discard);
    curl_easy_setopt(e, CURLOPT_ERRORBUFFER, error_buffer);
    // The same on every request: libcurl reuses the connection only for a request that asks
    // for the same protection.
    if (login.security.tls) ApplyTransportSecurity(e, login.security, TransferProtocol::kFtp);
    reported = 0;
    uploading = false;
  }
  std::string Url(const std::string& name) const { return base_url + FtpUrlPath(name, false); }

  // The request's thread: drives the request to its end. curl_easy_perform would wait a whole
  // second after some passive-mode replies, so a folder of small files took a second a file;
  // this loop asks again at once.
  CURLcode Drive(CURL* e) {
    CURLM* m = multi.get();
    if (curl_multi_add_handle(m, e) != CURLM_OK) return CURLE_FAILED_INIT;
    bool asked_again = false;
    for (int running = 1; running && !stop;) {
      if (curl_multi_perform(m, &running) != CURLM_OK || !running || stop) break;
      if (!asked_again && !WaitsOnSocket(m)) {
        asked_again = true;
        continue;
      }
      asked_again = false;
      curl_multi_poll(m, nullptr, 0, static_cast<int>(kPoll.count()), nullptr);
    }
    CURLcode result = stop ? CURLE_ABORTED_BY_CALLBACK : CURLE_FAILED_INIT;
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(m, &left)) {
      if (message->msg == CURLMSG_DONE && message->easy_handle == e) result = message->data.result;
    }
    // The control connection the request used, while the handle still holds it.
    curl_easy_getinfo(e, CURLINFO_ACTIVESOCKET, &used_socket);
    // What is left of a request given up ends here, its connection closed without a word.
    curl_multi_remove_handle(m, e);
    return result;
  }

  // The caller's thread: hands the queued notifications to the handlers.
  void Deliver() {
    std::vector<std::pair<unsigned long, unsigned long>> ready;
    {
      const std::lock_guard<std::mutex> lock(mutex);
      ready.swap(queued);
    }
    for (const auto& [status, information] : ready) internet.Notify(status, information);
  }

  // Ends the request at once, wherever libcurl waits: a shut-down socket wakes every wait on it.
  void Interrupt() {
    stop = true;
    if (multi) curl_multi_wakeup(multi.get());
    const std::lock_guard<std::mutex> lock(mutex);
    for (const curl_socket_t socket : sockets) ::shutdown(socket, SHUT_RDWR);
  }

  // Runs work on a thread of its own; meanwhile this thread delivers notifications, watches the
  // silence and asks the wait callback, at most kPoll apart. What a handler throws is rethrown
  // once the work has ended.
  void AwaitBeside(const std::function<void()>& work) {
    timed_out = false;
    given_up = false;
    stop = false;
    RunBeside(
        work,
        [this] {
          Tick();
          return !timed_out && !given_up;
        },
        [this] { Interrupt(); }, kPoll);
    Deliver();
  }

  void Tick() {
    Deliver();
    const milliseconds silent = Silence();
    if (silent > milliseconds(internet.receive_timeout_)) {
      timed_out = true;
    } else if (!internet.Wait(silent)) {
      given_up = true;
    }
  }

  CURLcode Run(CURL* e) {
    error_buffer[0] = '\0';
    refused_reconnect = false;
    CURLcode result = CURLE_FAILED_INIT;
    AwaitBeside([&] { result = Drive(e); });
    if (result == CURLE_OK) return result;
    if (timed_out) return CURLE_OPERATION_TIMEDOUT;
    return result;
  }

  // Why the request failed: the server's refusal when it refused, else libcurl's own words.
  std::string Cause(CURLcode result) const {
    const std::string line = LastLine(reply);
    if (timed_out) {
      return Fill(Tr("System", "the server sent nothing for %1"),
                  {Seconds(milliseconds(internet.receive_timeout_))});
    }
    if (given_up) {
      return Fill(Tr("System", "the wait was given up after the server sent nothing for %1"),
                  {Seconds(Silence())});
    }
    if (refused_reconnect) return Tr("System", "the server closed the connection");
    if (!line.empty() && (line.front() == '4' || line.front() == '5')) return line;
    return error_buffer[0] != '\0' ? error_buffer : curl_easy_strerror(result);
  }

  NetworkCause CauseOf(CURL* e, CURLcode result) const {
    if (given_up) return NetworkCause::kGivenUp;
    if (refused_reconnect) return NetworkCause::kConnectionLost;
    if (timed_out) return NetworkCause::kTimedOut;
    return CauseOfTransfer(e, result, error_buffer);
  }

  unsigned long Code(CURLcode result, NetworkCause cause) const {
    if (given_up) return ERROR_INTERNET_OPERATION_CANCELLED;
    if (refused_reconnect) return ERROR_INTERNET_CONNECTION_ABORTED;
    return ErrorOf(result, cause, last_command);
  }

  // Runs the prepared request; records the error and the reply as WinINet's last ones.
  bool Perform(CURL* e) {
    if (lost && !logging_in) {
      Fail(ERROR_INTERNET_CONNECTION_ABORTED, NetworkCause::kConnectionLost,
           lost_because.empty()
               ? Tr("System", "the connection to the server was lost")
               : Fill(Tr("System", "the connection to the server was lost (%1)"), {lost_because}));
      return false;
    }
    if (!logging_in) Touch();  // a login's attempts share one silence (LogIn)
    const CURLcode result = Run(e);
    internet.last_cause_ = result == CURLE_OK ? NetworkCause::kNone : CauseOf(e, result);
    internet.last_error_ = Code(result, internet.last_cause_);
    internet.last_response_ = reply;
    internet.last_error_text_ = result == CURLE_OK ? "" : Cause(result);
    if (lost && lost_because.empty() && !logging_in) lost_because = internet.last_error_text_;
    return result == CURLE_OK;
  }

  void Fail(unsigned long code, NetworkCause cause, const std::string& text) {
    internet.last_error_ = code;
    internet.last_cause_ = cause;
    internet.last_error_text_ = text;
  }
};

CurlFtpSession::CurlFtpSession(InternetHandle& internet, FtpLogin login)
    : state_(std::make_unique<State>(internet, std::move(login))) {
  InitialiseCurlOnce();
  State& s = *state_;
  s.multi.reset(curl_multi_init());
  s.easy.reset(curl_easy_init());
  s.base_url = "ftp://" + s.login.host + ":" + std::to_string(s.login.port);
  s.passive_data = s.login.passive || (s.login.security.tls && !ActiveDataConnectionsProtected());
  if (!Ready()) {
    s.Fail(ERROR_INTERNET_INTERNAL_ERROR, NetworkCause::kOther,
           Tr("System", "the transfer library could not start"));
  }
}

CurlFtpSession::~CurlFtpSession() {
  State& s = *state_;
  // QUIT goes out as libcurl closes the connection; its reply is awaited beside the window. The
  // handles leave the state first: nothing may wake a multi handle being cleaned up.
  Easy easy = std::move(s.easy);
  Multi multi = std::move(s.multi);
  s.Touch();
  try {
    s.AwaitBeside([&easy, &multi] {
      easy.reset();
      multi.reset();
    });
  } catch (...) {
    // A handler that throws here has nowhere to go; the event pump asks again at its next call.
  }
}

bool CurlFtpSession::Ready() const { return state_->multi && state_->easy; }

bool CurlFtpSession::LogIn(bool again) {
  State& s = *state_;
  if (!again) s.Touch();
  s.last_command.clear();
  s.Prepare(s.easy.get(), s.base_url + "/");
  curl_easy_setopt(s.easy.get(), CURLOPT_NOBODY, 1L);
  s.logging_in = true;
  const bool logged_in = s.Perform(s.easy.get());
  s.logging_in = false;
  if (!logged_in) return false;
  char* entry = nullptr;
  curl_easy_getinfo(s.easy.get(), CURLINFO_FTP_ENTRY_PATH, &entry);
  s.entry_path = entry != nullptr ? entry : "";
  if (s.login.security.tls) s.certificate = PeerCertificate(s.easy.get());
  s.internet.last_response_ = s.login_reply;
  const std::lock_guard<std::mutex> lock(s.mutex);
  s.control = s.used_socket;
  s.lost = false;
  return true;
}

std::uint64_t CurlFtpSession::SilentMilliseconds() const {
  return static_cast<std::uint64_t>(state_->Silence().count());
}

const std::string& CurlFtpSession::EntryPath() const { return state_->entry_path; }

const std::optional<CertificateInfo>& CurlFtpSession::Certificate() const {
  return state_->certificate;
}

bool CurlFtpSession::PassiveData() const { return state_->passive_data; }

bool CurlFtpSession::Command(const std::string& command, std::string& reply) {
  State& s = *state_;
  s.Prepare(s.easy.get(), s.base_url + "/");
  curl_easy_setopt(s.easy.get(), CURLOPT_NOBODY, 1L);
  // "*": a refusal is the caller's to judge, and the connection stays, as WinINet's does.
  const CommandList quote(curl_slist_append(nullptr, ("*" + command).c_str()));
  curl_easy_setopt(s.easy.get(), CURLOPT_QUOTE, quote.get());
  if (!s.Perform(s.easy.get())) return false;
  reply = LastLine(s.reply);
  if (reply.empty()) {
    s.Fail(ERROR_INTERNET_EXTENDED_ERROR, NetworkCause::kConnectionLost,
           Fill(Tr("System", "the server did not answer %1"), {command}));
  }
  return !reply.empty();
}

bool CurlFtpSession::List(const std::function<bool(const std::string& name)>& keep,
                          std::vector<FindData>& entries) {
  State& s = *state_;
  // A plain LIST, read here: libcurl's own matching of names leaves it believing the connection
  // is in a folder named like the last entry, and it would then go back to the folder PWD named
  // before the next request.
  std::string listing;
  s.Prepare(s.easy.get(), s.base_url + "/");
  curl_easy_setopt(s.easy.get(), CURLOPT_WRITEFUNCTION, Listing::Append);
  curl_easy_setopt(s.easy.get(), CURLOPT_WRITEDATA, &listing);
  if (!s.Perform(s.easy.get())) return false;
  entries.clear();
  for (FindData& entry : ParseListing(listing)) {
    if (keep(entry.cFileName)) entries.push_back(std::move(entry));
  }
  return true;
}

bool CurlFtpSession::Retrieve(const std::string& name, TransferType type, std::FILE* file,
                              int& write_errno) {
  State& s = *state_;
  LocalFile local{file};
  s.Prepare(s.easy.get(), s.Url(name));
  curl_easy_setopt(s.easy.get(), CURLOPT_BUFFERSIZE, 512L * 1024);
  curl_easy_setopt(s.easy.get(), CURLOPT_WRITEFUNCTION, LocalFile::Write);
  curl_easy_setopt(s.easy.get(), CURLOPT_WRITEDATA, &local);
  curl_easy_setopt(s.easy.get(), CURLOPT_TRANSFERTEXT, type == TransferType::kAscii ? 1L : 0L);
  const bool transferred = s.Perform(s.easy.get());
  write_errno = local.write_errno;
  return transferred;
}

bool CurlFtpSession::Store(const std::string& name, TransferType type, std::FILE* file,
                           std::uint64_t size) {
  State& s = *state_;
  s.Prepare(s.easy.get(), s.Url(name));
  s.uploading = true;
  curl_easy_setopt(s.easy.get(), CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(s.easy.get(), CURLOPT_READDATA, file);
  curl_easy_setopt(s.easy.get(), CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(size));
  curl_easy_setopt(s.easy.get(), CURLOPT_TRANSFERTEXT, type == TransferType::kAscii ? 1L : 0L);
  return s.Perform(s.easy.get());
}

}  // namespace skarvel::wininet
