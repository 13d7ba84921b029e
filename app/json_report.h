#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/cli_outcome.h"
#include "app/preflight.h"
#include "app/step_report.h"
#include "app/work_progress.h"

namespace skarvel {

// How grave a message is: news (the end of a finished installation) or a failure.
enum class Severity { kInfo, kError };

// The machine-readable output of skarvel-cli --json: one JSON object a line on its stream, each
// with "event" first. The events and their members are listed in skarvel-cli(1); members stay as
// they are, and kFormat goes up when one changes its meaning or goes. Texts are UTF-8.
class JsonReport {
 public:
  static constexpr int kFormat = 1;

  explicit JsonReport(std::ostream& out) : out_(out) {}

  // mode: "install" or "check".
  void Start(const std::string& mode, const std::string& code, const std::string& service);
  void Step(const StepReport& report);
  void Check(const CheckResult& check);
  // Why a window about a failure was shown: the step that failed, the cause in a sentence, the
  // technical detail; each left out of the event when empty.
  struct Reason {
    std::string step;
    std::string cause;
    std::string details;
  };
  // A message the wizard would show in a message box or window (Windows-1252).
  void Message(const std::string& text, Severity severity, const Reason& reason = {});
  // How far a piece of the step's work has got.
  void Progress(int step, const MeasuredProgress& progress);
  // The end: the exit code, the status the service holds (null when it does not answer), what
  // to do next (empty when nothing), whether the run changed anything, the parts of a finished
  // installation that could not be done (empty when none), and why it stopped when it stopped
  // with an error.
  void End(const CliOutcome& outcome);

 private:
  std::ostream& out_;
};

}  // namespace skarvel
