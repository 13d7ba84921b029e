#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <unistd.h>

#include "platform/ansi_text.h"
#include "platform/child_programs.h"
#include "platform/service_manager.h"
#include "platform/windows1252.h"

namespace skarvel {

std::optional<std::vector<std::string>> ServiceManager::DisplayNames() {
  const auto services = Services();
  if (!services) return std::nullopt;
  std::vector<std::string> names;
  for (const InstalledService& service : *services) names.push_back(service.display_name);
  return names;
}

std::optional<InstalledService> ServiceManager::FindService(const std::string& display_name) {
  const auto services = Services();
  if (!services) return std::nullopt;
  for (const InstalledService& service : *services) {
    if (SameText(service.display_name, display_name)) return service;
  }
  return std::nullopt;
}

namespace {

// Where systemd finds the system's unit files, most local first.
constexpr const char* kUnitFolders[] = {"etc/systemd/system", "run/systemd/system",
                                        "usr/local/lib/systemd/system", "usr/lib/systemd/system",
                                        "lib/systemd/system"};

bool SystemdRuns() { return ::access("/run/systemd/system", F_OK) == 0; }

// Reads Description= in [Unit] and User= in [Service] of one unit file or drop-in into service;
// false when the file cannot be read.
bool ReadUnitFile(const std::string& path, InstalledService& service) {
  std::ifstream file(path);
  if (!file) return false;
  std::string section;
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.front() == '[') section = line.substr(0, line.find(']') + 1);
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, line.find_last_not_of(" \t", equals - 1) + 1);
    const std::size_t start = line.find_first_not_of(" \t", equals + 1);
    const std::string value = start == std::string::npos ? "" : line.substr(start);
    if (section == "[Unit]" && key == "Description" && !value.empty()) {
      service.display_name = value;
    }
    if (section == "[Service]" && key == "User") service.account = value;
  }
  return true;
}

// The unit's drop-ins (UNIT.d/*.conf) of every folder, in the order systemd applies them: by
// name, a folder's earlier in the list hiding a later one's of the same name.
std::vector<std::string> DropIns(const std::string& root, const std::string& unit) {
  std::map<std::string, std::string> by_name;
  for (auto folder = std::rbegin(kUnitFolders); folder != std::rend(kUnitFolders); ++folder) {
    std::error_code error;
    const std::filesystem::path dir = root + "/" + *folder + "/" + unit + ".d";
    for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
      if (entry.path().extension() == ".conf") {
        by_name[entry.path().filename().string()] = entry.path().string();
      }
    }
  }
  std::vector<std::string> paths;
  for (const auto& [name, path] : by_name) paths.push_back(path);
  return paths;
}

// The unit's Description= and User=, drop-ins included. The description is the unit's name
// when it has none (as systemd shows such a unit) or its file cannot be read (a masked unit).
InstalledService ReadUnit(const std::string& root, const std::string& unit) {
  InstalledService service{unit, unit, ""};
  for (const char* folder : kUnitFolders) {
    if (ReadUnitFile(root + "/" + folder + "/" + unit, service)) break;
  }
  for (const std::string& drop_in : DropIns(root, unit)) ReadUnitFile(drop_in, service);
  return service;
}

}  // namespace

SystemdServiceManager::SystemdServiceManager(std::string root) : root_(std::move(root)) {}

std::optional<std::vector<InstalledService>> SystemdServiceManager::Services() {
  std::vector<std::string> arguments{"list-unit-files", "--type=service", "--no-legend", "--plain",
                                     "--no-pager"};
  if (root_ != "/") arguments.insert(arguments.begin(), "--root=" + root_);
  const std::optional<std::string> listing = CaptureProgramOutput("systemctl", arguments);
  if (!listing) return std::nullopt;
  // UNIT FILE, STATE, PRESET: every installed service, enabled or not, running or not.
  std::vector<InstalledService> services;
  std::istringstream lines(*listing);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    std::string unit;
    fields >> unit;
    // A template ("name@.service") is no service until it is given an instance.
    if (unit.empty() || unit.find("@.") != std::string::npos) continue;
    InstalledService service = ReadUnit(root_, unit);
    services.push_back({AnsiFromUtf8(service.name), AnsiFromUtf8(service.display_name),
                        AnsiFromUtf8(service.account)});
  }
  return services;
}

bool SystemdServiceManager::IsRunning(const std::string& service) {
  // Nothing runs in a system image read from another root.
  if (root_ != "/" || !SystemdRuns()) return false;
  const std::optional<std::string> state =
      CaptureProgramOutput("systemctl", {"is-active", Utf8FromAnsi(service)});
  return state && state->rfind("active", 0) == 0;
}

}  // namespace skarvel
