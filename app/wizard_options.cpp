#include "app/wizard_options.h"

#include "platform/program_options.h"
#include "platform/translation.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

constexpr char kHelp[] =
    R"(Usage: skarvel [CODE]
       skarvel --help | --version

The installation wizard of the Lumtrak till: type or scan the 13-character
customer CODE, check the customer, and press Install. Started with the CODE as
its only argument (as the autostart entry does after the restart), it skips its
pages and resumes the installation from the step the service holds.

  -h, --help  print this text and end
  --version   print the version and end
  --          every word after it is an argument, even one starting with "-"

skarvel-cli(1) runs the same installation without a window. Exit codes: 0 the
wizard ended, 6 an installation is running already for this user, 64 wrong
usage or an unusable setting.
)";

}  // namespace

WizardOptions ParseWizardOptions(const std::vector<std::string>& arguments) {
  const ProgramCommandLine read = ReadCommandLine(arguments, {{{"h", "help"}}, {{"version"}}});
  WizardOptions options;
  if (read.given.count("h") != 0) {
    options.action = WizardOptions::Action::kHelp;
  } else if (read.given.count("version") != 0) {
    options.action = WizardOptions::Action::kVersion;
  } else if (!read.error.empty()) {
    // Nothing is taken for a code to resume.
    throw UsageError(Fill(Tr("Program", "%1 (see --help)"), {AnsiFromUtf8(read.error)}));
  } else {
    for (const std::string& argument : read.arguments) {
      options.arguments.push_back(AnsiFromUtf8(argument));
    }
  }
  return options;
}

std::string WizardHelp() { return kHelp; }

}  // namespace skarvel
