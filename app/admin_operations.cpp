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
#include "platform/windows1252.h"
#include "workstation/folder_guard.h"
#include "workstation/process_control.h"

namespace skarvel {
namespace {

constexpr const char* kServerVersions[] = {"1.0", "1.5", "2.5"};
// Trees of the system where no folder is made for a user, whoever asks.
constexpr const char* kSystemTrees[] = {
    "/bin",     "/boot",    "/dev",      "/efi",      "/etc",         "/lib",
    "/lib32",   "/lib64",   "/libx32",   "/proc",     "/root",        "/run",
    "/sbin",    "/snap",    "/sys",      "/usr",      "/var/backups", "/var/cache",
    "/var/lib", "/var/log", "/var/mail", "/var/spool"};
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

// An absolute path written as it resolves: no ".", "..", doubled "/" or symbolic link in it.
std::string WhyNotPlain(const std::string& what, const std::string& path) {
  if (path.empty() || path.front() != '/') return what + " \"" + path + "\" is not absolute";
  if (RealPath(path) != WithoutTrailingSlashes(path)) {
    return what + " \"" + path + "\" is not written as it resolves (" + RealPath(path) + ")";
  }
  return "";
}

std::string WhyNotWorkFolder(const std::string& folder, const SystemAccount& caller) {
  if (std::string why = WhyNotPlain("the work folder", folder); !why.empty()) return why;
  if (!FolderExists(folder)) return "the work folder \"" + folder + "\" does not exist";
  const std::optional<FileOwnership> owner = OwnershipOf(folder);
  if (!owner || owner->uid != caller.uid || (owner->mode & 077) != 0) {
    return "the work folder \"" + folder + "\" is not " + caller.name + "'s private folder";
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
  if (!known) return "the server version \"" + arguments[1] + "\" is none of 1.0, 1.5, 2.5";
  const std::string package = RealPath(arguments[2]);
  if (!IsWithin(package, WithoutTrailingSlashes(work)) || package == WithoutTrailingSlashes(work)) {
    return "the package folder \"" + arguments[2] + "\" is not inside the work folder " + work;
  }
  return "";
}

std::string WhyNotPrinter(const std::vector<std::string>& arguments) {
  if (arguments.size() != 3) return "add-printer takes NAME PORT COMMENT";
  const std::string& name = arguments[0];
  if (name.empty() || PrinterQueueName(name) != name) {
    return "the printer name \"" + name + "\" is no queue name";
  }
  if (!DeviceUriForPort(arguments[1]))
    return "the port \"" + arguments[1] + "\" is no COM or LPT port";
  const std::string& comment = arguments[2];
  if (comment.size() > kLongestComment) return "the printer's comment is longer than 255 bytes";
  for (const unsigned char c : comment) {
    if (c < ' ' || c == 127) return "the printer's comment holds a control character";
  }
  return "";
}

// The nearest folder above path that exists.
std::string ExistingAbove(std::string path) {
  while (!FolderExists(path) && path != "/") {
    path = path.substr(0, path.rfind('/'));
    if (path.empty()) path = "/";
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
  if (std::string why = WhyNotPlain("the till folder", folder); !why.empty()) return why;
  for (const char* tree : kSystemTrees) {
    if (IsWithin(folder, tree)) return "the till folder " + folder + " is in the system's " + tree;
  }
  if (AtTheServersPlace(folder, settings)) {
    return "the till folder " + folder + " is in the database server's folders";
  }
  // A home folder made now would be a future user's.
  if (folder.rfind("/home/", 0) == 0 && !FolderExists(folder.substr(0, folder.find('/', 6)))) {
    return "the till folder " + folder + " would make a home folder";
  }
  if (std::string why = WhyNeverDelete(folder, "/nonexistent/"); !why.empty()) {
    return "the till folder " + folder + " is " + why;
  }
  if (FolderExists(folder) || FileExists(folder)) return "the till folder " + folder + " exists";
  const std::string above = ExistingAbove(folder);
  if (AccountMay(caller, above, kWrite | kSearch)) {
    return caller.name + " may make the till folder in " + above + " without an administrator";
  }
  const std::optional<FileOwnership> owner = OwnershipOf(above);
  if (!owner || owner->uid != 0) return "the folder " + above + " is not the system's";
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
      db::LinuxServerLayout(settings.firebird_root), control, services,
      [] { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); },
      [](int milliseconds) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
      });
  // The folder as it was checked, never a link put in its place since.
  const std::string package = RealPath(arguments[2]);
  if (db::InstallFirebirdVersion(installation, arguments[1], package)) return "";
  return "the database server " + arguments[1] + " was not installed: " +
         (installation.LastFailure().empty() ? "no package in " + package
                                             : installation.LastFailure());
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
  return "\"" + request.operation + "\" is no operation of the administrator's part";
}

std::string RunAdminRequest(const AdminRequest& request, const SystemAccount& caller,
                            const DeploymentSettings& settings) {
  const std::vector<std::string>& arguments = request.arguments;
  if (request.operation == "setup-database-server") return SetupDatabaseServer(arguments, settings);
  if (request.operation == "add-printer") {
    CupsPrinters printers;
    if (printers.AddTextPrinter(arguments[0], arguments[1], arguments[2])) return "";
    return "the printer " + arguments[0] + " was not added: " + printers.LastError();
  }
  return MakeFolderFor(WithoutTrailingSlashes(arguments[0]), caller.uid, caller.gid);
}

}  // namespace skarvel
