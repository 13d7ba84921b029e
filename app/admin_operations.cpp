#include "app/admin_operations.h"

#include <chrono>
#include <iostream>
#include <thread>

#include "database/server_installation.h"
#include "platform/child_programs.h"
#include "platform/file_access.h"
#include "platform/file_system.h"
#include "platform/owned_folder.h"
#include "platform/printers.h"
#include "platform/process_table.h"
#include "platform/service_manager.h"
#include "platform/translation.h"
#include "platform/windows1252.h"
#include "workstation/folder_guard.h"
#include "workstation/process_control.h"

namespace skarvel {
namespace {

constexpr const char* kServerVersions[] = {"1.0", "1.5", "2.5"};
// Trees of the system where no folder is made for a user, whoever asks.
constexpr const char* kSystemTrees[] = {
    "/bin",     "/boot",    "/dev",      "/efi",       "/etc",         "/lib",
    "/lib32",   "/lib64",   "/libx32",   "/proc",      "/root",        "/run",
    "/sbin",    "/snap",    "/sys",      "/usr",       "/var/backups", "/var/cache",
    "/var/lib", "/var/log", "/var/mail", "/var/spool", "/var/www"};
constexpr std::size_t kLongestComment = 255;

// No window waits for the helper: its pauses are plain.
class NoWindow final : public EventPump {
 public:
  void ProcessMessages() override {}
  bool Terminating() const override { return false; }
};

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

bool IsWithin(const std::string& path, const std::string& folder) {
  return path == folder || path.rfind(folder + "/", 0) == 0;
}

// What is wrong with a folder's path, for each folder the helper is given; %1 the path, %2 what
// it resolves to.
struct PlainSentences {
  const char* not_absolute;
  const char* unresolved;
};
constexpr PlainSentences kWorkFolderPath{
    SKARVEL_TEXT("Program", "the work folder \"%1\" is not absolute"),
    SKARVEL_TEXT("Program", "the work folder \"%1\" is not written as it resolves (%2)")};
constexpr PlainSentences kTillFolderPath{
    SKARVEL_TEXT("Program", "the till folder \"%1\" is not absolute"),
    SKARVEL_TEXT("Program", "the till folder \"%1\" is not written as it resolves (%2)")};

// An absolute path written as it resolves: no ".", "..", doubled "/" or symbolic link in it.
std::string WhyNotPlain(const PlainSentences& sentences, const std::string& path) {
  if (path.empty() || path.front() != '/') {
    return Fill(Tr("Program", sentences.not_absolute), {path});
  }
  if (RealPath(path) != WithoutTrailingSlashes(path)) {
    return Fill(Tr("Program", sentences.unresolved), {path, RealPath(path)});
  }
  return "";
}

std::string WhyNotWorkFolder(const std::string& folder, const SystemAccount& caller) {
  if (std::string why = WhyNotPlain(kWorkFolderPath, folder); !why.empty()) return why;
  if (!FolderExists(folder)) {
    return Fill(Tr("Program", "the work folder \"%1\" does not exist"), {folder});
  }
  const std::optional<FileOwnership> owner = OwnershipOf(folder);
  if (!owner || owner->uid != caller.uid || (owner->mode & 077) != 0) {
    return Fill(Tr("Program", "the work folder \"%1\" is not %2's private folder"),
                {folder, caller.name});
  }
  return "";
}

std::string WhyNotSetup(const std::vector<std::string>& arguments, const SystemAccount& caller) {
  if (arguments.size() != 3)
    return "setup-database-server takes WORK_FOLDER VERSION PACKAGE_FOLDER";
  const std::string& work = arguments[0];
  if (std::string why = WhyNotWorkFolder(work, caller); !why.empty()) return why;
  bool known = false;
  for (const char* version : kServerVersions) known = known || arguments[1] == version;
  if (!known) {
    return Fill(Tr("Program", "the server version \"%1\" is none of 1.0, 1.5, 2.5"),
                {arguments[1]});
  }
  const std::string package = RealPath(arguments[2]);
  if (!IsWithin(package, WithoutTrailingSlashes(work)) || package == WithoutTrailingSlashes(work)) {
    return Fill(Tr("Program", "the package folder \"%1\" is not inside the work folder %2"),
                {arguments[2], work});
  }
  return "";
}

std::string WhyNotPrinter(const std::vector<std::string>& arguments) {
  if (arguments.size() != 3) return "add-printer takes NAME PORT COMMENT";
  const std::string& name = arguments[0];
  if (name.empty() || PrinterQueueName(name) != name) {
    return Fill(Tr("Program", "the printer name \"%1\" is no queue name"), {name});
  }
  if (!DeviceUriForPort(arguments[1])) {
    return Fill(Tr("Program", "the port \"%1\" is no COM or LPT port"), {arguments[1]});
  }
  const std::string& comment = arguments[2];
  if (comment.size() > kLongestComment) {
    return Tr("Program", "the printer's comment is longer than 255 bytes");
  }
  for (const unsigned char c : comment) {
    if (c < ' ' || c == 127)
      return Tr("Program", "the printer's comment holds a control character");
  }
  return "";
}

// The nearest folder above path that exists.
std::string ExistingAbove(std::string path) {
  while (!FolderExists(path) && path != "/") {
    const std::size_t slash = path.rfind('/');
    if (slash == 0 || slash == std::string::npos) return "/";
    path.resize(slash);
  }
  return path;
}

// The database server's folders, where the server's setup runs programs as root: no folder of
// a user's may stand there, nor above them.
bool AtTheServersPlace(const std::string& folder, const DeploymentSettings& settings) {
  for (const std::string& server :
       db::LinuxServerLayout(settings.firebird_root).uninstall_folders) {
    const std::string place = WithoutTrailingSlashes(server);
    if (IsWithin(folder, place) || IsWithin(place, folder)) return true;
  }
  return false;
}

std::string WhyNotTillFolder(const std::vector<std::string>& arguments, const SystemAccount& caller,
                             const DeploymentSettings& settings) {
  if (arguments.size() != 1) return "make-till-folder takes FOLDER";
  const std::string folder = WithoutTrailingSlashes(arguments[0]);
  if (std::string why = WhyNotPlain(kTillFolderPath, folder); !why.empty()) return why;
  for (const char* tree : kSystemTrees) {
    if (IsWithin(folder, tree)) {
      return Fill(Tr("Program", "the till folder %1 is in the system's %2"), {folder, tree});
    }
  }
  if (AtTheServersPlace(folder, settings)) {
    return Fill(Tr("Program", "the till folder %1 is in the database server's folders"), {folder});
  }
  // A home folder made now would be a future user's.
  if (folder.rfind("/home/", 0) == 0 && !FolderExists(folder.substr(0, folder.find('/', 6)))) {
    return Fill(Tr("Program", "the till folder %1 would make a home folder"), {folder});
  }
  if (std::string why = WhyNeverDelete(folder, "/nonexistent/"); !why.empty()) {
    return Fill(Tr("Program", "the till folder %1: %2"), {folder, why});
  }
  if (FolderExists(folder) || FileExists(folder)) {
    return Fill(Tr("Program", "the till folder %1 exists"), {folder});
  }
  const std::string above = ExistingAbove(folder);
  if (AccountMay(caller, above, kWrite | kSearch)) {
    return Fill(Tr("Program", "%1 may make the till folder in %2 without an administrator"),
                {caller.name, above});
  }
  const std::optional<FileOwnership> owner = OwnershipOf(above);
  if (!owner || owner->uid != 0) {
    return Fill(Tr("Program", "the folder %1 is not the system's"), {above});
  }
  return "";
}

// What the programs it runs said goes to the caller's run log, through the helper's output.
std::string SetupDatabaseServer(const std::vector<std::string>& arguments,
                                const DeploymentSettings& settings) {
  LinuxChildPrograms programs;
  ProcFsProcessTable processes;
  NoWindow pump;
  ProcessControl control(programs, processes, pump,
                         [](const std::string& line) { std::cout << Utf8FromAnsi(line) << "\n"; });
  SystemdServiceManager services(settings.systemd_root);
  db::ServerInstallation installation(
      db::LinuxServerLayout(settings.firebird_root, settings.systemd_root), control, services,
      [] { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); },
      [](int milliseconds) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
      });
  // The folder as it was checked, never a link put in its place since.
  const std::string package = RealPath(arguments[2]);
  if (db::InstallFirebirdVersion(installation, arguments[1], package)) return "";
  if (installation.LastFailure().empty()) {
    return Fill(Tr("Program", "the database server %1 was not installed: no package in %2"),
                {arguments[1], package});
  }
  return Fill(Tr("Program", "the database server %1 was not installed: %2"),
              {arguments[1], installation.LastFailure()});
}

}  // namespace

std::string AdminHelperPath() {
  return RealPath(OwnProgramFolder() + "../libexec/skarvel/skarvel-admin");
}

std::string WhyRefused(const AdminRequest& request, const SystemAccount& caller,
                       const DeploymentSettings& settings) {
  if (request.operation == "setup-database-server") return WhyNotSetup(request.arguments, caller);
  if (request.operation == "add-printer") return WhyNotPrinter(request.arguments);
  if (request.operation == "make-till-folder") {
    return WhyNotTillFolder(request.arguments, caller, settings);
  }
  return Fill(Tr("Program", "\"%1\" is no operation of the administrator's part"),
              {request.operation});
}

std::string RunAdminRequest(const AdminRequest& request, const SystemAccount& caller,
                            const DeploymentSettings& settings) {
  const std::vector<std::string>& arguments = request.arguments;
  if (request.operation == "setup-database-server") return SetupDatabaseServer(arguments, settings);
  if (request.operation == "add-printer") {
    CupsPrinters printers;
    if (printers.AddTextPrinter(arguments[0], arguments[1], arguments[2])) return "";
    return Fill(Tr("Program", "the printer %1 was not added: %2"),
                {arguments[0], printers.LastError()});
  }
  return MakeFolderFor(WithoutTrailingSlashes(arguments[0]), caller.uid, caller.gid);
}

}  // namespace skarvel
