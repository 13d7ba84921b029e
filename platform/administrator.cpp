#include "platform/administrator.h"

#include <unistd.h>

#include "platform/ansi_text.h"
#include "platform/file_system.h"

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

// The program's last words, on one line.
std::string LastWords(const std::string& output) {
  std::string text = Trim(output);
  if (const std::size_t end = text.find_last_of('\n'); end != std::string::npos) {
    text = text.substr(end + 1);
  }
  return text;
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
  const ChildOutcome outcome = programs_.RunAndWait(kPkexec, command, "", pump_);
  const std::string words = LastWords(outcome.output);
  if (!outcome.started || !outcome.ended) {
    return {false, what + " did not end: the program is closing"};
  }
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
      "pkcheck", {"--action-id", kAdministratorAction, "--process", std::to_string(::getpid())});
  const std::string words = LastWords(outcome.output);
  switch (outcome.started ? outcome.exit_code : -1) {
    case 0:
      return {AdminPermission::Answer::kYes, "polkit allows it without a password"};
    case 1:
      return {AdminPermission::Answer::kNo, "polkit does not allow it"};
    case 2:
      return {AdminPermission::Answer::kAuthenticationNeeded,
              "polkit allows it after an administrator's authentication"};
    default:
      return {AdminPermission::Answer::kUnknown,
              "polkit did not answer" + (words.empty() ? std::string() : " (" + words + ")")};
  }
}

}  // namespace skarvel
