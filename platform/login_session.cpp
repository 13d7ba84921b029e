#include "platform/login_session.h"

#include <cstdlib>
#include <systemd/sd-login.h>

namespace skarvel {

bool InLoginSession() {
  char* session = nullptr;
  if (sd_pid_get_session(0, &session) < 0 || session == nullptr) return false;
  std::free(session);
  return true;
}

}  // namespace skarvel
