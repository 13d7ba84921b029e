#include "platform/administrator.h"

#include <sstream>
#include <unistd.h>

#include "platform/ansi_text.h"
#include "platform/file_system.h"
#include "platform/login_session.h"

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
    return {false, kNeedsAdministrator + what +
                       " needs the administrator's consent through polkit, and pkexec is not "
                       "installed (Debian package pkexec)"};
  }
  if (!FileExists(helper_)) {
    return {false, kNeedsAdministrator + what + " needs the helper " + helper_ +
                       ", which is missing: install the skarvel package again"};
  }
  std::vector<std::string> command{"--disable-internal-agent", helper_, operation};
  command.insert(command.end(), arguments.begin(), arguments.end());
  if (log_) log_("the administrator's part: " + what + " (" + helper_ + " " + operation + ")");
  const ChildOutcome outcome = programs_.RunAndWait(kPkexec, command, "", pump_);
  LogLines(log_, outcome.output);
  LogLines(log_, outcome.errors);
  const std::string words = LastWords(outcome);
  if (!outcome.started)
    return {false, kNeedsAdministrator + what + ": pkexec could not be started"};
  if (!outcome.ended) return {false, what + " did not end: the program is closing"};
  switch (outcome.exit_code) {
    case 0:
      return {true, ""};
    case kDismissed:
      return {false, kNeedsAdministrator + what +
                         ": the administrator's authentication was "
                         "dismissed"};
    case kNotAuthorized:
      return {false, kNeedsAdministrator + what + " was not allowed (" + words + ")"};
    case kFailed:
    case kRefused:
      return {false, what + " failed: " + words};
    default:
      return {false, what + " failed (pkexec ended with exit code " +
                         std::to_string(outcome.exit_code) + ": " + words + ")"};
  }
}

AdminPermission AskAdminPermission() {
  if (!ProgramOnPath("pkcheck")) {
    return {AdminPermission::Answer::kUnknown, "pkcheck is not installed (no polkit here)"};
  }
  const ChildOutcome outcome = RunShortProgram(
      "pkcheck", {"--action-id", kAdministratorAction, "--process", ProcessSubject()});
  const std::string words = LastWords(outcome);
  const bool session = InLoginSession();
  switch (outcome.started ? outcome.exit_code : -1) {
    case 0:
      return {AdminPermission::Answer::kYes, "polkit allows it without a password", session};
    case 1:
      return {AdminPermission::Answer::kNo, "polkit does not allow it", session};
    case 2:
      return {AdminPermission::Answer::kAuthenticationNeeded,
              "polkit allows it after an administrator's authentication", session};
    default:
      return {AdminPermission::Answer::kUnknown,
              "polkit did not answer" + (words.empty() ? std::string() : " (" + words + ")"),
              session};
  }
}

}  // namespace skarvel
