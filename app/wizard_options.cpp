#include "app/wizard_options.h"

#include <algorithm>

namespace skarvel {
namespace {

constexpr char kHelp[] =
    R"(Usage: skarvel [CODE]
       skarvel --help | --version

The installation wizard of the Lumtrak till: type or scan the 13-character
customer CODE, check the customer, and press Install. Started with the CODE as
its only argument (as the autostart entry does after the restart), it skips its
pages and resumes the installation from the step the service holds.

skarvel-cli(1) runs the same installation without a window. Exit codes: 0 the
wizard ended, 6 an installation is running already for this user, 64 wrong
usage or an unusable setting.
)";

}  // namespace

WizardOptions ParseWizardOptions(const std::vector<std::string>& arguments) {
  const auto end = std::find(arguments.begin(), arguments.end(), "--");
  WizardOptions options;
  for (auto it = arguments.begin(); it != end; ++it) {
    if (*it == "--help" || *it == "-h") {
      options.action = WizardOptions::Action::kHelp;
      return options;
    }
    if (*it == "--version") options.action = WizardOptions::Action::kVersion;
  }
  if (options.action != WizardOptions::Action::kRun) return options;
  for (auto it = arguments.begin(); it != arguments.end(); ++it) {
    if (it == end) continue;
    if (it < end && it->size() > 1 && it->front() == '-') {
      throw UsageError("unknown option " + *it + " (see --help).");
    }
    options.arguments.push_back(*it);
  }
  return options;
}

std::string WizardHelp() { return kHelp; }

}  // namespace skarvel
