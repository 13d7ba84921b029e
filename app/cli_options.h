#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace skarvel {

// What skarvel-cli was asked to do.
struct CliOptions {
  enum class Action { kInstall, kCheck, kHelp, kVersion };
  Action action = Action::kInstall;
  std::string code;  // Windows-1252, upper case, as the wizard's code field takes it
  bool no_restart = false;
  bool undo = false;  // with --check: check the installation as it would run after the undo
  bool json = false;  // one JSON object a line on standard output, the human text on standard error
};

// Wrong usage, in a sentence for the person (Windows-1252).
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The options of the arguments after the program's name (UTF-8), read by QCommandLineParser:
// options before or after the code, "--" before a code that starts with "-". --help (-h) and
// --version are answered whatever else the line holds. Throws UsageError.
CliOptions ParseCliOptions(const std::vector<std::string>& arguments);

}  // namespace skarvel
