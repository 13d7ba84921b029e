#pragma once

#include <memory>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

namespace skarvel::test {

// A CUPS scheduler of the test's own (cupsd -f), listening only on a socket in a temporary
// folder, with its configuration, spool and logs there too; CUPS_SERVER points libcups at it
// while the object lives. The serial and parallel backends are stand-ins that accept the device,
// since Debian's cups-daemon carries only the network ones. Stopped, with its queues, at the end.
class CupsServerProcess {
 public:
  // Who may add or change printers: anyone; someone with a password (as a shop's scheduler asks
  // of a user who is no administrator); or, as Debian's scheduler is set up, only the system's
  // administrators (root here), recognised by their account, with listing the devices limited
  // the same way.
  enum class Printers { kAnyone, kPassword, kAdministrators };
  explicit CupsServerProcess(Printers who = Printers::kAnyone);

  // Its socket, which every account may reach.
  std::string socket() const { return folder_.File("cups.sock"); }

 private:
  TempFolder folder_;
  std::unique_ptr<ChildProcess> process_;
  std::unique_ptr<ScopedEnvironment> server_;
};

}  // namespace skarvel::test
