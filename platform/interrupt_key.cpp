#include "platform/interrupt_key.h"

#include <signal.h>

namespace skarvel {
namespace {

volatile sig_atomic_t pressed = 0;

void OnInterrupt(int) { pressed = 1; }

}  // namespace

void CatchInterruptKey() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  action.sa_flags = SA_RESETHAND;
  sigaction(SIGINT, &action, nullptr);
}

bool InterruptKeyPressed() { return pressed != 0; }

void ClearInterruptKey() { pressed = 0; }

}  // namespace skarvel
