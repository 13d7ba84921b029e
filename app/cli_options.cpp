#include "app/cli_options.h"

#include "platform/ansi_text.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

constexpr std::size_t kCodeLength = 13;

// The code field of the wizard takes upper case and at most 13 characters; so does this.
std::string CustomerCode(const std::vector<std::string>& codes) {
  if (codes.size() != 1) throw UsageError("give exactly one customer code (see --help).");
  const std::string code = UpperCase(AnsiFromUtf8(codes.front()));
  if (code.size() > kCodeLength) {
    throw UsageError("a customer code has at most 13 characters; \"" + codes.front() +
                     "\" has more.");
  }
  return code;
}

}  // namespace

CliOptions ParseCliOptions(const std::vector<std::string>& arguments) {
  CliOptions options;
  std::vector<std::string> codes;
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") {
      options.action = CliOptions::Action::kHelp;
      return options;
    }
    if (argument == "--version") {
      options.action = CliOptions::Action::kVersion;
      return options;
    }
    if (argument == "--no-restart") {
      options.no_restart = true;
    } else if (argument == "--undo") {
      options.undo = true;
    } else if (argument == "--check") {
      options.action = CliOptions::Action::kCheck;
    } else if (argument == "--json") {
      options.json = true;
    } else if (argument.size() > 1 && argument[0] == '-') {
      throw UsageError("unknown option " + argument + " (see --help).");
    } else {
      codes.push_back(argument);
    }
  }
  options.code = CustomerCode(codes);
  return options;
}

}  // namespace skarvel
