#include "platform/child_programs.h"
#include "platform/reboot.h"
#include "platform/translation.h"
#include "platform/windows1252.h"

namespace skarvel {

bool SystemdReboot::Reboot() {
  // systemctl hands the request to the service manager and returns at once.
  const ChildOutcome outcome = RunShortProgram("systemctl", {"reboot"});
  if (outcome.started && outcome.exit_code == 0) return true;
  std::string output = AnsiFromUtf8(outcome.output);
  while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
  const std::string code = std::to_string(outcome.exit_code);
  if (!outcome.started) {
    refusal_ = Tr("System", "systemctl could not be started");
  } else if (output.empty()) {
    refusal_ = Fill(Tr("System", "systemctl reboot ended with exit code %1"), {code});
  } else {
    refusal_ = Fill(Tr("System", "systemctl reboot ended with exit code %1: %2"), {code, output});
  }
  return false;
}

}  // namespace skarvel
