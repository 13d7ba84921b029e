#include "platform/administrator.h"

#include <sstream>
#include <unistd.h>

#include "platform/ansi_text.h"
#include "platform/file_system.h"
#include "platform/login_session.h"
#include "platform/translation.h"

namespace skarvel {
namespace {

constexpr char kPkexec[] = "pkexec";
// pkexec's own ends: the authentication dialog dismissed, or no authorization (not allowed, no
// authentication agent, no polkit).
constexpr int kDismissed = 126;
constexpr int kNotAuthorized = 127;
// The helper's: the operation failed, or it refused an operation or argument.
constexpr int kFailed = 1;
constexpr int kRefused = 2;

// The program's last words, on one line: its error stream's, else its output's.
std::string LastWords(const ChildOutcome& outcome) {
  std::string text = Trim(outcome.errors.empty() ? outcome.output : outcome.errors);
  if (const std::size_t end = text.find_last_of('\n'); end != std::string::npos) {
    text = text.substr(end + 1);
  }
  return text;
}

// The process's start time, which with its id names it to polkit without a race.
std::string ProcessSubject() {
  const std::string stat = ReadFileText("/proc/self/stat").value_or("");
  const std::size_t end = stat.rfind(')');
  std::string field;
  if (end != std::string::npos) {
    std::istringstream fields(stat.substr(end + 2));
    // After the name: state, then fields 4 to 22; the start time is the 22nd.
    for (int i = 3; i <= 22 && fields >> field; ++i) {
    }
  }
  const std::string pid = std::to_string(::getpid());
  return field.empty() ? pid : pid + "," + field + "," + std::to_string(::getuid());
}

// No consent given: the marker the callers look for, then the sentence about what.
std::string NeedsAdministrator(const std::string& sentence) {
  return Tr("System", kNeedsAdministrator) + sentence;
}

void LogLines(const std::function<void(const std::string&)>& log, const std::string& text) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!Trim(line).empty() && log) log("  " + line);
  }
}

}  // namespace

AdminOutcome PkexecAdministrator::Run(const std::string& operation,
                                      const std::vector<std::string>& arguments,
                                      const std::string& what) {
  if (!ProgramOnPath(kPkexec)) {
    return {false, NeedsAdministrator(Fill(Tr("System",
                                              "%1 needs the administrator's consent through "
                                              "polkit, and pkexec is not installed "
                                              "(Debian package pkexec)"),
                                           {what}))};
  }
  if (!FileExists(helper_)) {
    return {false, NeedsAdministrator(Fill(Tr("System",
                                              "%1 needs the helper %2, which is missing: "
                                              "install the skarvel package again"),
                                           {what, helper_}))};
  }
  // pkexec keeps the locale's variables, not the language a customer's record chose: the helper
  // is told, so that its refusals read as the rest of the run.
  std::vector<std::string> command{"--disable-internal-agent", helper_,
                                   std::string("--language=") + CodeOfLanguage(LanguageInUse()),
                                   operation};
  command.insert(command.end(), arguments.begin(), arguments.end());
  if (log_) log_("the administrator's part: " + what + " (" + helper_ + " " + operation + ")");
  const ChildOutcome outcome = InAnsiText(programs_.RunAndWait(kPkexec, command, "", pump_));
  LogLines(log_, outcome.output);
  LogLines(log_, outcome.errors);
  const std::string words = LastWords(outcome);
  if (!outcome.started)
    return {false,
            NeedsAdministrator(Fill(Tr("System", "%1: pkexec could not be started"), {what}))};
  if (!outcome.ended) {
    return {false, Fill(Tr("System", "%1 did not end: the program is closing"), {what})};
  }
  switch (outcome.exit_code) {
    case 0:
      return {true, ""};
    case kDismissed:
      return {false,
              NeedsAdministrator(Fill(
                  Tr("System", "%1: the administrator's authentication was dismissed"), {what}))};
    case kNotAuthorized:
      return {false,
              NeedsAdministrator(Fill(Tr("System", "%1 was not allowed (%2)"), {what, words}))};
    case kFailed:
    case kRefused:
      return {false, Fill(Tr("System", "%1 failed: %2"), {what, words})};
    default:
      return {false, Fill(Tr("System", "%1 failed (pkexec ended with exit code %2: %3)"),
                          {what, std::to_string(outcome.exit_code), words})};
  }
}

AdminPermission AskAdminPermission() {
  if (!ProgramOnPath("pkcheck")) {
    return {AdminPermission::Answer::kUnknown,
            Tr("System", "pkcheck is not installed (no polkit here)")};
  }
  const ChildOutcome outcome = InAnsiText(RunShortProgram(
      "pkcheck", {"--action-id", kAdministratorAction, "--process", ProcessSubject()}));
  const std::string words = LastWords(outcome);
  const bool session = InDesktopSession();
  switch (outcome.started ? outcome.exit_code : -1) {
    case 0:
      return {AdminPermission::Answer::kYes, Tr("System", "polkit allows it without a password"),
              session};
    case 1:
      return {AdminPermission::Answer::kNo, Tr("System", "polkit does not allow it"), session};
    case 2:
      return {AdminPermission::Answer::kAuthenticationNeeded,
              Tr("System", "polkit allows it after an administrator's authentication"), session};
    default:
      return {AdminPermission::Answer::kUnknown,
              words.empty() ? Tr("System", "polkit did not answer")
                            : Fill(Tr("System", "polkit did not answer (%1)"), {words}),
              session};
  }
}

}  // namespace skarvel
