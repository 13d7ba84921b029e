#include "service/simple_ftp.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>

#include "platform/windows1252.h"

namespace skarvel {
namespace {

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool LocalFileExists(const std::string& path, std::uintmax_t* size = nullptr) {
  std::error_code error;
  const std::filesystem::path local(Utf8FromAnsi(path));
  if (!std::filesystem::is_regular_file(local, error)) return false;
  if (size != nullptr) *size = std::filesystem::file_size(local, error);
  return true;
}

}  // namespace

TSimpleFTP::Listing CollectListing(const wininet::FindData& first, wininet::FindHandle& rest,
                                   const std::string& folder, bool with_folder) {
  TSimpleFTP::Listing listing;
  wininet::FindData entry = first;
  do {
    listing.emplace_back(with_folder ? folder + entry.cFileName : entry.cFileName, entry);
  } while (rest.Next(entry));
  return listing;
}

void AddTransferredBytes(TFTPProgressInfo& progress, unsigned long bytes) {
  // Counted wide: the 32-bit fields of the design overflow past 2 GiB.
  const auto added = static_cast<std::int64_t>(std::min(bytes, 0xFFFFFFFFul));
  progress.bytes_moved += static_cast<std::uint64_t>(added);
  const std::int64_t done = std::int64_t{progress.bytes_done} + added;
  progress.bytes_done = bytes == 0 || done > progress.file_size ? progress.file_size
                                                                : static_cast<std::int32_t>(done);
}

int MinorProgressPercent(const TFTPProgressInfo& progress) {
  if (progress.file_size <= 0 || progress.bytes_done <= 0) return 0;
  return static_cast<int>(std::lround(100.0 * progress.bytes_done / progress.file_size));
}

TSimpleFTP::TSimpleFTP(EventPump& pump, std::string agent)
    : TWinInetControl(std::move(agent)), pump_(pump) {
  Port = 21;
}

TSimpleFTP::~TSimpleFTP() {
  destroying_ = true;
  connection_.reset();
  listing_.clear();
}

void TSimpleFTP::SetPassive(bool passive) {
  connect_flags_ = passive ? connect_flags_ | kPassiveFlag : connect_flags_ & ~kPassiveFlag;
}

void TSimpleFTP::SetSecure(bool secure) {
  connect_flags_ = secure ? connect_flags_ | kSecureFlag : connect_flags_ & ~kSecureFlag;
}

void TSimpleFTP::SetFileSystemType(TFTPFileSystemType type) {
  if (State() == TWinInetState::Connected) {
    if (!SilentExceptions) throw ESimpleFTPError("Cannot change file system type when connected");
    return;
  }
  file_system_type_ = type;
}

wininet::TransferType TSimpleFTP::WinInetTransferType() const {
  switch (transfer_type_) {
    case TFTPTransferType::ttBinary:
      return wininet::TransferType::kBinary;
    case TFTPTransferType::ttAscii:
      return wininet::TransferType::kAscii;
    case TFTPTransferType::ttUnknown:
      break;
  }
  return wininet::TransferType::kUnknown;
}

bool TSimpleFTP::Fail(const std::string& message) {
  if (!SilentExceptions) throw ESimpleFTPError(message);
  return false;
}

bool TSimpleFTP::Connect() {
  TWinInetControl::Connect();
  // The window stays alive however long the server takes, not only while bytes arrive.
  if (InternetHandle() != nullptr) {
    InternetHandle()->SetWaitCallback([this](std::chrono::milliseconds silent) {
      pump_.ProcessMessages();
      return !OnWaiting || OnWaiting(silent);
    });
  }
  std::string user = UserName;
  std::string password = Password;
  if (OnLogin) OnLogin(*this, user, password);
  UserName = user;
  Password = password;
  if (InternetHandle() != nullptr && !connection_) {
    certificate_.reset();
    connection_ = wininet::FtpConnection::Connect(*InternetHandle(), HostName, Port, UserName,
                                                  Password, Passive(), {Secure(), CaFile});
  }
  if (connection_) {
    greeting_ = LastResponseText();
    certificate_ = connection_->Certificate();
    if (!remote_dir_.empty()) ChangeDir(remote_dir_);
    if (OnConnected) OnConnected(*this);
    return true;
  }
  const unsigned long error = InternetHandle() != nullptr ? InternetHandle()->LastError()
                                                          : wininet::ERROR_INTERNET_INTERNAL_ERROR;
  CloseInternetHandle();
  HandleError(error);
  return false;
}

bool TSimpleFTP::Disconnect() {
  try {
    connection_.reset();
    return TWinInetControl::Disconnect();
  } catch (const std::exception&) {
    return false;
  }
}

bool TSimpleFTP::ChangeDir(const std::string& folder) {
  if (State() != TWinInetState::Connected || !connection_) {
    remote_dir_ = folder;
    return true;
  }
  std::string target = folder;
  if (target.size() > 1 && (target.back() == '/' || target.back() == '\\')) target.pop_back();
  if (connection_->SetCurrentDirectory(target)) {
    remote_dir_ = folder;
    if (OnDirectoryChange) OnDirectoryChange(*this);
    return true;
  }
  if (SilentExceptions || file_system_type_ == TFTPFileSystemType::ftUnknown) return false;
  throw ESimpleFTPError(FormatText("Couldn't change to directory %s", folder));
}

std::string TSimpleFTP::CurrentDir() {
  if (State() != TWinInetState::Connected || !connection_) return remote_dir_;
  std::string folder;
  return connection_->GetCurrentDirectory(folder) ? folder : remote_dir_;
}

std::string TSimpleFTP::FolderForListing(std::string folder) const {
  if (file_system_type_ == TFTPFileSystemType::ftUnix && (folder.empty() || folder.back() != '/')) {
    folder += '/';
  }
  return folder;
}

int TSimpleFTP::ListFiles(const std::string& mask, bool with_folder) {
  listing_.clear();
  if (!connection_) return 0;
  const std::size_t slash = mask.rfind('/');
  // Where the server named no full path, the current folder is known only as it was entered
  // ("pkg"): put before the mask it would name pkg/pkg, so the mask is listed where it stands.
  const std::string current = slash != std::string::npos ? "" : CurrentDir();
  const bool full = !current.empty() && current.front() == '/';
  const std::string folder = slash != std::string::npos ? mask.substr(0, slash + 1)
                             : full                     ? FolderForListing(current)
                                                        : "";
  const std::string pattern = slash != std::string::npos ? mask : folder + mask;
  wininet::FindData entry;
  std::unique_ptr<wininet::FindHandle> find = connection_->FindFirstFile(pattern, entry);
  if (!find) return 0;
  listing_ = CollectListing(entry, *find, folder, with_folder);
  if (OnFindItem) {
    for (const auto& [name, found] : listing_) OnFindItem(*this, found);
  }
  return static_cast<int>(listing_.size());
}

std::optional<std::uint64_t> TSimpleFTP::RemoteFileSize(const std::string& remote) {
  if (State() != TWinInetState::Connected || !connection_) return std::nullopt;
  return connection_->FileSize(remote);
}

bool TSimpleFTP::GetFile(const std::string& remote_name, const std::string& local_path) {
  if (State() != TWinInetState::Connected || !connection_) return Fail("Not connected!");
  if (FailIfExistsOnGet && LocalFileExists(local_path)) return false;
  progress_.bytes_done = 0;
  progress_.bytes_moved = 0;
  progress_.file_size = 0;
  wininet::FindData found;
  if (!connection_->FindFirstFile(remote_name, found)) {
    return Fail(
        FormatText("Error getting %s to %s: remote file not found", remote_name, local_path));
  }
  found.cFileName = remote_name;
  return Get(found, local_path);
}

bool TSimpleFTP::GetFile(const wininet::FindData& entry, const std::string& local_path) {
  if (State() != TWinInetState::Connected || !connection_) return Fail("Not connected!");
  if (FailIfExistsOnGet && LocalFileExists(local_path)) return false;
  return Get(entry, local_path);
}

bool TSimpleFTP::Get(const wininet::FindData& entry, const std::string& local_path) {
  // A link's listed size is the link's own: its file's size comes from SIZE, and where the
  // server gives none, what arrives is taken as it comes.
  std::optional<std::uint64_t> size;
  if (!entry.link && entry.size_listed) {
    size = entry.nFileSize;
  } else {
    size = RemoteFileSize(entry.cFileName);
  }
  progress_.bytes_done = 0;
  progress_.bytes_moved = 0;
  progress_.file_size = static_cast<std::int32_t>(size.value_or(0) & 0xFFFFFFFF);
  progress_.file_name = FileNameOf(local_path);
  if (connection_->GetFile(entry.cFileName, local_path, FailIfExistsOnGet, WinInetTransferType(),
                           size)) {
    return true;
  }
  return Fail(FormatText("Error getting %s from %s", entry.cFileName, local_path));
}

bool TSimpleFTP::PutFile(const std::string& local_path, const std::string& remote_name) {
  if (State() != TWinInetState::Connected || !connection_) return Fail("Not connected!");
  std::uintmax_t size = 0;
  if (!LocalFileExists(local_path, &size)) {
    return Fail(
        FormatText("Error putting %s to %s: local file not found", local_path, remote_name));
  }
  progress_.bytes_done = 0;
  progress_.bytes_moved = 0;
  progress_.file_size = static_cast<std::int32_t>(size);
  progress_.file_name = FileNameOf(local_path);
  if (connection_->PutFile(local_path, remote_name, WinInetTransferType())) return true;
  return Fail(FormatText("Error putting %s to %s", local_path, remote_name));
}

void TSimpleFTP::StatusNotification(unsigned long code, unsigned long information) {
  TWinInetControl::StatusNotification(code, information);
  if (code == wininet::INTERNET_STATUS_REQUEST_SENT ||
      code == wininet::INTERNET_STATUS_RESPONSE_RECEIVED) {
    AddTransferredBytes(progress_, information);
    if (!progress_.file_name.empty() && OnTransferProgress) OnTransferProgress(*this, progress_);
    if (QuickProgress) UpdateProgress();
  }
  pump_.ProcessMessages();
}

void TSimpleFTP::UpdateProgress() {
  if (QuickProgressMajor) QuickProgressMajor(progress_.file_index, progress_.file_count);
  if (QuickProgressMinor) QuickProgressMinor(MinorProgressPercent(progress_), 100);
  if (QuickLabelMajor && progress_.file_count > 0) {
    QuickLabelMajor(std::to_string(progress_.file_index) + " of " +
                    std::to_string(progress_.file_count));
  }
  if (QuickLabelMinor && !progress_.file_name.empty()) QuickLabelMinor(progress_.file_name);
}

}  // namespace skarvel
