#pragma once

#include <string>

namespace skarvel {

// The programs' own state folder, $XDG_STATE_HOME/skarvel/ (default ~/.local/state/skarvel/),
// Windows-1252, ending in "/": the run log, the instance lock and the work folder below it. State
// kept there survives restarts and is not the desktop's cache cleaners' to remove.
std::string ProgramStateFolder();

}  // namespace skarvel
