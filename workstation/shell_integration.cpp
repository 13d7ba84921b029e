#include "workstation/shell_integration.h"

#include <fstream>

#include "platform/child_programs.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

constexpr const char* kWindowsProgramRunner = "wine";
constexpr int kWindows9x = 1;
constexpr int kWindowsNt = 2;

std::string FolderOf(const std::string& path) {
  const std::size_t separator = path.find_last_of('/');
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

int Windows9xCode(const WindowsVersionRecord& record) {
  if (record.major != 4) return 0;
  if (record.minor == 0) return 1;
  if (record.minor == 90) return 5;
  if (record.minor != 10) return 0;
  // The second edition carries "A" as the service-pack text's second character.
  return record.service_pack.size() > 1 && record.service_pack[1] == 'A' ? 3 : 2;
}

int WindowsNtCode(const WindowsVersionRecord& record) {
  if (record.major <= 4) return 4;
  if (record.major == 6) return 8;
  if (record.major != 5) return 0;
  switch (record.minor) {
    case 0:
      return 6;
    case 1:
      return 7;
    case 2:
      return 9;
    default:
      return 0;
  }
}

}  // namespace

bool IsWindowsProgram(const std::string& path) {
  std::ifstream file(Utf8FromAnsi(path), std::ios::binary);
  char start[2] = {};
  return file.read(start, sizeof start) && start[0] == 'M' && start[1] == 'Z';
}

bool CreateShortcuts(Launchers& launchers, const std::string& target, const std::string& name,
                     const std::function<void(const std::string&)>& log, std::string* why) {
  Launcher launcher{name, target, FolderOf(target), ""};
  // A launcher naming a Windows program directly does nothing on this system.
  if (IsWindowsProgram(target)) {
    launcher.runner = kWindowsProgramRunner;
    if (log) {
      log(target + " is a Windows program: its launchers run it through " + kWindowsProgramRunner +
          (ProgramOnPath(kWindowsProgramRunner) ? "" : ", which is not installed yet"));
    }
  }
  bool created = true;
  for (const LauncherPlace place :
       {LauncherPlace::kDesktop, LauncherPlace::kStartMenu, LauncherPlace::kQuickLaunch}) {
    if (launchers.Create(place, launcher) || launchers.LastError().empty()) continue;
    if (created && why != nullptr) *why = launchers.LastError();
    created = false;
  }
  return created;
}

int GetWindowsVersionCode(const std::optional<WindowsVersionRecord>& record) {
  if (!record) return 0;
  if (record->platform_id == kWindows9x) return Windows9xCode(*record);
  if (record->platform_id == kWindowsNt) return WindowsNtCode(*record);
  return 0;
}

bool NeedsFirewallException(int version_code) {
  return version_code == 7 || version_code == 8 || version_code == 9;
}

}  // namespace skarvel
