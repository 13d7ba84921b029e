#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/event_pump.h"
#include "platform/wininet.h"
#include "service/win_inet_control.h"

namespace skarvel {

enum class TFTPTransferType { ttBinary, ttAscii, ttUnknown };
enum class TFTPFileSystemType { ftUnix, ftUnknown };

struct TFTPProgressInfo {
  std::int32_t bytes_done = 0;
  std::int32_t file_size = 0;
  std::int32_t file_index = 0;
  std::int32_t file_count = 0;
  std::string file_name;
  // The bytes of the current file that moved so far, counted wide and whatever the size known:
  // bytes_done stops at file_size, which is 0 while the size is unknown.
  std::uint64_t bytes_moved = 0;
};

class ESimpleFTPError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The FTP client: connect, change folder, list, get and put, with progress on the attached
// controls. Every status notification, and every wait on the server (at least every 100 ms),
// pumps the window's messages, so the window stays alive however long the server takes.
class TSimpleFTP : public TWinInetControl {
 public:
  TSimpleFTP(EventPump& pump, std::string agent);
  ~TSimpleFTP() override;

  using Listing = std::vector<std::pair<std::string, wininet::FindData>>;

  bool FailIfExistsOnGet = false;
  std::function<void(int position, int maximum)> QuickProgressMajor;
  std::function<void(const std::string& text)> QuickLabelMajor;
  std::function<void(const std::string& text)> QuickLabelMinor;
  std::function<void(TSimpleFTP& sender, std::string& user, std::string& password)> OnLogin;
  std::function<void(TSimpleFTP& sender)> OnDirectoryChange;
  std::function<void(TSimpleFTP& sender, const wininet::FindData& entry)> OnFindItem;
  std::function<void(TSimpleFTP& sender, const TFTPProgressInfo& progress)> OnTransferProgress;
  // Told at each wait on the server, after the window's messages, how long the server has sent
  // nothing; false gives the operation up (it fails with ERROR_INTERNET_OPERATION_CANCELLED).
  std::function<bool(std::chrono::milliseconds silent)> OnWaiting;

  void SetTransferType(TFTPTransferType type) { transfer_type_ = type; }
  TFTPTransferType TransferType() const { return transfer_type_; }
  void SetPassive(bool passive);
  bool Passive() const { return (connect_flags_ & kPassiveFlag) != 0; }
  // Explicit TLS for the whole session (AUTH TLS, protected data connections), the server's
  // certificate verified against CaFile or the system's store; a server without it fails the
  // connect. Inside TLS the data connections are passive where this system's transfer library
  // cannot protect active ones.
  void SetSecure(bool secure);
  bool Secure() const { return (connect_flags_ & kSecureFlag) != 0; }
  // The certificate the server presented at the last connect; none over a plain connection.
  const std::optional<CertificateInfo>& ServerCertificate() const { return certificate_; }
  // Refused while connected (raises unless SilentExceptions is on).
  void SetFileSystemType(TFTPFileSystemType type);
  TFTPFileSystemType FileSystemType() const { return file_system_type_; }

  bool Connect() override;
  bool Disconnect() override;
  // Before connecting, remembers the folder for the connect.
  bool ChangeDir(const std::string& folder);
  std::string CurrentDir();
  // The size of remote in the current folder as the server's SIZE gives it (for a link, its
  // file's); none when the server gives none.
  std::optional<std::uint64_t> RemoteFileSize(const std::string& remote);
  // The folder set last, as given.
  const std::string& RemoteDir() const { return remote_dir_; }
  bool GetFile(const std::string& remote_name, const std::string& local_path);
  // The same, for an entry of the listing just made: its size is known, so the remote name is not
  // looked up again (a listing of the whole folder per file would make a folder of n files cost
  // n listings).
  bool GetFile(const wininet::FindData& entry, const std::string& local_path);
  bool PutFile(const std::string& local_path, const std::string& remote_name);
  // Fills the listing with the entries matching the mask; returns their number. 0 with
  // LastError() ERROR_NO_MORE_FILES when nothing matched; 0 with any other code when the folder
  // could not be listed, which is not an empty folder.
  int ListFiles(const std::string& mask, bool with_folder);
  const Listing& Files() const { return listing_; }
  void ClearListing() { listing_.clear(); }
  const std::string& Greeting() const { return greeting_; }
  const TFTPProgressInfo& Progress() const { return progress_; }
  void UpdateProgress();

 protected:
  void StatusNotification(unsigned long code, unsigned long information) override;

 private:
  static constexpr unsigned long kPassiveFlag = 0x08000000;  // INTERNET_FLAG_PASSIVE
  static constexpr unsigned long kSecureFlag = 0x00800000;   // INTERNET_FLAG_SECURE

  bool Fail(const std::string& message);
  bool Get(const wininet::FindData& entry, const std::string& local_path);
  std::string FolderForListing(std::string folder) const;
  wininet::TransferType WinInetTransferType() const;

  EventPump& pump_;
  std::unique_ptr<wininet::FtpConnection> connection_;
  TFTPTransferType transfer_type_ = TFTPTransferType::ttBinary;
  TFTPFileSystemType file_system_type_ = TFTPFileSystemType::ftUnix;
  std::string remote_dir_;
  std::string greeting_;
  std::optional<CertificateInfo> certificate_;
  Listing listing_;
  TFTPProgressInfo progress_;
};

// The listing ListFiles makes of a find: each entry under its name, with folder before it when
// with_folder, in the server's order.
TSimpleFTP::Listing CollectListing(const wininet::FindData& first, wininet::FindHandle& rest,
                                   const std::string& folder, bool with_folder);

// Adds a transfer notification's byte count to the current file's progress: never past the file's
// size, and a count of 0 (the transfer's end) completes it.
void AddTransferredBytes(TFTPProgressInfo& progress, unsigned long bytes);

// The per-file bar's position for the progress: 0 … 100, 0 while the size is unknown.
int MinorProgressPercent(const TFTPProgressInfo& progress);

}  // namespace skarvel
