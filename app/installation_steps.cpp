// The twelve steps of the installation, one function each, as the driver's loop runs them.

#include <exception>
#include <functional>

#include "app/installation_driver.h"
#include "app/work_folder_packages.h"
#include "platform/ansi_text.h"
#include "platform/folder_path.h"
#include "platform/translation.h"

namespace skarvel {
namespace {

struct ServerPackage {
  const char* version;
  const char* archive;
  const char* folder;
};

const ServerPackage kServerPackages[] = {
    {"1.0", "Firebird.zip", "firebird"},
    {"1.5", "Firebird15.zip", "firebird15"},
    {"2.5", "Firebird25.zip", "firebird25"},
};

}  // namespace

void InstallationDriver::RestartWindows() {
  Describe(10);
  // The design leaves it to the deployment to start the wizard again after the restart; here
  // the wizard arranges it itself, with the code, so the run resumes at once. Without the entry
  // nothing would resume after the restart: the step fails before the service hears of it.
  std::vector<std::string> command = resume_command_;
  command.push_back(state_.CustPost().CustomerCode);
  if (const std::string why = autostart_.WriteEntry(kRunEntryName, command); !why.empty()) {
    cause_ = {Fill(Tr("Steps",
                      "the entry that resumes the installation after the restart could not be "
                      "written: %1"),
                   {why}),
              ""};
    return Fail(18);
  }
  // After a restart the service would still hold step 1, and the machine would restart again at
  // every log-on: without the acknowledgement there is no restart, only the error window.
  if (!Report(19)) {
    autostart_.RemoveEntry(kRunEntryName);
    stop_ = true;
    return;
  }
  stop_ = true;
  RestartCountdown countdown(reboot_);
  view_.ShowRestartWindow(RestartWindowFor(state_.PosMessages()), countdown);
  restart_refused_ = !countdown.Refusal().empty() && !countdown.Restarting();
}

void InstallationDriver::PrepareWorkFolder() {
  view_.SetMemInfo("GetLumtrak");
  operations_.RemoveVirtualizedSettings();
  Describe(20);
  // An installation from the start: what an earlier one could not do is no longer so.
  warnings_.clear();
  operations_.KeepWarnings(state_.CustPost().CP_PKEY, warnings_);
  if (!operations_.PrepareFolder(state_.WorkFolder, true)) return Fail(28);
  if (Report(29)) return SetStatus(30);
  Fail(28);
}

void InstallationDriver::DownloadPackages() {
  Describe(30);
  const cust_post& record = state_.CustPost();
  const std::string& work = state_.WorkFolder;
  const TfTP& account = state_.FtpAccount;
  const std::function<bool()> downloads[] = {
      [&] { return operations_.DownloadFolder("zip", work, account, ProgressBar::pb10); },
      [&] { return operations_.DownloadFolder(record.pv_path, work, account, ProgressBar::pb10); },
      [&] {
        return operations_.FetchFile(record.pt_path, work, account, record.pt_filename,
                                     ProgressBar::pb10);
      },
      [&] { return operations_.DownloadFolder("firebird", work, account, ProgressBar::pb10); },
  };
  bool any_failed = false;
  bool last_arrived = true;
  for (std::size_t i = 0; i < std::size(downloads); ++i) {
    // Each download is reported as soon as it ends, so a run killed after it does not fetch it
    // again.
    last_arrived = downloads[i]();
    if (last_arrived) {
      if (Report(39)) {
        SetStatus(40);
      } else {
        Fail(38);
      }
      continue;
    }
    // Cancelled while the server was silent: the step is left unreported, and the next start
    // fetches its packages again instead of stopping at a failure the server never had.
    if (state_.AbortRequested) return;
    any_failed = true;
    Report(38);
    stop_ = true;
    if (i + 1 == std::size(downloads)) SetStatus(38);
  }
  // A later download that arrived left 39 at the service after an earlier one failed; the next
  // run would then unpack packages that never came. The service must hold the failure.
  if (any_failed && last_arrived) Fail(38);
}

void InstallationDriver::UnpackTillPackage() {
  Describe(40);
  if (!UnpackTillPrograms()) return Fail(48);
  AdvanceOnAcknowledgement(Report(49), 50);
}

bool InstallationDriver::UnpackTillPrograms() {
  const cust_post& record = state_.CustPost();
  const std::string& work = state_.WorkFolder;
  return ArchiveInWorkFolder(operations_, view_, state_, record.pv_path, record.pv_filename) &&
         operations_.UnzipPackage(record.pv_filename, work, work);
}

bool InstallationDriver::CopyIfThere(const std::string& from, const std::string& to) {
  return !operations_.FileExists(from) || operations_.CopyFile(from, to);
}

void InstallationDriver::InstallTillPrograms() {
  Describe(50);
  const std::string till = TillFolder();
  const std::string& work = state_.WorkFolder;
  const std::string programs = work + "lumtrak";
  // A work folder emptied since step 4 gets the till programs again, as step 4 unpacked them.
  if (!operations_.FolderExists(programs) && !UnpackTillPrograms()) return Fail(58);
  if (!operations_.FolderExists(programs)) {
    cause_ = {Fill(Tr("Steps",
                      "the till package %1 holds no folder lumtrak with the till programs: ask "
                      "the helpdesk to check the package on the download server"),
                   {state_.CustPost().pv_filename}),
              ""};
    return Fail(58);
  }
  // The record names the folder that is emptied: never one that is no till's.
  if (!operations_.MayEmptyTillFolder(till, programs)) return Fail(58);
  if (!operations_.PrepareFolder(till, true)) return Fail(58);
  // A library the emptying left behind is set aside under another name, not copied over.
  if (operations_.FileExists(till + "midas.dll") &&
      !operations_.RenameFile(till + "midas.dll", till + "midas_old.dll")) {
    return Fail(58);
  }
  const cust_post& record = state_.CustPost();
  // Every file the till needs is in place before the step says so; the printer's library with
  // them, so that a full disk fails the step rather than the printer.
  if (!CopyIfThere(work + "midas.dll", till + "midas.dll") ||
      !operations_.CopyFolderFiles(programs, till) ||
      (!record.CP_GENTEXT.empty() && !CopyIfThere(work + "dvcaisse.dll", till + "dvcaisse.dll"))) {
    return Fail(58);
  }
  AdvanceOnAcknowledgement(Report(59), 60);
  AddReceiptPrinter();
}

void InstallationDriver::AddReceiptPrinter() {
  const cust_post& record = state_.CustPost();
  if (record.CP_GENTEXT.empty()) return;
  operations_.TakeFailure();
  bool added = false;
  try {
    added = operations_.AddTextPrinter(record.CP_GENTEXT, record.ppo_port, "Generic / Text Only",
                                       "ZV:" + record.CP_GENTEXT + "_" + record.ppo_port);
  } catch (const std::exception&) {
  }
  // A printer that cannot be added does not stop the till from selling; the end of this run, or
  // of the run that goes on after an interruption, says so.
  warnings_.clear();
  if (!added) {
    warnings_.push_back(PrinterNotAdded(record.CP_GENTEXT, operations_.TakeFailure().cause));
  }
  operations_.KeepWarnings(record.CP_PKEY, warnings_);
}

InstallationDriver::PassEnd InstallationDriver::InstallDatabaseServer() {
  Describe(60);
  const cust_post& record = state_.CustPost();
  if (Trim(record.CP_INST_FB) != "1") {
    AdvanceOnAcknowledgement(Report(69), 70);
    return PassEnd::kContinue;
  }
  const std::string version = Trim(record.CP_VERS_FB);
  const ServerPackage* package = nullptr;
  for (const ServerPackage& candidate : kServerPackages) {
    if (version == candidate.version) package = &candidate;
  }
  // A version no package exists for would run this step again in every pass.
  if (package == nullptr) {
    cause_ = {Fill(Tr("Steps",
                      "the customer's record asks for a database server of version %1, for which "
                      "there is no package: ask the helpdesk to correct the record"),
                   {version}),
              ""};
    Fail(68);
    return PassEnd::kContinue;
  }
  const std::string& work = state_.WorkFolder;
  if (ArchiveInWorkFolder(operations_, view_, state_, "firebird", package->archive) &&
      operations_.UnzipPackage(package->archive, work, work)) {
    AdvanceOnAcknowledgement(Report(69), 70);
  } else {
    Fail(68);
  }
  if (!operations_.InstallFirebird(package->version, work + package->folder)) {
    Report(68);
    SetStatus(68);
    // The run leaves at once, but not without a word: the person learns why (no package, or no
    // administrator's consent) in the error window.
    stop_ = true;
    return PassEnd::kLeaveAtOnce;
  }
  AdvanceOnAcknowledgement(Report(69), 70);
  return PassEnd::kContinue;
}

void InstallationDriver::UnpackTemplates() {
  Describe(70);
  const cust_post& record = state_.CustPost();
  const bool unpacked =
      ArchiveInWorkFolder(operations_, view_, state_, record.pt_path, record.pt_filename) &&
      operations_.UnzipPackage(record.pt_filename, state_.WorkFolder, TillFolder());
  // The pictures go into the till folder in every case; the step is done when both are.
  const bool copied = operations_.CopyFolderFiles(record.PPA_POSPATH + "bmp/", record.PPA_POSPATH);
  if (unpacked && copied) {
    AdvanceOnAcknowledgement(Report(79), 80);
  } else {
    Fail(78);
  }
}

void InstallationDriver::WriteTillSettings() {
  Describe(80);
  const std::string till = state_.CustPost().PPA_POSPATH;
  if (!operations_.WriteDefaultTillSettings(till)) {
    SetStatus(88);
    Report(88);
    stop_ = true;
    return;
  }
  if (!operations_.WriteCustomerTillSettings(till, state_.CustPost())) return Fail(88);
  AdvanceOnAcknowledgement(Report(89), 90);
}

void InstallationDriver::FillTillDatabase() {
  Describe(90);
  const cust_post& record = state_.CustPost();
  // A till number that is not a whole number fails the database steps.
  const std::optional<int> till = WholeNumber(record.cp_pos_nr);
  if (!operations_.ConnectDatabases()) return ReportDatabaseFailure("error_connect");
  // Each failure is reported while the databases are still connected, then they close.
  if (!till || !operations_.RegisterTill(*till, record.CP_PKEY)) {
    ReportDatabaseFailure("error_SavePost");
  } else if (!operations_.CopyReferenceData(*till)) {
    ReportDatabaseFailure("error_filldatabase");
  } else {
    AdvanceOnAcknowledgement(Report(99), 100);
  }
  operations_.DisconnectDatabases();
}

void InstallationDriver::ReportDatabaseFailure(const char* info) {
  // A failure report that is not acknowledged leaves the status, so the step runs again.
  if (!Report(98, info)) return;
  SetStatus(98);
  stop_ = true;
}

void InstallationDriver::StoreClosingNumber() {
  Describe(100);
  const std::optional<int> till = WholeNumber(state_.CustPost().cp_pos_nr);
  if (!till || !operations_.SyncClosingNumber(*till)) return Fail(108);
  SetStatus(Report(109) ? 110 : 108);
}

void InstallationDriver::CreateShortcuts() {
  Describe(110);
  if (!operations_.CreateShortcuts(TillFolder() + "lumcaisse.exe", "Lumtrak")) return Fail(118);
  AdvanceOnAcknowledgement(Report(119), 120);
}

void InstallationDriver::Finish() {
  Describe(120);
  const std::string& key = state_.CustPost().CP_PKEY;
  const bool acknowledged = Report(120);
  operations_.NoteEndAwaitsAcknowledgement(state_.WorkFolder, key, !acknowledged);
  if (acknowledged) {
    SetStatus(120);
  } else {
    Report(118);
    SetStatus(118);
  }
  operations_.RegisterComponent(state_.CustPost().PPA_POSPATH + "midas.dll /SILENT");
  done_ = true;
}

}  // namespace skarvel
