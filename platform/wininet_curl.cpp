#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <utility>

#include "platform/curl_ftp_session.h"
#include "platform/ftp_path.h"
#include "platform/name_pattern.h"
#include "platform/translation.h"
#include "platform/windows1252.h"
#include "platform/wininet.h"

namespace skarvel::wininet {
namespace {

namespace fs = std::filesystem;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The domain's Windows-1252 paths become UTF-8 names on this system's disk.
fs::path LocalPath(const std::string& path) { return fs::path(Utf8FromAnsi(path)); }

// The Windows code of a local write failure, as WinINet reports it.
unsigned long WriteErrorCode(int error) {
  return error == ENOSPC ? ERROR_DISK_FULL : ERROR_WRITE_FAULT;
}

}  // namespace

InternetHandle::InternetHandle(std::string agent, int access_type, std::string proxy,
                               std::string bypass)
    : agent_(std::move(agent)),
      access_type_(access_type),
      proxy_(std::move(proxy)),
      bypass_(std::move(bypass)) {}

InternetHandle::~InternetHandle() = default;

void InternetHandle::Notify(unsigned long status, unsigned long information) const {
  if (callback_) callback_(status, information);
}

bool InternetHandle::Wait(std::chrono::milliseconds silent) const {
  return !wait_callback_ || wait_callback_(silent);
}

bool FindHandle::Next(FindData& entry) {
  if (next_ >= entries_.size()) return false;
  entry = entries_[next_++];
  return true;
}

struct FtpConnection::State {
  State(InternetHandle& handle, std::unique_ptr<CurlFtpSession> control)
      : internet(handle), session(std::move(control)) {}

  InternetHandle& internet;
  std::unique_ptr<CurlFtpSession> session;
  std::string cwd;            // WinINet's current folder: relative to the login folder unless
                              // it starts with "/"
  std::string server_folder;  // where the control connection is, written the same way
  std::string login_folder;   // the full path PWD gave after the login; empty when it gave none

  void Fail(unsigned long code, NetworkCause cause, const std::string& text) {
    internet.last_error_ = code;
    internet.last_cause_ = cause;
    internet.last_error_text_ = text;
  }
  void Succeed() { Fail(0, NetworkCause::kNone, ""); }
};

FtpConnection::FtpConnection(InternetHandle& internet, std::unique_ptr<CurlFtpSession> session)
    : state_(std::make_unique<State>(internet, std::move(session))) {}

std::unique_ptr<FtpConnection> FtpConnection::Connect(InternetHandle& internet,
                                                      const std::string& host, int port,
                                                      const std::string& user,
                                                      const std::string& password, bool passive,
                                                      const TransportSecurity& security) {
  auto session = std::make_unique<CurlFtpSession>(
      internet, FtpLogin{host, port, user, password, passive, security});
  if (!session->Ready()) return nullptr;
  // libcurl has no retries of its own for connecting.
  const unsigned long attempts = std::max(1ul, internet.connect_retries_);
  for (unsigned long attempt = 0; attempt < attempts; ++attempt) {
    if (session->LogIn(attempt > 0)) {
      const std::string entry = session->EntryPath();
      std::unique_ptr<FtpConnection> connection(new FtpConnection(internet, std::move(session)));
      // Only a full path can be joined with the folders entered later.
      if (!entry.empty() && entry.front() == '/') {
        connection->state_->login_folder = NormalisedFtpPath(entry);
      }
      internet.Notify(INTERNET_STATUS_CONNECTED_TO_SERVER);
      return connection;
    }
    // A refused connection, or one libcurl gave up within its connect time-out, is tried again;
    // a server that stayed silent is not: all attempts share one receive time-out.
    const unsigned long error = internet.last_error_;
    const bool silent_too_long = session->SilentMilliseconds() >= internet.receive_timeout_;
    if (error != ERROR_INTERNET_CANNOT_CONNECT &&
        (error != ERROR_INTERNET_TIMEOUT || silent_too_long)) {
      break;
    }
  }
  return nullptr;
}

FtpConnection::~FtpConnection() {
  InternetHandle& internet = state_->internet;
  // A handler that throws here has nowhere to go; the event pump asks again at its next call.
  try {
    internet.Notify(INTERNET_STATUS_CLOSING_CONNECTION);
  } catch (...) {
  }
  state_->session.reset();
  try {
    internet.Notify(INTERNET_STATUS_CONNECTION_CLOSED);
  } catch (...) {
  }
}

bool FtpConnection::Enter(const std::string& folder) {
  State& s = *state_;
  const auto steps = FolderSteps(s.server_folder, folder, s.login_folder);
  if (!steps) {
    s.Fail(ERROR_INTERNET_EXTENDED_ERROR, NetworkCause::kOther,
           Fill(Tr("System",
                   "the folder %1 cannot be reached from %2: the server named no full path for "
                   "the folder it logged in to"),
                {folder, s.server_folder}));
    return false;
  }
  for (const FolderStep& step : *steps) {
    if (step.command.find_first_of("\r\n") != std::string::npos) {
      s.Fail(ERROR_INTERNET_EXTENDED_ERROR, NetworkCause::kOther,
             Tr("System", "a folder name holds a line break"));
      return false;
    }
    std::string reply;
    if (!s.session->Command(step.command, reply)) return false;
    if (reply.front() != '2') {
      s.Fail(ERROR_INTERNET_EXTENDED_ERROR, NetworkCause::kRequestRefused, reply);
      return false;
    }
    s.server_folder = step.folder;
  }
  return true;
}

std::optional<std::string> FtpConnection::EnterFolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string folder =
      slash == std::string::npos ? "" : path.substr(0, slash == 0 ? 1 : slash);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (!Enter(ResolvedFtpPath(state_->cwd, folder))) return std::nullopt;
  return name;
}

bool FtpConnection::SetCurrentDirectory(const std::string& folder) {
  State& s = *state_;
  const std::string target = ResolvedFtpPath(s.cwd, folder);
  if (!Enter(target)) return false;
  s.cwd = target;
  s.Succeed();
  return true;
}

bool FtpConnection::GetCurrentDirectory(std::string& folder) const {
  const State& s = *state_;
  if (!s.cwd.empty() && s.cwd.front() == '/') {
    folder = s.cwd;
    return true;
  }
  if (s.login_folder.empty()) return false;
  folder = NormalisedFtpPath(s.login_folder + "/" + s.cwd);
  return true;
}

std::unique_ptr<FindHandle> FtpConnection::FindFirstFile(const std::string& pattern,
                                                         FindData& first) {
  State& s = *state_;
  const std::optional<std::string> mask = EnterFolderOf(pattern);
  if (!mask) return nullptr;
  const std::string kept = *mask == "*.*" ? "*" : *mask;
  std::vector<FindData> entries;
  if (!s.session->List([&kept](const std::string& name) { return MatchesPattern(name, kept); },
                       entries)) {
    return nullptr;
  }
  if (entries.empty()) {
    s.Fail(ERROR_NO_MORE_FILES, NetworkCause::kNone, "");
    return nullptr;
  }
  s.Succeed();
  first = entries.front();
  return std::make_unique<FindHandle>(std::move(entries));
}

bool FtpConnection::GetFile(const std::string& remote, const std::string& local_path,
                            bool fail_if_exists, TransferType type,
                            std::optional<std::uint64_t> expected_size) {
  State& s = *state_;
  const fs::path final_path = LocalPath(local_path);
  std::error_code error;
  if (fail_if_exists && fs::exists(final_path, error)) {
    s.Fail(ERROR_FILE_EXISTS, NetworkCause::kLocalFile,
           Fill(Tr("System", "%1 exists already"), {final_path.string()}));
    return false;
  }
  const std::optional<std::string> name = EnterFolderOf(remote);
  if (!name) return false;
  const std::string part = final_path.string() + ".part";
  if (!RetrieveInto(*name, type, part) || !KeepWhole(part, final_path.string(), expected_size)) {
    fs::remove(part, error);
    if (s.internet.last_error_ == 0) {
      s.internet.last_error_ = ERROR_INTERNET_EXTENDED_ERROR;
      s.internet.last_cause_ = NetworkCause::kOther;
    }
    return false;
  }
  // The last notification of a transfer carries no bytes: the file is complete.
  s.internet.Notify(INTERNET_STATUS_RESPONSE_RECEIVED, 0);
  return true;
}

bool FtpConnection::RetrieveInto(const std::string& name, TransferType type,
                                 const std::string& part) {
  State& s = *state_;
  File file(std::fopen(part.c_str(), "wb"));
  if (!file) {
    s.Fail(ERROR_FILE_NOT_FOUND, NetworkCause::kLocalFile, part + ": " + std::strerror(errno));
    return false;
  }
  bool transferred = false;
  int write_errno = 0;
  try {
    transferred = s.session->Retrieve(name, type, file.get(), write_errno);
  } catch (...) {
    file.reset();
    std::error_code error;
    fs::remove(part, error);
    throw;
  }
  // Whatever the C library still held is written out too.
  if (std::fflush(file.get()) != 0 || std::ferror(file.get()) != 0) {
    if (write_errno == 0) write_errno = errno != 0 ? errno : EIO;
  }
  file.reset();
  if (write_errno != 0) {
    s.Fail(WriteErrorCode(write_errno), NetworkCause::kLocalFile,
           part + ": " + std::strerror(write_errno));
    return false;
  }
  return transferred;
}

bool FtpConnection::KeepWhole(const std::string& part, const std::string& final_path,
                              std::optional<std::uint64_t> expected_size) {
  State& s = *state_;
  std::error_code error;
  if (expected_size) {
    const std::uintmax_t arrived = fs::file_size(part, error);
    if (error) return false;
    if (arrived != *expected_size) {
      s.Fail(ERROR_INTERNET_EXTENDED_ERROR, NetworkCause::kConnectionLost,
             Fill(Tr("System", "%1 bytes arrived where the server gave the file's size as %2"),
                  {std::to_string(arrived), std::to_string(*expected_size)}));
      return false;
    }
  }
  fs::rename(part, final_path, error);
  if (error) {
    s.Fail(ERROR_WRITE_FAULT, NetworkCause::kLocalFile, final_path + ": " + error.message());
    return false;
  }
  return true;
}

bool FtpConnection::PutFile(const std::string& local_path, const std::string& remote,
                            TransferType type) {
  State& s = *state_;
  const fs::path path = LocalPath(local_path);
  File file(std::fopen(path.c_str(), "rb"));
  std::error_code error;
  const auto size = fs::file_size(path, error);
  if (!file || error) {
    s.Fail(ERROR_FILE_NOT_FOUND, NetworkCause::kLocalFile,
           Fill(Tr("System", "%1: cannot be read"), {path.string()}));
    return false;
  }
  const std::optional<std::string> name = EnterFolderOf(remote);
  if (!name || !s.session->Store(*name, type, file.get(), size)) return false;
  s.internet.Notify(INTERNET_STATUS_REQUEST_SENT, 0);
  return true;
}

const std::optional<CertificateInfo>& FtpConnection::Certificate() const {
  return state_->session->Certificate();
}

std::optional<std::uint64_t> FtpConnection::FileSize(const std::string& remote) {
  State& s = *state_;
  const std::optional<std::string> name = EnterFolderOf(remote);
  std::string reply;
  // Servers answer SIZE in binary mode only; a listing left the connection in ASCII.
  if (!name || !s.session->Command("TYPE I", reply) ||
      !s.session->Command("SIZE " + *name, reply) || reply.rfind("213 ", 0) != 0) {
    return std::nullopt;
  }
  const std::string digits = reply.substr(4);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) {
    return std::nullopt;
  }
  return std::stoull(digits);
}

}  // namespace skarvel::wininet
