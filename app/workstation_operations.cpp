#include "app/workstation_operations.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <thread>

#include <QThread>

#include "app/admin_operations.h"
#include "app/server_access.h"
#include "database/reference_copy.h"
#include "database/registration.h"
#include "database/server_location.h"
#include "platform/ansi_text.h"
#include "platform/file_access.h"
#include "platform/file_system.h"
#include "platform/folder_path.h"
#include "platform/private_folder.h"
#include "platform/profile_file.h"
#include "platform/system_account.h"
#include "platform/trash.h"
#include "service/templates.h"
#include "workstation/find_file.h"
#include "workstation/folder_guard.h"
#include "workstation/shell_integration.h"
#include "workstation/till_settings.h"

namespace skarvel {
namespace {

std::string WithoutTrailingSeparator(std::string folder) {
  while (folder.size() > 1 && folder.back() == kFolderSeparator) folder.pop_back();
  return folder;
}

// A search of a large home folder takes a while: the window is kept alive at each folder.
std::vector<std::string> FindSettingsFiles(const std::string& root, EventPump& pump) {
  TFindFile finder;
  finder.Recurse = true;
  finder.Directory = root;
  finder.Filter = "lumtrak.pos";
  finder.OnNewPath = [&pump](TFindFile&, const std::string&, bool&) { pump.ProcessMessages(); };
  finder.Execute();
  return finder.Files;
}

// Deletes the file, then lets the window handle what came meanwhile.
void DeleteVirtualized(const std::string& path, EventPump& pump) {
  DeleteFile(path);
  pump.ProcessMessages();
}

bool IsVirtualized(const std::string& path) {
  return UpperCase(path).find("VIRT") != std::string::npos;
}

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
                 [this](const std::string& cause) { Failed(cause); }},
      control_(programs_, processes_, pump, [&log](const std::string& line) { log.Write(line); }),
      Dmskarvel(notifier_),
      services_(settings.systemd_root),
      server_(
          db::LinuxServerLayout(settings.firebird_root), control_, services_,
          [] { return std::max(QThread::idealThreadCount(), 1); },
          [&pump](int milliseconds) { PumpFor(pump, milliseconds); }),
      server_display_name_(db::LinuxServerLayout().guardian_display_name),
      administrator_(AdminHelperPath(), programs_, pump,
                     [&log](const std::string& line) { log.Write(line); }) {
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
  const bool unpacked = control_.UnzipPackage(archive, work_folder, destination);
  if (!unpacked) Failed(control_.LastFailure());
  return unpacked;
}

void WorkstationOperations::Failed(const std::string& cause) {
  if (cause.empty()) return;
  log_.Write("failed: " + cause);
  if (failure_.empty()) failure_ = cause;
}

std::string WorkstationOperations::TakeFailure() { return std::exchange(failure_, ""); }

namespace {

std::string EndNote(const std::string& work_folder, const std::string& key) {
  return WithTrailingSeparator(work_folder) + "end-not-acknowledged-" + key;
}

}  // namespace

bool WorkstationOperations::EndAwaitsAcknowledgement(const std::string& work_folder,
                                                     const std::string& key) {
  return skarvel::FileExists(EndNote(work_folder, key));
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

bool WorkstationOperations::DeleteFolderTree(const std::string& folder, std::string* why) {
  const std::string target = WithoutTrailingSeparator(folder);
  if (const std::string never = WhyNeverDelete(target, HomeFolder()); !never.empty()) {
    log_.Write("refused to delete the folder \"" + folder + "\": " + never);
    if (why != nullptr) *why = "the folder " + folder + " is never deleted: " + never;
    return false;
  }
  if (!skarvel::FolderExists(target)) return false;
  if (MoveToTrash(target)) return true;
  log_.Write("the trash did not take " + target + "; deleting it");
  return DeleteTree(target, why);
}

bool WorkstationOperations::PrepareFolder(const std::string& folder, bool delete_first) {
  try {
    const std::string with = WithTrailingSeparator(folder);
    const std::string without = WithoutTrailingSeparator(folder);
    const bool private_folder = !private_folder_.empty() && with == private_folder_;
    // Another user's folder is neither emptied nor used.
    if (private_folder && !PrivateFolderUsable(with)) return false;
    std::string why;
    if (delete_first) {
      RemoveEmptyFolder(without);
      DeleteFolderTree(without, &why);
      // Old files left where new ones go would be taken for the new ones.
      if (skarvel::FolderExists(without) && !ListFolder(without).empty()) {
        Failed(why.empty() ? "could not empty the folder " + with : why);
        return false;
      }
    }
    if (private_folder) return PrivateFolderUsable(with);
    if (CreateFolders(with, &why)) return true;
    // Where this user may not write, an administrator may make it.
    if (NeedsAdministratorToMake(with)) return MakeFolderAsAdministrator(with);
    Failed(why);
    return false;
  } catch (const std::exception& error) {
    Failed(std::string("could not prepare the folder ") + folder + ": " + error.what());
    return false;
  }
}

bool WorkstationOperations::NeedsAdministratorToMake(const std::string& folder) const {
  if (RunningAsAdministrator()) return false;
  std::string above = WithoutTrailingSeparator(folder);
  while (!skarvel::FolderExists(above) && above.find('/') != std::string::npos && above != "/") {
    above = above.substr(0, std::max<std::size_t>(above.rfind('/'), 1));
  }
  return skarvel::FolderExists(above) && !AccountMay(CurrentAccount(), above, kWrite | kSearch);
}

bool WorkstationOperations::MakeFolderAsAdministrator(const std::string& folder) {
  const AdminOutcome outcome = administrator_.Run(
      "make-till-folder", {WithoutTrailingSeparator(folder)}, "making the till folder " + folder);
  if (!outcome.done) Failed(outcome.problem);
  if (outcome.done) log_.Write("the administrator's part made the folder " + folder);
  return outcome.done && skarvel::FolderExists(folder);
}

bool WorkstationOperations::MayEmptyTillFolder(const std::string& till_folder,
                                               const std::string& package_folder) {
  const std::string why =
      WhyNotATillFolder(till_folder, HomeFolder(), private_folder_, package_folder);
  if (why.empty()) return true;
  const std::string message = "The till folder " + till_folder + " is not emptied: " + why +
                              ". Nothing was moved or deleted; check the till folder the service "
                              "holds for this customer (PPA_POSPATH).";
  notifier_.ShowMessage(message);
  Failed("the till folder " + till_folder + " is not emptied: " + why);
  return false;
}

bool WorkstationOperations::PrivateFolderUsable(const std::string& folder) {
  const std::string why = MakePrivateFolder(folder);
  if (!why.empty()) Failed("the work folder " + folder + " cannot be used: " + why);
  return why.empty();
}

bool WorkstationOperations::RemoveVirtualizedSettings() {
  try {
    pump_.ProcessMessages();
    bool handled = false;
    std::vector<std::string> found = FindSettingsFiles(OwnProgramFolder(), pump_);
    // The design's second root, the whole system drive, is the user's home folder here.
    if (found.empty()) {
      found = FindSettingsFiles(HomeFolder(), pump_);
      handled = true;
    }
    for (const std::string& path : found) {
      if (IsVirtualized(path)) {
        DeleteVirtualized(path, pump_);
        handled = true;
      }
    }
    if (!handled) {
      for (const std::string& path : FindSettingsFiles(HomeFolder(), pump_)) {
        if (IsVirtualized(path)) DeleteVirtualized(path, pump_);
      }
    }
    return true;
  } catch (const std::exception& error) {
    notifier_.ShowMessage(error.what());
    return false;
  }
}

bool WorkstationOperations::CopyFolderFiles(const std::string& source,
                                            const std::string& destination) {
  const std::string from = WithTrailingSeparator(Trim(source));
  // Nothing to copy is no failure: a till package without pictures has no "bmp" folder.
  if (!skarvel::FolderExists(from)) {
    log_.Write("nothing to copy: there is no folder " + from);
    return true;
  }
  std::string why;
  if (CopyFolderContents(from, Trim(destination), &why)) return true;
  Failed(why);
  return false;
}

bool WorkstationOperations::FolderExists(const std::string& folder) {
  return skarvel::FolderExists(folder);
}

bool WorkstationOperations::FileExists(const std::string& file) {
  return skarvel::FileExists(file);
}

bool WorkstationOperations::RenameFile(const std::string& from, const std::string& to) {
  return skarvel::RenameFile(from, to);
}

bool WorkstationOperations::CopyFile(const std::string& from, const std::string& to) {
  std::string why;
  if (CopyFileOver(from, to, &why)) return true;
  Failed(why);
  return false;
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
  std::string why =
      printers_.LastError().empty() ? "the printing system refused it" : printers_.LastError();
  // This user may not add printers: an administrator may.
  if (!added && printers_.NotAllowed() && !RunningAsAdministrator()) {
    const AdminOutcome outcome = administrator_.Run("add-printer", {queue, port, comment},
                                                    "adding the receipt printer " + queue);
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
                           "installing the database server " + version);
    if (!outcome.done) Failed(outcome.problem);
    return outcome.done;
  }
  const bool installed = db::InstallFirebirdVersion(server_, version, package_folder);
  if (!installed) {
    Failed("the database server " + version + " was not installed: " +
           (server_.LastFailure().empty() ? "no package in " + package_folder
                                          : server_.LastFailure()));
  }
  return installed;
}

bool WorkstationOperations::WriteDefaultTillSettings(const std::string& till_folder) {
  std::string why;
  try {
    if (skarvel::WriteDefaultTillSettings(till_folder, &why)) return true;
  } catch (const ProfileError& error) {
    why = error.what();
  }
  Failed(why);
  return false;
}

bool WorkstationOperations::WriteCustomerTillSettings(const std::string& till_folder,
                                                      const cust_post& record) {
  std::string why;
  if (skarvel::WriteCustomerTillSettings(till_folder, record, &why)) return true;
  Failed(why);
  return false;
}

bool WorkstationOperations::ConnectDatabases() {
  const bool connected = Dmskarvel.ConnectDatabases(service_.CustPost);
  if (connected) return true;
  // Why the server could not be given the till database comes first: it explains the rest.
  if (!Dmskarvel.DV_CAISSE.Open()) Failed(Dmskarvel.till_problem);
  const std::pair<const char*, const db::Connection*> connections[] = {
      {"the till database", &Dmskarvel.DV_CAISSE}, {"the central database", &Dmskarvel.DV_SERVER}};
  for (const auto& [name, connection] : connections) {
    if (connection->Open() || connection->parameters.database.empty()) continue;
    Failed(WhyNotOpen(name, *connection));
  }
  return false;
}

std::string WorkstationOperations::WhyNotOpen(const std::string& name,
                                              const db::Connection& connection) const {
  const std::string& database = connection.parameters.database;
  const db::DatabaseLocation location = db::ParseDatabaseLocation(database);
  const std::string firebird =
      connection.last_error.empty() ? "" : " (" + connection.last_error + ")";
  switch (connection.last_cause) {
    case db::FailureCause::kLoginRefused:
      return "the database server at " + location.host +
             " refuses the installation's administrator login" + firebird +
             ": an administrator sets the password of its SYSDBA to the installation's (see "
             "\"Who runs what\" in the README)";
    case db::FailureCause::kServerUnreachable:
      return "no database server answers at " + location.host + " for " + name + " " + database +
             firebird + ": it must run there before the database step";
    case db::FailureCause::kFileAccessDenied:
      return "the database server may not open " + name + " " + location.file + firebird +
             ": its account must be able to read and write the file and pass the folders above "
             "it";
    case db::FailureCause::kOther:
      break;
  }
  return "could not open " + name + " " + database + firebird;
}

std::string WorkstationOperations::PrepareTillDatabase(const std::string& database_text) {
  const LocalServer server = FindLocalServer(database_text, services_, server_display_name_);
  if (!server.local) return "";
  log_.Write("the till database is opened by the database server of this computer; " +
             server.found);
  const std::string problem = GiveServerItsFile(server);
  log_.Write(problem.empty() ? "the account " + server.account + " may use " + server.file
                             : problem);
  return problem;
}

void WorkstationOperations::DisconnectDatabases() { Dmskarvel.DisconnectDatabases(); }

bool WorkstationOperations::RegisterTill(int till_number, const std::string& key) {
  try {
    return db::RegisterTill(Dmskarvel, service_.CustPost.PPA_POSPATH, till_number, key);
  } catch (const ProfileError& error) {
    Failed(error.what());
    return false;
  }
}

namespace {

// The copy's progress on the wizard's bars and information memo.
class ViewCopyProgress final : public db::CopyProgress {
 public:
  explicit ViewCopyProgress(WizardView& view) : view_(view) {}
  void ShowOverall(bool visible) override {
    view_.SetProgressVisible(ProgressBar::pbfilldb, visible);
  }
  void SetOverall(int position) override {
    view_.SetProgress(ProgressBar::pbfilldb, position, kCopiers);
  }
  void SetTable(int position, int maximum) override {
    view_.SetProgress(ProgressBar::pb1, position, maximum);
  }
  void Label(const std::string& label, bool first) override {
    first ? view_.SetMemInfo(label) : view_.AddMemInfoLine(label);
  }

 private:
  static constexpr int kCopiers = 14;
  WizardView& view_;
};

}  // namespace

bool WorkstationOperations::CopyReferenceData(int till_number) {
  ViewCopyProgress progress(view_);
  db::CopyContext context{Dmskarvel, progress, downloads_.pump, notifier_,
                          service_.CustPost.cp_pv_code};
  notifier_.last.clear();
  const bool copied = db::CopyReferenceData(context, till_number);
  if (!copied) {
    Failed("the shop's data was not copied completely into the till" +
           (notifier_.last.empty() ? std::string() : ": " + notifier_.last));
  }
  return copied;
}

bool WorkstationOperations::SyncClosingNumber(int till_number) {
  notifier_.last.clear();
  const bool synced = db::SyncClosingNumber(Dmskarvel, service_.CustPost, till_number, notifier_);
  if (!synced) Failed("the closing number could not be settled: " + notifier_.last);
  return synced;
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
