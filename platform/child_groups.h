#pragma once

#include <sys/types.h>

namespace skarvel {

// The process groups of the child programs that run now, each a group of its own (led by the
// program's process), so that an end that cannot wait for them still does not leave them
// behind. Every function is safe to call from a signal handler.

void NoteChildGroup(pid_t group);
void ForgetChildGroup(pid_t group);

// Ends every noted group (TERM, and KILL for what is left after a few seconds) and returns once
// no process of any of them is left.
void EndChildGroups();

}  // namespace skarvel
