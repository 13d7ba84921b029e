#pragma once

#include <string>
#include <vector>

#include "app/cli_options.h"

namespace skarvel {

// What the wizard was asked to do: run (with its command line's arguments, the customer code
// among them), or only answer --help or --version.
struct WizardOptions {
  enum class Action { kRun, kHelp, kVersion };
  Action action = Action::kRun;
  // What is left for the wizard (Windows-1252): exactly one is the customer code, which means
  // resume mode.
  std::vector<std::string> arguments;
};

// The arguments after the program's name (UTF-8), read by QCommandLineParser. --help (-h) and
// --version are answered wherever they stand before "--", whatever else the line holds; any
// other option is no customer code: it throws UsageError (in Windows-1252), so that nothing is
// taken for a code to resume. After "--" every word is an argument.
WizardOptions ParseWizardOptions(const std::vector<std::string>& arguments);

// The text --help prints.
std::string WizardHelp();

}  // namespace skarvel
