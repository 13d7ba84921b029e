#include "app/workstation_operations.h"

#include <algorithm>
#include <chrono>
#include <sstream>
#include <thread>

#include <QThread>

#include "app/admin_operations.h"
#include "app/preflight.h"
#include "platform/ansi_text.h"
#include "platform/file_system.h"
#include "platform/folder_path.h"
#include "platform/state_folder.h"
#include "platform/translation.h"
#include "platform/windows1252.h"
#include "service/templates.h"
#include "workstation/shell_integration.h"

namespace skarvel {
namespace {

// A pause that keeps the window alive.
void PumpFor(EventPump& pump, int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < end && !pump.Terminating()) {
    pump.ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

}  // namespace

WorkstationOperations::WorkstationOperations(ServiceContext& service, RunLog& log,
                                             Notifier& notifier, EventPump& pump, WizardView& view,
                                             const DeploymentSettings& settings)
    : service_(service),
      log_(log),
      notifier_(notifier),
      view_(view),
      pump_(pump),
      downloads_{pump, [&log](const std::string& line) { log.Write(line); },
                 [this](const NetworkFailure& failure) { Failed(failure.cause, failure.details); }},
      control_(programs_, processes_, pump, [&log](const std::string& line) { log.Write(line); }),
      Dmskarvel(notifier_),
      services_(settings.systemd_root),
      server_(
          db::LinuxServerLayout(settings.firebird_root, settings.systemd_root), control_, services_,
          [] { return std::max(QThread::idealThreadCount(), 1); },
          [&pump](int milliseconds) { PumpFor(pump, milliseconds); }),
      server_display_name_(db::LinuxServerLayout().guardian_display_name),
      administrator_(AdminHelperPath(), programs_, pump,
                     [&log](const std::string& line) { log.Write(line); }) {
  downloads_.progress = [this](const DownloadProgress& download) {
    view_.ShowWorkProgress({WorkProgress::Kind::kDownload, download.folder, download.file,
                            download.done, download.total, download.ended});
  };
  control_.on_unpack_progress = [this](const std::string&, const ArchiveProgress& progress) {
    unpacking_.done = static_cast<std::uint64_t>(std::clamp(progress.percent, 0, 100));
    if (!progress.file.empty()) unpacking_.item = progress.file;
    view_.ShowWorkProgress(unpacking_);
  };
  Dmskarvel.log = [&log](const std::string& line) { log.Write(line); };
  Dmskarvel.prepare_till = [this](const std::string& database_text) {
    return PrepareTillDatabase(database_text);
  };
}

ProgressBarSink WorkstationOperations::Bar(ProgressBar bar) {
  return [this, bar](int position, int maximum) { view_.SetProgress(bar, position, maximum); };
}

bool WorkstationOperations::FetchFile(const std::string& remote_folder,
                                      const std::string& local_folder, const TfTP& account,
                                      const std::string& file_name, ProgressBar bar) {
  return skarvel::FetchFile(downloads_, remote_folder, local_folder, account, file_name, Bar(bar));
}

bool WorkstationOperations::DownloadFolder(const std::string& remote_folder,
                                           const std::string& local_folder, const TfTP& account,
                                           ProgressBar bar) {
  return skarvel::DownloadFolder(downloads_, remote_folder, local_folder, account, Bar(bar));
}

std::string WorkstationOperations::TranslateServerAlias(const std::string& location,
                                                        const std::string& work_folder) {
  return skarvel::TranslateServerAlias(location, work_folder);
}

bool WorkstationOperations::GenerateTemplates(const cust_post& record,
                                              const std::string& work_folder, const TfTP& account) {
  TemplateTools tools{
      [this](const std::string& folder) { return PrepareFolder(folder, true); },
      [this](const std::string& archive, const std::string& folder, const std::string& file_list) {
        return control_.ZipFiles(archive, folder, file_list, folder);
      }};
  const bool generated = skarvel::GenerateTemplates(service_, downloads_, tools, record,
                                                    work_folder, account, Bar(ProgressBar::pb10));
  if (!generated) log_.Write("the receipt templates could not be generated");
  return generated;
}

bool WorkstationOperations::KillProcess(const std::string& name) {
  control_.EnableDebugPrivilege();
  return control_.KillProcess(name);
}

bool WorkstationOperations::UnzipPackage(const std::string& archive, const std::string& work_folder,
                                         const std::string& destination) {
  unpacking_ = {WorkProgress::Kind::kUnpack, archive, "", 0, 100, false};
  view_.ShowWorkProgress(unpacking_);
  const bool unpacked = control_.UnzipPackage(archive, work_folder, destination);
  if (unpacked) unpacking_.done = 100;
  unpacking_.ended = true;
  view_.ShowWorkProgress(unpacking_);
  if (!unpacked) Failed(control_.LastFailure());
  return unpacked;
}

void WorkstationOperations::Failed(const std::string& cause, const std::string& details) {
  if (cause.empty()) return;
  // A warning: the step decides whether it stops the run, and its error then says so.
  log_.Write(RunLog::Level::kWarning,
             "failed: " + cause + (details.empty() ? "" : " [" + details + "]"));
  if (failure_.empty()) failure_ = {OneLine(cause), OneLine(details)};
}

OperationFailure WorkstationOperations::TakeFailure() { return std::exchange(failure_, {}); }

namespace {

// Where the cause of a failure status stays for a later run: in the programs' state folder, not
// in the work folder, which a failed step 2 cannot be trusted to hold.
std::string FailureNote(const std::string& key) { return ProgramStateFolder() + "failure-" + key; }

// Beside it, and for the same reason.
std::string WarningsNote(const std::string& key) {
  return ProgramStateFolder() + "warnings-" + key;
}

std::string EndNote(const std::string& work_folder, const std::string& key) {
  return WithTrailingSeparator(work_folder) + "end-not-acknowledged-" + key;
}

}  // namespace

bool WorkstationOperations::EndAwaitsAcknowledgement(const std::string& work_folder,
                                                     const std::string& key) {
  return skarvel::FileExists(EndNote(work_folder, key));
}

void WorkstationOperations::RememberFailure(const std::string& key, int status,
                                            const OperationFailure& failure) {
  std::string why;
  // Status, cause and details, a line each, as the log has them: UTF-8.
  const std::string note = std::to_string(status) + "\n" + Utf8FromAnsi(OneLine(failure.cause)) +
                           "\n" + Utf8FromAnsi(OneLine(failure.details)) + "\n";
  if (!WriteTextFile(FailureNote(key), note, &why)) log_.Write(why);
}

void WorkstationOperations::KeepWarnings(const std::string& key,
                                         const std::vector<std::string>& warnings) {
  if (warnings.empty()) {
    skarvel::DeleteFile(WarningsNote(key));
    return;
  }
  std::string note;
  for (const std::string& warning : warnings) note += Utf8FromAnsi(OneLine(warning)) + "\n";
  std::string why;
  if (!WriteTextFile(WarningsNote(key), note, &why)) {
    log_.Write(why + "; a later run cannot name at its end what this one could not do");
  }
}

std::vector<std::string> WorkstationOperations::KeptWarnings(const std::string& key) {
  std::vector<std::string> warnings;
  std::istringstream lines(ReadFileText(WarningsNote(key)).value_or(""));
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty()) warnings.push_back(AnsiFromUtf8(line));
  }
  return warnings;
}

OperationFailure WorkstationOperations::RecallFailure(const std::string& key, int status) {
  const std::optional<std::string> note = ReadFileText(FailureNote(key));
  if (!note) return {};
  std::istringstream lines(*note);
  std::string kept_status, cause, details;
  std::getline(lines, kept_status);
  std::getline(lines, cause);
  std::getline(lines, details);
  if (StrToIntDef(kept_status, -1) != status) return {};
  return {AnsiFromUtf8(cause), AnsiFromUtf8(details)};
}

void WorkstationOperations::NoteEndAwaitsAcknowledgement(const std::string& work_folder,
                                                         const std::string& key, bool awaits) {
  const std::string note = EndNote(work_folder, key);
  std::string why;
  if (!awaits) {
    skarvel::DeleteFile(note);
  } else if (!WriteTextFile(note, key + "\n", &why)) {
    log_.Write(why + "; the next run cannot tell that only the end's report is missing");
  }
}

void WorkstationOperations::RegisterComponent(const std::string& parameters) {
  log_.Write("component registration (" + parameters +
             "): Linux has no component registry; "
             "nothing needs registering");
}

// The design's driver "Generic / Text Only" is a raw queue here.
bool WorkstationOperations::AddTextPrinter(const std::string& name, const std::string& port,
                                           const std::string&, const std::string& comment) {
  const std::string queue = PrinterQueueName(name);
  if (queue != name) {
    log_.Write("the printer name \"" + name + "\" cannot name a queue; the queue is \"" + queue +
               "\", as the settings file says");
  }
  bool added = printers_.AddTextPrinter(queue, port, comment);
  std::string why = printers_.LastError().empty() ? Tr("Steps", "the printing system refused it")
                                                  : printers_.LastError();
  // This user may not add printers: an administrator may.
  if (!added && printers_.NotAllowed() && !RunningAsAdministrator()) {
    const AdminOutcome outcome =
        administrator_.Run("add-printer", {queue, port, comment},
                           Fill(Tr("Steps", "adding the receipt printer %1"), {queue}));
    added = outcome.done;
    why = outcome.problem;
  }
  if (added) {
    log_.Write("added the printer " + queue + " on " + port);
  } else {
    log_.Write("could not add the printer " + queue + ": " + why);
    Failed(why);
  }
  return added;
}

bool WorkstationOperations::InstallFirebird(const std::string& version,
                                            const std::string& package_folder) {
  if (!RunningAsAdministrator()) {
    const AdminOutcome outcome =
        administrator_.Run("setup-database-server", {private_folder_, version, package_folder},
                           Fill(Tr("Steps", "installing the database server %1"), {version}));
    if (!outcome.done) Failed(outcome.problem);
    return outcome.done;
  }
  const bool installed = db::InstallFirebirdVersion(server_, version, package_folder);
  if (!installed) {
    Failed(server_.LastFailure().empty()
               ? Fill(Tr("Steps", "the database server %1 was not installed: no package in %2"),
                      {version, package_folder})
               : Fill(Tr("Steps", "the database server %1 was not installed: %2"),
                      {version, server_.LastFailure()}));
  }
  return installed;
}

bool WorkstationOperations::CreateShortcuts(const std::string& target, const std::string& name) {
  std::string why;
  if (skarvel::CreateShortcuts(
          launchers_, target, name, [this](const std::string& line) { log_.Write(line); }, &why)) {
    return true;
  }
  Failed(why);
  return false;
}

}  // namespace skarvel
