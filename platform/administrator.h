#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/child_programs.h"
#include "platform/event_pump.h"
#include "platform/translation.h"

namespace skarvel {

// The polkit action an administrator grants for a till's installation; the helper program is
// its only program.
inline constexpr char kAdministratorAction[] = "org.skarvel.install-till";

// How an operation of the administrator's part ended.
struct AdminOutcome {
  bool done = false;
  // Why not, in words for the person; it starts with kNeedsAdministrator, in the person's
  // language (Tr("System", kNeedsAdministrator)), when no consent was given (refused, dismissed,
  // no authentication agent, no polkit).
  std::string problem;
};

inline constexpr char kNeedsAdministrator[] = SKARVEL_TEXT("System", "needs an administrator: ");

// What the till's own user cannot do alone goes through one door: the helper program, which
// knows a closed list of operations and checks every argument, run as root with an
// administrator's consent. Operations run one at a time, each waited for while events pump.
class Administrator {
 public:
  virtual ~Administrator() = default;
  // Runs the helper's operation with its arguments (Windows-1252 text). what names the work
  // for the person ("installing the database server").
  virtual AdminOutcome Run(const std::string& operation, const std::vector<std::string>& arguments,
                           const std::string& what) = 0;
};

// The helper started with pkexec, without pkexec's own text agent: the desktop's
// authentication agent asks the administrator, and nothing ever asks on a terminal.
class PkexecAdministrator final : public Administrator {
 public:
  // log: told each line the helper and pkexec wrote, for the run log.
  PkexecAdministrator(std::string helper, ChildPrograms& programs, EventPump& pump,
                      std::function<void(const std::string&)> log)
      : helper_(std::move(helper)), programs_(programs), pump_(pump), log_(std::move(log)) {}

  AdminOutcome Run(const std::string& operation, const std::vector<std::string>& arguments,
                   const std::string& what) override;

 private:
  std::string helper_;
  ChildPrograms& programs_;
  EventPump& pump_;
  std::function<void(const std::string&)> log_;
};

// Whether polkit would let this process run the administrator's part now, asked without
// anybody being asked anything (pkcheck): yes, after an administrator's authentication, no, or
// unknown (no polkit answers), with the reason in words. An authentication needs an agent, which
// only a login session of the desktop has.
struct AdminPermission {
  enum class Answer { kYes, kAuthenticationNeeded, kNo, kUnknown };
  Answer answer = Answer::kUnknown;
  std::string detail;
  bool in_session = false;  // this process belongs to a desktop session (its agent asks)
};
AdminPermission AskAdminPermission();

}  // namespace skarvel
