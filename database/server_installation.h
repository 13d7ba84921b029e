#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/service_manager.h"
#include "workstation/process_control.h"

namespace skarvel::db {

// Where a database server goes and how it is installed, removed and started on one system.
struct ServerLayout {
  char separator;             // of the paths below
  std::string udf_folder;     // destination of the function libraries
  std::string bin_folder;     // destination of the administration console
  std::string setup_program;  // in the package folder
  std::string setup_10;       // its parameter texts per server version and processor count
  std::string setup_15_single;
  std::string setup_15_multi;
  std::string setup_25_single;
  std::string setup_25_multi;
  std::vector<std::string> uninstall_folders;  // older servers, checked in this order
  std::string uninstaller;                     // in each of them
  std::string udf_pattern;                     // in the package folder
  std::string console_pattern;                 // in the package folder
  std::string guardian_service;
  std::string guardian_display_name;
  std::string start_program;  // starts the guardian: start_program start_verb SERVICE
  std::string start_verb;
};

// The design's values on Windows.
ServerLayout WindowsServerLayout();
// The same decisions on Linux: the server in root (normally /opt/firebird), its installer
// "install.sh -silent", the uninstallers of root and /usr/local/firebird, the guardian a
// systemd service of the system whose root is systemd_root. Of a system image (a root other
// than "/") the guardian is only enabled there: nothing of it runs, and nothing of this
// computer's own services is touched.
ServerLayout LinuxServerLayout(const std::string& root = "/opt/firebird",
                               const std::string& systemd_root = "/");

// Copies the files matching the pattern's name (its folder not descended into, hidden files
// and folders left out) into the folder, created when missing. Empty when every file was copied;
// otherwise why the first that could not be was not (the others are still copied).
std::string CopyMatchingFiles(const std::string& source_pattern,
                              const std::string& destination_folder);

// The server version's operation: "1.0", "1.5" or "2.5"; false for another version, or when the
// operation reports no package.
class ServerInstallation;
bool InstallFirebirdVersion(ServerInstallation& installation, const std::string& version,
                            const std::string& package_folder);

// Installs the database server from its unpacked package, one operation per server version.
class ServerInstallation {
 public:
  ServerInstallation(ServerLayout layout, ProcessControl& processes, ServiceManager& services,
                     std::function<int()> processor_count, std::function<void(int)> pause);

  // 1 when the package folder exists and the steps ran, 0 when it does not exist or a file of
  // the server could not be copied (LastFailure says which and why).
  int InstallFirebird10(const std::string& package_folder);
  int InstallFirebird15(const std::string& package_folder);
  // True when the package folder exists and the steps ran, as above; the guardian's start is
  // requested whenever it does not run.
  bool InstallFirebird25(const std::string& package_folder);

  // Why the last installation failed; empty after a success, or when its package was missing.
  const std::string& LastFailure() const { return last_failure_; }

 private:
  std::string Folder(const std::string& package_folder) const;
  bool ServiceDisplayNameContains(const std::string& text);
  bool ServiceDisplayNameExists(const std::string& text);
  // The guardian's service: the installed one of its display name, else the layout's.
  std::string GuardianService();
  void Setup(const std::string& folder, const std::string& parameters);
  // False, with last_failure_ set, when a file could not be copied.
  bool CopyStep(const std::string& folder);

  ServerLayout layout_;
  ProcessControl& processes_;
  ServiceManager& services_;
  std::function<int()> processor_count_;
  std::function<void(int)> pause_;
  std::string last_failure_;
};

}  // namespace skarvel::db
