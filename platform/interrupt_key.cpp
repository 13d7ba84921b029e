#include "platform/interrupt_key.h"

#include <signal.h>

#include "platform/child_groups.h"

namespace skarvel {
namespace {

volatile sig_atomic_t pressed = 0;
volatile sig_atomic_t presses = 0;

void OnInterrupt(int) {
  pressed = 1;
  presses = presses + 1;
  if (presses < 2) return;
  // The programs this one started run in groups of their own, out of the terminal's reach: they
  // end first, and this program (holding its instance lock until then) after them, as the
  // terminal's Ctrl-C would have ended it.
  EndChildGroups();
  ::signal(SIGINT, SIG_DFL);
  ::raise(SIGINT);
}

}  // namespace

void CatchInterruptKey() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigaction(SIGINT, &action, nullptr);
}

bool InterruptKeyPressed() { return pressed != 0; }

void ClearInterruptKey() { pressed = 0; }

}  // namespace skarvel
