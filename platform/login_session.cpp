#include "platform/login_session.h"

#include <cstdlib>
#include <string>
#include <systemd/sd-login.h>

namespace skarvel {

bool InDesktopSession() {
  char* session = nullptr;
  if (sd_pid_get_session(0, &session) < 0 || session == nullptr) return false;
  char* type = nullptr;
  const bool typed = sd_session_get_type(session, &type) >= 0 && type != nullptr;
  const std::string kind = typed ? type : "";
  std::free(type);
  std::free(session);
  return kind == "x11" || kind == "wayland" || kind == "mir";
}

bool DisplayNamed() {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

}  // namespace skarvel
