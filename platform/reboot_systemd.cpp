#include <spawn.h>
#include <sys/wait.h>

#include "platform/reboot.h"

extern char** environ;

namespace skarvel {

bool SystemdReboot::Reboot() {
  char program[] = "systemctl";
  char verb[] = "reboot";
  char* argv[] = {program, verb, nullptr};
  pid_t pid = -1;
  if (posix_spawnp(&pid, program, nullptr, nullptr, argv, environ) != 0) return false;
  int status = 0;
  // systemctl hands the request to the service manager and returns at once.
  if (waitpid(pid, &status, 0) != pid) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace skarvel
