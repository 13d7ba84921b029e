#include <fstream>
#include <sstream>
#include <unistd.h>

#include "platform/child_programs.h"
#include "platform/service_manager.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

// Where systemd finds the system's unit files, most local first.
constexpr const char* kUnitFolders[] = {"etc/systemd/system", "run/systemd/system",
                                        "usr/local/lib/systemd/system", "usr/lib/systemd/system",
                                        "lib/systemd/system"};

bool SystemdRuns() { return ::access("/run/systemd/system", F_OK) == 0; }

// The Description= of the unit's file in its [Unit] section; the unit's name when it has none
// (as systemd shows such a unit) or its file cannot be read (a masked unit).
std::string DescriptionOf(const std::string& root, const std::string& unit) {
  for (const char* folder : kUnitFolders) {
    std::ifstream file(root + "/" + folder + "/" + unit);
    if (!file) continue;
    bool in_unit = false;
    for (std::string line; std::getline(file, line);) {
      if (!line.empty() && line.front() == '[') in_unit = line.rfind("[Unit]", 0) == 0;
      const std::size_t equals = line.find('=');
      if (!in_unit || equals == std::string::npos) continue;
      const std::string key = line.substr(0, line.find_last_not_of(" \t", equals - 1) + 1);
      if (key != "Description") continue;
      const std::size_t value = line.find_first_not_of(" \t", equals + 1);
      if (value != std::string::npos) return line.substr(value);
    }
    return unit;
  }
  return unit;
}

}  // namespace

SystemdServiceManager::SystemdServiceManager(std::string root) : root_(std::move(root)) {}

std::optional<std::vector<std::string>> SystemdServiceManager::DisplayNames() {
  std::vector<std::string> arguments{"list-unit-files", "--type=service", "--no-legend", "--plain",
                                     "--no-pager"};
  if (root_ != "/") arguments.insert(arguments.begin(), "--root=" + root_);
  const std::optional<std::string> listing = CaptureProgramOutput("systemctl", arguments);
  if (!listing) return std::nullopt;
  // UNIT FILE, STATE, PRESET: every installed service, enabled or not, running or not.
  std::vector<std::string> names;
  std::istringstream lines(*listing);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    std::string unit;
    fields >> unit;
    // A template ("name@.service") is no service until it is given an instance.
    if (unit.empty() || unit.find("@.") != std::string::npos) continue;
    names.push_back(AnsiFromUtf8(DescriptionOf(root_, unit)));
  }
  return names;
}

bool SystemdServiceManager::IsRunning(const std::string& service) {
  // Nothing runs in a system image read from another root.
  if (root_ != "/" || !SystemdRuns()) return false;
  const std::optional<std::string> state =
      CaptureProgramOutput("systemctl", {"is-active", Utf8FromAnsi(service)});
  return state && state->rfind("active", 0) == 0;
}

}  // namespace skarvel
