#include <sstream>
#include <unistd.h>

#include "platform/child_programs.h"
#include "platform/service_manager.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

bool SystemdRuns() { return ::access("/run/systemd/system", F_OK) == 0; }

}  // namespace

std::optional<std::vector<std::string>> SystemdServiceManager::DisplayNames() {
  if (!SystemdRuns()) return std::nullopt;
  const std::optional<std::string> listing = CaptureProgramOutput(
      "systemctl",
      {"list-units", "--type=service", "--all", "--no-legend", "--plain", "--no-pager"});
  if (!listing) return std::nullopt;
  // UNIT LOAD ACTIVE SUB DESCRIPTION: the description is the rest of the line.
  std::vector<std::string> names;
  std::istringstream lines(*listing);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    std::string unit, load, active, sub, description;
    fields >> unit >> load >> active >> sub;
    std::getline(fields >> std::ws, description);
    if (!description.empty()) names.push_back(AnsiFromUtf8(description));
  }
  return names;
}

bool SystemdServiceManager::IsRunning(const std::string& service) {
  if (!SystemdRuns()) return false;
  const std::optional<std::string> state =
      CaptureProgramOutput("systemctl", {"is-active", Utf8FromAnsi(service)});
  return state && state->rfind("active", 0) == 0;
}

}  // namespace skarvel
