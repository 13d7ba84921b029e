#include "platform/state_folder.h"

#include <cstdlib>

#include "platform/folder_path.h"
#include "platform/windows1252.h"

namespace skarvel {

std::string ProgramStateFolder() {
  const char* state = std::getenv("XDG_STATE_HOME");
  const char* home = std::getenv("HOME");
  // The XDG rules take a relative value as unset.
  const std::string base = state != nullptr && state[0] == '/'
                               ? std::string(state)
                               : std::string(home != nullptr ? home : "/root") + "/.local/state";
  return WithTrailingSeparator(AnsiFromUtf8(base)) + "skarvel/";
}

}  // namespace skarvel
