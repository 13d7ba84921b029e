#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <sys/select.h>
#include <sys/socket.h>
#include <utility>

#include <curl/curl.h>

#include "platform/ftp_path.h"
#include "platform/name_pattern.h"
#include "platform/windows1252.h"
#include "platform/wininet.h"

namespace skarvel::wininet {
namespace {

namespace fs = std::filesystem;

constexpr int kPollMilliseconds = 100;

struct EasyDeleter {
  void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
using Easy = std::unique_ptr<CURL, EasyDeleter>;
struct MultiDeleter {
  void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
using Multi = std::unique_ptr<CURLM, MultiDeleter>;
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The local end of a download: remembers why writing stopped, which libcurl only reports as
// its own write error.
struct LocalFile {
  File file;
  int write_errno = 0;

  static std::size_t Write(char* data, std::size_t size, std::size_t count, void* self) {
    auto& local = *static_cast<LocalFile*>(self);
    const std::size_t written = std::fwrite(data, size, count, local.file.get());
    if (written < count) local.write_errno = errno;
    return written * size;
  }
  // Whatever the C library still held is written out; false when that failed too.
  bool Flush() {
    if (std::fflush(file.get()) == 0 && std::ferror(file.get()) == 0) return true;
    if (write_errno == 0) write_errno = errno != 0 ? errno : EIO;
    return false;
  }
  // The Windows code of the failure, as WinINet reports a local write error.
  unsigned long ErrorCode() const {
    return write_errno == ENOSPC ? ERROR_DISK_FULL : ERROR_WRITE_FAULT;
  }
};

void InitialiseCurlOnce() {
  static const CURLcode code = curl_global_init(CURL_GLOBAL_DEFAULT);
  (void)code;
}

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

// The domain's Windows-1252 paths become UTF-8 names on this system's disk.
fs::path LocalPath(const std::string& path) { return fs::path(Utf8FromAnsi(path)); }

unsigned long ErrorOf(CURLcode result, const std::string& last_command) {
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

}  // namespace

InternetHandle::InternetHandle(std::string agent, int access_type, std::string proxy,
                               std::string bypass)
    : agent_(std::move(agent)),
      access_type_(access_type),
      proxy_(std::move(proxy)),
      bypass_(std::move(bypass)) {
  InitialiseCurlOnce();
}

InternetHandle::~InternetHandle() = default;

void InternetHandle::Notify(unsigned long status, unsigned long information) const {
  if (callback_) callback_(status, information);
}

void InternetHandle::Wait() const {
  if (wait_callback_) wait_callback_();
}

bool FindHandle::Next(FindData& entry) {
  if (next_ >= entries_.size()) return false;
  entry = entries_[next_++];
  return true;
}

struct FtpConnection::Transfer {
  explicit Transfer(InternetHandle& handle) : internet(handle) {}

  InternetHandle& internet;
  Multi multi;  // its connection cache holds the control connection between requests
  Easy easy;
  std::string base_url;  // ftp://host:port
  std::string user;
  std::string password;
  bool passive = true;
  std::string cwd;           // relative to the login folder unless it starts with "/"
  std::string login_folder;  // where the server logged in, as PWD said; empty when unknown
  bool logging_in = false;
  std::string last_command;
  std::string reply;        // lines received since the last command
  std::string login_reply;  // the reply to PASS
  bool uploading = false;
  curl_off_t reported = 0;  // bytes already notified in this transfer
  std::string mask;         // what a listing keeps
  std::vector<FindData> found;
  char error_buffer[CURL_ERROR_SIZE] = {};
  // Notifications raised inside libcurl's callbacks wait here until libcurl has returned: the
  // caller's handlers pump the window and may throw, and nothing may unwind through libcurl.
  std::vector<std::pair<unsigned long, unsigned long>> queued;
  // What the caller's handlers threw; the request in progress is aborted, then it is rethrown.
  std::exception_ptr raised;
  // When a byte last came from the server, on the control or the data connection (or went to
  // it, for an upload): a server silent for the receive time-out ends the request.
  std::chrono::steady_clock::time_point last_activity;
  bool timed_out = false;

  std::string Url(const std::string& path, bool folder) const {
    return base_url + FtpUrlPath(path, folder);
  }
  std::string Resolve(const std::string& path) const { return ResolvedFtpPath(cwd, path); }

  static int OnDebug(CURL*, curl_infotype type, char* data, std::size_t size, void* self) {
    auto& t = *static_cast<Transfer*>(self);
    const std::string text(data, size);
    if (type == CURLINFO_HEADER_OUT) {
      t.last_command = text;
      t.reply.clear();
    } else if (type == CURLINFO_HEADER_IN) {
      t.reply += text;
      if (t.last_command.rfind("PASS", 0) == 0) t.login_reply = t.reply;
      t.last_activity = std::chrono::steady_clock::now();
    } else if (type == CURLINFO_DATA_IN) {
      t.last_activity = std::chrono::steady_clock::now();
    }
    return 0;
  }

  static curl_socket_t OnOpenSocket(void* self, curlsocktype, curl_sockaddr* address) {
    auto& t = *static_cast<Transfer*>(self);
    // Only the control connection's opening is the connect of WinINet's notifications.
    if (t.logging_in) {
      t.queued.insert(t.queued.end(), {{INTERNET_STATUS_RESOLVING_NAME, 0},
                                       {INTERNET_STATUS_NAME_RESOLVED, 0},
                                       {INTERNET_STATUS_CONNECTING_TO_SERVER, 0}});
    }
    return socket(address->family, address->socktype, address->protocol);
  }

  static int OnProgress(void* self, curl_off_t, curl_off_t downloaded, curl_off_t,
                        curl_off_t uploaded) {
    auto& t = *static_cast<Transfer*>(self);
    const curl_off_t done = t.uploading ? uploaded : downloaded;
    if (done > t.reported) {
      t.queued.emplace_back(
          t.uploading ? INTERNET_STATUS_REQUEST_SENT : INTERNET_STATUS_RESPONSE_RECEIVED,
          static_cast<unsigned long>(done - t.reported));
      t.reported = done;
      t.last_activity = std::chrono::steady_clock::now();
    }
    return t.raised || t.timed_out ? 1 : 0;  // non-zero aborts the request
  }

  static long OnChunk(const void* info, void* self, int) {
    const auto* file = static_cast<const curl_fileinfo*>(info);
    FindData entry;
    entry.cFileName = file->filename != nullptr ? file->filename : "";
    entry.directory = file->filetype == CURLFILETYPE_DIRECTORY;
    entry.nFileSize = file->size > 0 ? static_cast<std::uint64_t>(file->size) : 0;
    static_cast<Transfer*>(self)->found.push_back(entry);
    return CURL_CHUNK_BGN_FUNC_SKIP;
  }

  static long OnChunkEnd(void*) { return CURL_CHUNK_END_FUNC_OK; }

  // libcurl is always given "*": the mask itself may hold what a URL cannot ("?", "#").
  static int OnMatch(void* self, const char*, const char* name) {
    const auto& t = *static_cast<const Transfer*>(self);
    return MatchesPattern(name, t.mask) ? CURL_FNMATCHFUNC_MATCH : CURL_FNMATCHFUNC_NOMATCH;
  }

  static std::size_t Discard(char*, std::size_t size, std::size_t count, void*) {
    return size * count;
  }

  // Options every request shares; the multi handle keeps the connection between requests.
  void Prepare(const std::string& url) { Prepare(easy.get(), url); }
  void Prepare(CURL* e, const std::string& url) {
    curl_easy_reset(e);
    curl_easy_setopt(e, CURLOPT_URL, url.c_str());
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(e, CURLOPT_USERNAME, user.c_str());
    curl_easy_setopt(e, CURLOPT_PASSWORD, password.c_str());
    curl_easy_setopt(e, CURLOPT_USERAGENT, internet.agent_.c_str());
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(internet.connect_timeout_));
    curl_easy_setopt(e, CURLOPT_FTPPORT, passive ? nullptr : "-");
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
    curl_easy_setopt(e, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(e, CURLOPT_DEBUGFUNCTION, OnDebug);
    curl_easy_setopt(e, CURLOPT_DEBUGDATA, this);
    curl_easy_setopt(e, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(e, CURLOPT_XFERINFOFUNCTION, OnProgress);
    curl_easy_setopt(e, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, Discard);
    curl_easy_setopt(e, CURLOPT_ERRORBUFFER, error_buffer);
    reported = 0;
    uploading = false;
  }

  // Runs the caller's handler; what it throws is kept for after libcurl has returned.
  template <typename Handler>
  void CallOut(Handler handler) {
    if (raised) return;
    try {
      handler();
    } catch (...) {
      raised = std::current_exception();
    }
  }

  void DeliverQueued() {
    CallOut([this] {
      for (std::size_t i = 0; i < queued.size(); ++i) {
        internet.Notify(queued[i].first, queued[i].second);
      }
    });
    queued.clear();
  }

  // Runs one request to its end on the connection's multi handle, keeping the caller's window
  // alive while it waits. curl_easy_perform would wait a whole second after some passive-mode
  // replies, so a folder of small files took a second a file; this loop asks again at once.
  // libcurl's own low-speed limit averages over several seconds, so a transfer that was fast
  // before the server fell silent ran on for seconds past the limit; this watch is exact.
  bool SilentTooLong() const {
    const auto limit = std::chrono::milliseconds(internet.receive_timeout_);
    return std::chrono::steady_clock::now() - last_activity > limit;
  }

  CURLcode RunToEnd(CURLM* m, CURL* e) {
    if (curl_multi_add_handle(m, e) != CURLM_OK) return CURLE_FAILED_INIT;
    last_activity = std::chrono::steady_clock::now();
    timed_out = false;
    bool asked_again = false;
    bool aborting = false;
    for (int running = 1; running;) {
      if (curl_multi_perform(m, &running) != CURLM_OK) break;
      DeliverQueued();
      // The progress callback has had its chance to abort the request; removing the handle
      // below ends what is left of it.
      if (!running || aborting) break;
      timed_out = SilentTooLong();
      aborting = raised || timed_out;
      if (aborting) continue;
      if (!asked_again && !WaitsOnSocket(m)) {
        asked_again = true;
        continue;
      }
      asked_again = false;
      CallOut([this] { internet.Wait(); });
      if (!raised) curl_multi_poll(m, nullptr, 0, kPollMilliseconds, nullptr);
    }
    CURLcode result = raised ? CURLE_ABORTED_BY_CALLBACK : CURLE_FAILED_INIT;
    int queued_messages = 0;
    while (CURLMsg* message = curl_multi_info_read(m, &queued_messages)) {
      if (message->msg == CURLMSG_DONE && message->easy_handle == e) result = message->data.result;
    }
    curl_multi_remove_handle(m, e);
    return timed_out && result != CURLE_OK ? CURLE_OPERATION_TIMEDOUT : result;
  }

  // Why the request failed: the server's refusal when it refused, else libcurl's own words.
  std::string Cause(CURLcode result) const {
    const std::string line = LastLine(reply);
    if (!line.empty() && (line.front() == '4' || line.front() == '5')) return line;
    if (timed_out) {
      return "the server stayed silent for " + std::to_string(internet.receive_timeout_) + " ms";
    }
    return error_buffer[0] != '\0' ? error_buffer : curl_easy_strerror(result);
  }

  // Runs the prepared request; records the error and the reply as WinINet's last ones.
  bool Perform() { return Perform(multi.get(), easy.get()); }
  bool Perform(CURLM* m, CURL* e) {
    error_buffer[0] = '\0';
    const CURLcode result = RunToEnd(m, e);
    if (raised) std::rethrow_exception(std::exchange(raised, nullptr));
    internet.last_error_ = ErrorOf(result, last_command);
    internet.last_response_ = reply;
    internet.last_error_text_ = result == CURLE_OK ? "" : Cause(result);
    return result == CURLE_OK;
  }

  void Fail(unsigned long code, const std::string& text) {
    internet.last_error_ = code;
    internet.last_error_text_ = text;
  }
};

FtpConnection::FtpConnection(InternetHandle& internet)
    : transfer_(std::make_unique<Transfer>(internet)) {}

std::unique_ptr<FtpConnection> FtpConnection::Connect(InternetHandle& internet,
                                                      const std::string& host, int port,
                                                      const std::string& user,
                                                      const std::string& password, bool passive) {
  std::unique_ptr<FtpConnection> connection(new FtpConnection(internet));
  Transfer& t = *connection->transfer_;
  t.multi.reset(curl_multi_init());
  t.easy.reset(curl_easy_init());
  if (!t.multi || !t.easy) {
    t.Fail(ERROR_INTERNET_INTERNAL_ERROR, "the transfer library could not start");
    return nullptr;
  }
  t.base_url = "ftp://" + host + ":" + std::to_string(port);
  t.user = user;
  t.password = password;
  t.passive = passive;
  // libcurl has no retries of its own for connecting.
  const unsigned long attempts = std::max(1ul, internet.connect_retries_);
  for (unsigned long attempt = 0; attempt < attempts; ++attempt) {
    t.last_command.clear();
    t.Prepare(t.base_url + "/");
    curl_easy_setopt(t.easy.get(), CURLOPT_NOBODY, 1L);
    // The opening of the control connection is WinINet's connect; only the login watches it.
    curl_easy_setopt(t.easy.get(), CURLOPT_OPENSOCKETFUNCTION, Transfer::OnOpenSocket);
    curl_easy_setopt(t.easy.get(), CURLOPT_OPENSOCKETDATA, &t);
    t.logging_in = true;
    const bool connected = t.Perform();
    t.logging_in = false;
    if (connected) {
      char* entry = nullptr;
      curl_easy_getinfo(t.easy.get(), CURLINFO_FTP_ENTRY_PATH, &entry);
      // Only a full path can be joined with the folders entered later.
      if (entry != nullptr && entry[0] == '/') t.login_folder = NormalisedFtpPath(entry);
      internet.last_response_ = t.login_reply;
      internet.Notify(INTERNET_STATUS_CONNECTED_TO_SERVER);
      return connection;
    }
    const unsigned long error = internet.last_error_;
    if (error != ERROR_INTERNET_CANNOT_CONNECT && error != ERROR_INTERNET_TIMEOUT) break;
  }
  return nullptr;
}

FtpConnection::~FtpConnection() {
  InternetHandle& internet = transfer_->internet;
  // A handler that throws here has nowhere to go; the event pump asks again at its next call.
  try {
    internet.Notify(INTERNET_STATUS_CLOSING_CONNECTION);
  } catch (...) {
  }
  transfer_->easy.reset();
  transfer_->multi.reset();
  try {
    internet.Notify(INTERNET_STATUS_CONNECTION_CLOSED);
  } catch (...) {
  }
}

bool FtpConnection::SetCurrentDirectory(const std::string& folder) {
  Transfer& t = *transfer_;
  const std::string target = t.Resolve(folder);
  t.Prepare(t.Url(target, true));
  curl_easy_setopt(t.easy.get(), CURLOPT_NOBODY, 1L);
  if (!t.Perform()) return false;
  t.cwd = target;
  return true;
}

bool FtpConnection::GetCurrentDirectory(std::string& folder) const {
  const Transfer& t = *transfer_;
  if (!t.cwd.empty() && t.cwd.front() == '/') {
    folder = t.cwd;
    return true;
  }
  if (t.login_folder.empty()) return false;
  folder = NormalisedFtpPath(t.login_folder + "/" + t.cwd);
  return true;
}

std::unique_ptr<FindHandle> FtpConnection::FindFirstFile(const std::string& pattern,
                                                         FindData& first) {
  Transfer& t = *transfer_;
  const std::size_t slash = pattern.rfind('/');
  const std::string folder =
      slash == std::string::npos ? "" : pattern.substr(0, slash == 0 ? 1 : slash);
  const std::string mask = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  t.mask = mask == "*.*" ? "*" : mask;
  // A listing runs on a handle of its own, added to the connection's multi handle, whose
  // connection cache hands it the logged-in control connection: no second login, which a
  // server allowing one session per account refuses. libcurl 7.88 keeps a wildcard transfer's
  // entries until its handle is cleaned up, so the handle goes with the listing.
  Easy lister(curl_easy_init());
  if (!lister) {
    t.Fail(ERROR_INTERNET_INTERNAL_ERROR, "the transfer library could not start a listing");
    return nullptr;
  }
  CURL* e = lister.get();
  t.Prepare(e, t.Url(t.Resolve(folder), true) + "*");
  curl_easy_setopt(e, CURLOPT_WILDCARDMATCH, 1L);
  curl_easy_setopt(e, CURLOPT_CHUNK_BGN_FUNCTION, Transfer::OnChunk);
  curl_easy_setopt(e, CURLOPT_CHUNK_END_FUNCTION, Transfer::OnChunkEnd);
  curl_easy_setopt(e, CURLOPT_CHUNK_DATA, &t);
  curl_easy_setopt(e, CURLOPT_FNMATCH_FUNCTION, Transfer::OnMatch);
  curl_easy_setopt(e, CURLOPT_FNMATCH_DATA, &t);
  t.found.clear();
  const bool listed = t.Perform(t.multi.get(), e);
  // libcurl says "no file matched" for an empty folder as for one without a match.
  if (!listed && t.internet.last_error_ != ERROR_FILE_NOT_FOUND) return nullptr;
  if (t.found.empty()) {
    t.Fail(ERROR_NO_MORE_FILES, "");
    return nullptr;
  }
  t.Fail(0, "");
  first = t.found.front();
  return std::make_unique<FindHandle>(std::move(t.found));
}

bool FtpConnection::GetFile(const std::string& remote, const std::string& local_path,
                            bool fail_if_exists, TransferType type,
                            std::optional<std::uint64_t> expected_size) {
  Transfer& t = *transfer_;
  const fs::path final_path = LocalPath(local_path);
  std::error_code error;
  if (fail_if_exists && fs::exists(final_path, error)) {
    t.Fail(ERROR_FILE_EXISTS, final_path.string() + " exists already");
    return false;
  }
  const fs::path part = final_path.string() + ".part";
  LocalFile local{File(std::fopen(part.c_str(), "wb"))};
  if (!local.file) {
    t.Fail(ERROR_FILE_NOT_FOUND, part.string() + ": " + std::strerror(errno));
    return false;
  }
  t.Prepare(t.Url(t.Resolve(remote), false));
  curl_easy_setopt(t.easy.get(), CURLOPT_BUFFERSIZE, 512L * 1024);
  curl_easy_setopt(t.easy.get(), CURLOPT_WRITEFUNCTION, LocalFile::Write);
  curl_easy_setopt(t.easy.get(), CURLOPT_WRITEDATA, &local);
  curl_easy_setopt(t.easy.get(), CURLOPT_TRANSFERTEXT, type == TransferType::kAscii ? 1L : 0L);
  bool transferred = false;
  try {
    transferred = t.Perform();
  } catch (...) {
    local.file.reset();
    fs::remove(part, error);
    throw;
  }
  const bool written = local.Flush() && local.write_errno == 0;
  local.file.reset();
  if (!written) t.Fail(local.ErrorCode(), part.string() + ": " + std::strerror(local.write_errno));
  const bool complete =
      transferred && written && (!expected_size || fs::file_size(part, error) == *expected_size);
  if (transferred && written && !complete && !error) {
    t.Fail(ERROR_INTERNET_EXTENDED_ERROR, "the transfer ended before the size the listing gave");
  }
  if (complete) fs::rename(part, final_path, error);
  if (complete && error) t.Fail(ERROR_WRITE_FAULT, final_path.string() + ": " + error.message());
  if (!complete || error) {
    fs::remove(part, error);
    if (t.internet.last_error_ == 0) t.internet.last_error_ = ERROR_INTERNET_EXTENDED_ERROR;
    return false;
  }
  // The last notification of a transfer carries no bytes: the file is complete.
  t.internet.Notify(INTERNET_STATUS_RESPONSE_RECEIVED, 0);
  return true;
}

bool FtpConnection::PutFile(const std::string& local_path, const std::string& remote,
                            TransferType type) {
  Transfer& t = *transfer_;
  const fs::path path = LocalPath(local_path);
  File file(std::fopen(path.c_str(), "rb"));
  std::error_code error;
  const auto size = fs::file_size(path, error);
  if (!file || error) {
    t.Fail(ERROR_FILE_NOT_FOUND, path.string() + ": cannot be read");
    return false;
  }
  t.Prepare(t.Url(t.Resolve(remote), false));
  t.uploading = true;
  curl_easy_setopt(t.easy.get(), CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(t.easy.get(), CURLOPT_READDATA, file.get());
  curl_easy_setopt(t.easy.get(), CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(size));
  curl_easy_setopt(t.easy.get(), CURLOPT_TRANSFERTEXT, type == TransferType::kAscii ? 1L : 0L);
  if (!t.Perform()) return false;
  t.internet.Notify(INTERNET_STATUS_REQUEST_SENT, 0);
  return true;
}

}  // namespace skarvel::wininet
