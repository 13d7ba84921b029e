#pragma once

#include <string>
#include <vector>

#include "app/wizard_view.h"
#include "service/cust_post.h"
#include "service/ftp_account.h"

namespace skarvel {

// Why an operation failed: one sentence for the person, in plain words, which may carry the
// system's own ("No space left on device", Firebird's text); and the technical detail for the
// log and a details line (status numbers, reply and exit codes, the statement that failed).
struct OperationFailure {
  std::string cause;
  std::string details;
  bool empty() const { return cause.empty(); }
};

// Every operation the customer-code step and the installation driver call outside the flow
// itself: downloads, folders and files, unpacking, the printer, the database server, the till
// settings, the databases, the shortcuts. Paths are Windows-1252 text. Results mean what the
// driver relies on: true when the operation did its work.
class InstallOperations {
 public:
  virtual ~InstallOperations() = default;

  // Downloads.
  virtual bool FetchFile(const std::string& remote_folder, const std::string& local_folder,
                         const TfTP& account, const std::string& file_name, ProgressBar bar) = 0;
  virtual bool DownloadFolder(const std::string& remote_folder, const std::string& local_folder,
                              const TfTP& account, ProgressBar bar) = 0;
  // location with its server part replaced through the server list in work_folder.
  virtual std::string TranslateServerAlias(const std::string& location,
                                           const std::string& work_folder) = 0;
  virtual bool GenerateTemplates(const cust_post& record, const std::string& work_folder,
                                 const TfTP& account) = 0;

  // Programs on the workstation.
  virtual bool KillProcess(const std::string& name) = 0;
  virtual bool UnzipPackage(const std::string& archive, const std::string& work_folder,
                            const std::string& destination) = 0;
  // Starts the component registration and does not wait for it.
  virtual void RegisterComponent(const std::string& parameters) = 0;

  // Folders and files.
  virtual bool PrepareFolder(const std::string& folder, bool delete_first) = 0;
  // False, with a message saying why, when the record's till folder must not be emptied: a
  // system or home folder, the work folder, or a folder that holds no till installation and
  // something else than the till package's files (package_folder: the unpacked package), which
  // the message lists. Nothing is moved or deleted here.
  virtual bool MayEmptyTillFolder(const std::string& till_folder,
                                  const std::string& package_folder) = 0;
  virtual bool RemoveVirtualizedSettings() = 0;
  virtual bool CopyFolderFiles(const std::string& source, const std::string& destination) = 0;
  virtual bool FolderExists(const std::string& folder) = 0;
  virtual bool FileExists(const std::string& file) = 0;
  virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
  // Overwrites an existing destination.
  virtual bool CopyFile(const std::string& from, const std::string& to) = 0;

  // The till.
  virtual bool AddTextPrinter(const std::string& name, const std::string& port,
                              const std::string& driver, const std::string& comment) = 0;
  // version is "1.0", "1.5" or "2.5".
  virtual bool InstallFirebird(const std::string& version, const std::string& package_folder) = 0;
  // The settings file in till_folder (the record's PPA_POSPATH); false when it could not be
  // written.
  virtual bool WriteDefaultTillSettings(const std::string& till_folder) = 0;
  virtual bool WriteCustomerTillSettings(const std::string& till_folder,
                                         const cust_post& record) = 0;
  virtual bool ConnectDatabases() = 0;
  virtual void DisconnectDatabases() = 0;
  virtual bool RegisterTill(int till_number, const std::string& key) = 0;
  virtual bool CopyReferenceData(int till_number) = 0;
  virtual bool SyncClosingNumber(int till_number) = 0;
  virtual bool CreateShortcuts(const std::string& target, const std::string& name) = 0;

  // Whether this computer finished the installation of the record key whose end (status 120) the
  // service did not acknowledge, as noted in work_folder: the service then holds 118, which
  // names no step, and the next run sends the end again instead of stopping there.
  virtual bool EndAwaitsAcknowledgement(const std::string& work_folder, const std::string& key) = 0;
  virtual void NoteEndAwaitsAcknowledgement(const std::string& work_folder, const std::string& key,
                                            bool awaits) = 0;

  // What the installation of the record key could not do, a sentence each, kept for the run that
  // reaches the end: a run cut short after the printer step must still name it there.
  virtual void KeepWarnings(const std::string& key, const std::vector<std::string>& warnings) = 0;
  virtual std::vector<std::string> KeptWarnings(const std::string& key) = 0;

  // Why the first operation that failed since the last call failed; empty when none did.
  virtual OperationFailure TakeFailure() = 0;

  // The cause of the failure status a run of the installation of the record key left behind,
  // kept for a later run that finds that status: the failed run's own words, not a later
  // guess. Recall gives an empty failure when none was kept for that status.
  virtual void RememberFailure(const std::string& key, int status,
                               const OperationFailure& failure) = 0;
  virtual OperationFailure RecallFailure(const std::string& key, int status) = 0;
};

// Replaces the server part of cus_base_pos, and of CP_BASE_CENTRALE when it is not empty,
// through the server list. Any error leaves the record's locations as the service sent them.
void TranslateRecordAliases(cust_post& record, InstallOperations& operations,
                            const std::string& work_folder);

}  // namespace skarvel
