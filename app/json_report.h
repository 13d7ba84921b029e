#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/preflight.h"

namespace skarvel {

// The machine-readable output of skarvel-cli --json: one JSON object a line on its stream, each
// with "event" first. The events and their fields are listed in skarvel-cli(1) and stay as they
// are; texts are UTF-8.
class JsonReport {
 public:
  explicit JsonReport(std::ostream& out) : out_(out) {}

  // mode: "install" or "check".
  void Start(const std::string& mode, const std::string& code, const std::string& service);
  // A step's status report: its step, the status sent, "done" or "failed", whether the service
  // acknowledged it, and the seconds since the previous report (or since the run began).
  void Step(int step, int status, bool acknowledged, double seconds);
  void Check(const CheckResult& check);
  // Why a window about a failure was shown: the step that failed, the cause in a sentence, the
  // technical detail; each left out of the event when empty.
  struct Reason {
    std::string step;
    std::string cause;
    std::string details;
  };
  // A message the wizard would show in a message box or window.
  void Message(const std::string& text, const Reason& reason = {});
  // The end: the exit code, the status the service holds (null when it does not answer), what
  // to do next (empty when nothing), and the parts of a finished installation that could not be
  // done (empty when none).
  // cause: why the installation stopped, when it stopped with an error (empty otherwise).
  void End(int exit_code, std::optional<int> status, const std::string& advice,
           const std::vector<std::string>& warnings, const std::string& cause = "");

 private:
  void Write(const std::string& line);
  std::ostream& out_;
};

}  // namespace skarvel
