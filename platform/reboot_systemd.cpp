#include "platform/ansi_text.h"
#include "platform/child_programs.h"
#include "platform/reboot.h"
#include "platform/translation.h"

namespace skarvel {

bool SystemdReboot::Reboot() {
  // systemctl hands the request to the service manager and returns at once.
  const ChildOutcome outcome = InAnsiText(RunShortProgram(program_, {"reboot"}));
  if (outcome.started && outcome.exit_code == 0) return true;
  // The system's own words, on one line: they stand inside the advice's sentence.
  const std::string output = OneLine(outcome.output);
  if (!outcome.started) {
    refusal_ = Tr("System", "systemctl could not be started");
  } else if (output.empty()) {
    refusal_ = Tr("System", "the system refused the restart without giving a reason");
  } else {
    refusal_ = output;
  }
  return false;
}

}  // namespace skarvel
