#include "platform/child_programs.h"
#include "platform/reboot.h"
#include "platform/windows1252.h"

namespace skarvel {

bool SystemdReboot::Reboot() {
  // systemctl hands the request to the service manager and returns at once.
  const ChildOutcome outcome = RunShortProgram("systemctl", {"reboot"});
  if (outcome.started && outcome.exit_code == 0) return true;
  std::string output = AnsiFromUtf8(outcome.output);
  while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
  refusal_ = !outcome.started
                 ? "systemctl could not be started"
                 : "systemctl reboot ended with exit code " + std::to_string(outcome.exit_code) +
                       (output.empty() ? "" : ": " + output);
  return false;
}

}  // namespace skarvel
