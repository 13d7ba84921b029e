#include "database/server_installation.h"

#include <algorithm>

#include "platform/ansi_text.h"
#include "platform/command_line.h"
#include "platform/file_system.h"
#include "platform/name_pattern.h"

namespace skarvel::db {
namespace {

constexpr int kPauseMilliseconds = 500;

std::string WithSeparator(const std::string& folder, char separator) {
  return !folder.empty() && folder.back() == separator ? folder : folder + separator;
}

}  // namespace

ServerLayout WindowsServerLayout() {
  const std::string dir = "/DIR=\"C:\\Program Files\\Firebird\" /FORCE /COMPONENTS=";
  return {
      '\\',
      "C:\\Program Files\\Firebird\\UDF\\",
      "C:\\Program Files\\Firebird\\bin\\",
      "setup.exe",
      "/verysilent /SP- /FORCE",
      "setup /SP- /VERYSILENT /NORESTART " + dir +
          "\"SuperServerComponent, ServerComponent,DevAdminComponent, ClientComponent\"  /NOCPL",
      "setup /SP- /VERYSILENT /NORESTART " + dir +
          "\"ClassicServerComponent, ServerComponent, DevAdminComponent, ClientComponent\" /NOCPL",
      "setup /SP- /VERYSILENT /NORESTART " + dir +
          "\"ServerComponent\\SuperServerComponent, ServerComponent,DevAdminComponent, "
          "ClientComponent\"  /NOCPL /COPYFBCLIENT",
      "setup /SP- /VERYSILENT /NORESTART " + dir +
          "\"ServerComponent\\ClassicServerComponent, ServerComponent, DevAdminComponent, "
          "ClientComponent\" /NOCPL /COPYFBCLIENT",
      {"C:\\Program Files\\Firebird", "C:\\Program Files (x86)\\Firebird",
       "C:\\Program Files\\Firebird_1_5", "C:\\Program Files (x86)\\Firebird_1_5",
       "C:\\Program Files\\Firebird\\Firebird_1_5",
       "C:\\Program Files (x86)\\Firebird\\Firebird_1_5",
       "C:\\Program Files\\Firebird\\Firebird_2_1",
       "C:\\Program Files (x86)\\Firebird\\Firebird_2_1"},
      "unins000.exe",
      "udf\\*.*",
      "ibconsol*.exe",
      "FirebirdGuardianDefaultInstance",
      "Firebird Guardian - DefaultInstance",
      "sc",
      "start",
  };
}

ServerLayout LinuxServerLayout(const std::string& root, const std::string& systemd_root) {
  const std::string folder = WithSeparator(root, '/');
  return {
      '/',
      folder + "UDF/",
      folder + "bin/",
      "install.sh",
      "-silent",
      "-silent",
      "-silent",
      "-silent",
      "-silent",
      {root, "/usr/local/firebird"},
      "bin/FirebirdUninstall.sh",
      "udf/*.*",
      "ibconsol*.exe",
      "firebird-superserver.service",
      "Firebird Database Server ( SuperServer )",
      "systemctl",
      // A guardian set up by the server's own setup starts with the system; one found stopped
      // and disabled (a distribution's server) must do so too.
      systemd_root == "/" ? "enable --now" : QuotedIfBlank("--root=" + systemd_root) + " enable",
  };
}

std::string CopyMatchingFiles(const std::string& source_pattern,
                              const std::string& destination_folder) {
  const std::size_t split = source_pattern.find_last_of("/\\");
  const std::string folder = split == std::string::npos ? "" : source_pattern.substr(0, split + 1);
  const std::string mask = source_pattern.substr(split == std::string::npos ? 0 : split + 1);
  std::vector<std::string> names;
  for (const FolderEntry& entry : ListFolder(folder)) {
    if (!entry.directory && !entry.hidden && MatchesPattern(entry.name, mask)) {
      names.push_back(entry.name);
    }
  }
  std::sort(names.begin(), names.end());
  std::string first_failure;
  if (!CreateFolders(destination_folder, &first_failure)) return first_failure;
  for (const std::string& name : names) {
    std::string why;
    if (!CopyFileOver(folder + name, destination_folder + name, &why) && first_failure.empty()) {
      first_failure = why;
    }
  }
  return first_failure;
}

bool InstallFirebirdVersion(ServerInstallation& installation, const std::string& version,
                            const std::string& package_folder) {
  if (version == "1.0") return installation.InstallFirebird10(package_folder) != 0;
  if (version == "1.5") return installation.InstallFirebird15(package_folder) != 0;
  if (version == "2.5") return installation.InstallFirebird25(package_folder);
  return false;
}

ServerInstallation::ServerInstallation(ServerLayout layout, ProcessControl& processes,
                                       ServiceManager& services,
                                       std::function<int()> processor_count,
                                       std::function<void(int)> pause)
    : layout_(std::move(layout)),
      processes_(processes),
      services_(services),
      processor_count_(std::move(processor_count)),
      pause_(std::move(pause)) {}

std::string ServerInstallation::Folder(const std::string& package_folder) const {
  return WithSeparator(package_folder, layout_.separator);
}

bool ServerInstallation::ServiceDisplayNameContains(const std::string& text) {
  const auto names = services_.DisplayNames();
  if (!names) return false;
  const std::string wanted = UpperCase(text);
  return std::any_of(names->begin(), names->end(), [&](const std::string& name) {
    return UpperCase(name).find(wanted) != std::string::npos;
  });
}

bool ServerInstallation::ServiceDisplayNameExists(const std::string& text) {
  const auto names = services_.DisplayNames();
  if (!names) return false;
  return std::any_of(names->begin(), names->end(),
                     [&](const std::string& name) { return SameText(name, text); });
}

std::string ServerInstallation::GuardianService() {
  const std::optional<InstalledService> installed =
      services_.FindService(layout_.guardian_display_name);
  return installed ? installed->name : layout_.guardian_service;
}

void ServerInstallation::Setup(const std::string& folder, const std::string& parameters) {
  processes_.ExecAndWait(folder + layout_.setup_program, parameters, "");
}

bool ServerInstallation::CopyStep(const std::string& folder) {
  last_failure_ = CopyMatchingFiles(folder + layout_.udf_pattern, layout_.udf_folder);
  const std::string console =
      CopyMatchingFiles(folder + layout_.console_pattern, layout_.bin_folder);
  if (last_failure_.empty()) last_failure_ = console;
  return last_failure_.empty();
}

int ServerInstallation::InstallFirebird10(const std::string& package_folder) {
  const std::string folder = Folder(package_folder);
  last_failure_.clear();
  if (!FolderExists(folder)) return 0;
  if (!ServiceDisplayNameContains("Interbase") && !ServiceDisplayNameContains("Firebird")) {
    Setup(folder, layout_.setup_10);
  }
  return CopyStep(folder) ? 1 : 0;
}

int ServerInstallation::InstallFirebird15(const std::string& package_folder) {
  const std::string folder = Folder(package_folder);
  last_failure_.clear();
  if (!FolderExists(folder)) return 0;
  if (!ServiceDisplayNameExists(layout_.guardian_display_name)) {
    Setup(folder, processor_count_() == 1 ? layout_.setup_15_single : layout_.setup_15_multi);
  }
  return CopyStep(folder) ? 1 : 0;
}

bool ServerInstallation::InstallFirebird25(const std::string& package_folder) {
  const std::string folder = Folder(package_folder);
  bool result = false;
  last_failure_.clear();
  if (FolderExists(folder)) {
    if (ServiceDisplayNameExists(layout_.guardian_display_name)) {
      for (const std::string& old : layout_.uninstall_folders) {
        if (FolderExists(old)) {
          processes_.ExecAndWait(WithSeparator(old, layout_.separator) + layout_.uninstaller, "",
                                 "");
        }
      }
      pause_(kPauseMilliseconds);
    }
    if (!ServiceDisplayNameExists(layout_.guardian_display_name)) {
      Setup(folder, processor_count_() == 1 ? layout_.setup_25_single : layout_.setup_25_multi);
    }
    result = CopyStep(folder);
  }
  const std::string guardian = GuardianService();
  if (!services_.IsRunning(guardian)) {
    processes_.ExecAndWait(layout_.start_program, layout_.start_verb + " " + guardian, "");
    pause_(kPauseMilliseconds);
  }
  return result;
}

}  // namespace skarvel::db
