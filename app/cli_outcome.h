#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace skarvel {

// The exit codes of skarvel-cli, as its help and manual page list them; scripts rely on them.
enum CliExitCode {
  kCompleted = 0,           // the service holds 120 or 999; with --check: the installation can run
  kInstallationError = 1,   // the installation stopped with an error
  kCodeRejected = 2,        // the service did not accept the customer code
  kServiceUnreachable = 3,  // the service could not be reached, or stopped answering
  kCancelled = 4,           // Ctrl-C
  kRestartRequired = 5,     // the computer must restart to continue (arranged)
  kAlreadyRunning = 6,      // an installation runs already for this user: nothing was done
  kCheckFailed = 7,         // --check: a check failed, the installation would not succeed
  kUsage = 64,              // wrong usage, an unusable setting, a work folder not this user's
};

// How a run of skarvel-cli ended: its exit code, the status the service holds for the customer
// (none when it was not asked, or did not answer), and what the person does next (Windows-1252;
// empty when nothing), which the program says on standard error unless its human text said it
// already.
struct CliOutcome {
  CliOutcome(int code = kCompleted, std::optional<int> held = std::nullopt,
             std::string what_next = "")
      : exit_code(code), status(held), advice(std::move(what_next)) {}

  int exit_code;
  std::optional<int> status;
  std::string advice;
  bool advice_said = false;
  // Whether the run changed anything: it sent the service a status report or receipt templates,
  // which it does for everything it does on this computer.
  bool changed = false;
  // What a finished installation could not do (the receipt printer), Windows-1252.
  std::vector<std::string> warnings;
  // Why the installation stopped, when an error window said so (Windows-1252; empty otherwise).
  std::string cause;
};

// The advice when the service cannot be used (problem: the network layer's sentence of why,
// which tells a refused connection from a time-out or a wrong answer), and when it does not
// know the code.
std::string ServiceUnreachableAdvice(const std::string& problem);
std::string CodeRejectedAdvice(const std::string& code);

}  // namespace skarvel
