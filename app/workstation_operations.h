#pragma once

#include "app/install_operations.h"
#include "database/data_module.h"
#include "database/server_installation.h"
#include "platform/administrator.h"
#include "platform/child_programs.h"
#include "platform/deployment_settings.h"
#include "platform/launchers.h"
#include "platform/notifier.h"
#include "platform/printers.h"
#include "platform/process_table.h"
#include "platform/run_log.h"
#include "platform/service_manager.h"
#include "service/downloads.h"
#include "service/service_operations.h"
#include "workstation/process_control.h"

namespace skarvel {

// The installation operations on this workstation. Download and copy progress goes to the
// view's bars; what happened goes to the log.
class WorkstationOperations final : public InstallOperations {
 public:
  // settings: the database server's folder and the root of the system's service units.
  WorkstationOperations(ServiceContext& service, RunLog& log, Notifier& notifier, EventPump& pump,
                        WizardView& view, const DeploymentSettings& settings);

  bool FetchFile(const std::string& remote_folder, const std::string& local_folder,
                 const TfTP& account, const std::string& file_name, ProgressBar bar) override;
  bool DownloadFolder(const std::string& remote_folder, const std::string& local_folder,
                      const TfTP& account, ProgressBar bar) override;
  std::string TranslateServerAlias(const std::string& location,
                                   const std::string& work_folder) override;
  bool GenerateTemplates(const cust_post& record, const std::string& work_folder,
                         const TfTP& account) override;
  bool KillProcess(const std::string& name) override;
  bool UnzipPackage(const std::string& archive, const std::string& work_folder,
                    const std::string& destination) override;
  void RegisterComponent(const std::string& parameters) override;
  bool PrepareFolder(const std::string& folder, bool delete_first) override;
  bool MayEmptyTillFolder(const std::string& till_folder,
                          const std::string& package_folder) override;
  bool RemoveVirtualizedSettings() override;
  bool CopyFolderFiles(const std::string& source, const std::string& destination) override;
  bool FolderExists(const std::string& folder) override;
  bool FileExists(const std::string& file) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
  bool CopyFile(const std::string& from, const std::string& to) override;
  bool AddTextPrinter(const std::string& name, const std::string& port, const std::string& driver,
                      const std::string& comment) override;
  bool InstallFirebird(const std::string& version, const std::string& package_folder) override;
  bool WriteDefaultTillSettings(const std::string& till_folder) override;
  bool WriteCustomerTillSettings(const std::string& till_folder, const cust_post& record) override;
  bool ConnectDatabases() override;
  void DisconnectDatabases() override;
  bool RegisterTill(int till_number, const std::string& key) override;
  bool CopyReferenceData(int till_number) override;
  bool SyncClosingNumber(int till_number) override;
  bool CreateShortcuts(const std::string& target, const std::string& name) override;
  bool EndAwaitsAcknowledgement(const std::string& work_folder, const std::string& key) override;
  void NoteEndAwaitsAcknowledgement(const std::string& work_folder, const std::string& key,
                                    bool awaits) override;
  void KeepWarnings(const std::string& key, const std::vector<std::string>& warnings) override;
  std::vector<std::string> KeptWarnings(const std::string& key) override;
  OperationFailure TakeFailure() override;
  void RememberFailure(const std::string& key, int status,
                       const OperationFailure& failure) override;
  OperationFailure RecallFailure(const std::string& key, int status) override;

  // Moves the tree to the trash, or deletes it where the trash cannot take it. Refuses the root,
  // a top-level folder, the home folder and those holding it, however they are spelled. A
  // failure sets why, when given, to its cause.
  bool DeleteFolderTree(const std::string& folder, std::string* why = nullptr);

  // The folder PrepareFolder makes this user's alone (the work folder); refused, it is neither
  // emptied nor made, and the step fails.
  void SetPrivateFolder(std::string folder) { private_folder_ = std::move(folder); }

  // Told while the download server is silent, and asked whether the person gave the wait up.
  void SetSilenceWatch(SilentPeerWatch* watch) { downloads_.silence = watch; }

 private:
  ProgressBarSink Bar(ProgressBar bar);
  bool PrivateFolderUsable(const std::string& folder);
  // Whether the folder is missing where this user may not make it (an administrator may).
  bool NeedsAdministratorToMake(const std::string& folder) const;
  // Makes such a folder through the administrator's part.
  bool MakeFolderAsAdministrator(const std::string& folder);
  // Lets a database server of this computer use the till database; why it cannot, when not.
  std::string PrepareTillDatabase(const std::string& database_text);
  // Why a connection did not open, in words for the person.
  std::string WhyNotOpen(const std::string& name, const db::Connection& connection) const;

  ServiceContext& service_;
  RunLog& log_;
  // The message boxes, remembered: the last one shown says why a database step failed.
  class RememberingNotifier final : public Notifier {
   public:
    explicit RememberingNotifier(Notifier& shown) : shown_(shown) {}
    void ShowMessage(const std::string& text) override {
      last = text;
      shown_.ShowMessage(text);
    }
    std::string last;

   private:
    Notifier& shown_;
  };

  // Keeps the first cause of a failure until TakeFailure; every one goes to the log.
  void Failed(const std::string& cause, const std::string& details = "");

  RememberingNotifier notifier_;
  WorkProgress unpacking_;  // how far the unpack in progress is
  OperationFailure failure_;
  WizardView& view_;
  EventPump& pump_;
  DownloadContext downloads_;
  LinuxChildPrograms programs_;
  ProcFsProcessTable processes_;
  CupsPrinters printers_;
  XdgLaunchers launchers_;
  ProcessControl control_;
  db::TDmskarvel Dmskarvel;
  SystemdServiceManager services_;
  db::ServerInstallation server_;
  std::string server_display_name_;
  PkexecAdministrator administrator_;
  std::string private_folder_;
};

}  // namespace skarvel
