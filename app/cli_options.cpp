#include "app/cli_options.h"

#include "platform/ansi_text.h"
#include "platform/program_options.h"
#include "platform/translation.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

constexpr std::size_t kCodeLength = 13;

// The code field of the wizard takes upper case and at most 13 characters; so does this.
std::string CustomerCode(const std::vector<std::string>& codes) {
  if (codes.size() != 1)
    throw UsageError(Tr("Program", "give exactly one customer code (see --help)."));
  const std::string code = UpperCase(AnsiFromUtf8(codes.front()));
  if (code.size() > kCodeLength) {
    throw UsageError(
        Fill(Tr("Program", "a customer code has at most 13 characters; \"%1\" has more."),
             {AnsiFromUtf8(codes.front())}));
  }
  return code;
}

}  // namespace

CliOptions ParseCliOptions(const std::vector<std::string>& arguments) {
  const ProgramCommandLine read = ReadCommandLine(
      arguments,
      {{{"h", "help"}}, {{"version"}}, {{"no-restart"}}, {{"undo"}}, {{"check"}}, {{"json"}}});
  CliOptions options;
  // Help and version are answered whatever else the line holds.
  if (read.given.count("h") != 0) {
    options.action = CliOptions::Action::kHelp;
    return options;
  }
  if (read.given.count("version") != 0) {
    options.action = CliOptions::Action::kVersion;
    return options;
  }
  if (!read.error.empty()) {
    throw UsageError(Fill(Tr("Program", "%1 (see --help)"), {AnsiFromUtf8(read.error)}));
  }
  options.no_restart = read.given.count("no-restart") != 0;
  options.undo = read.given.count("undo") != 0;
  options.json = read.given.count("json") != 0;
  if (read.given.count("check") != 0) options.action = CliOptions::Action::kCheck;
  options.code = CustomerCode(read.arguments);
  return options;
}

}  // namespace skarvel
