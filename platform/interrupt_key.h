#pragma once

namespace skarvel {

// Ctrl-C as the cancel button of a program without a window: the press is only noted, and
// handled where the wizard would handle a click, at the next pump. A second Ctrl-C ends the
// program at once, as a terminal user expects of a program that does not stop: the child
// programs' groups first (EndChildGroups), then the program itself, by the signal.
void CatchInterruptKey();
bool InterruptKeyPressed();
// The press was handled.
void ClearInterruptKey();

}  // namespace skarvel
