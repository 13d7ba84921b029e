#pragma once

#include <chrono>
#include <functional>

namespace skarvel {

// Runs work on a thread of its own and returns as soon as it has returned, while the calling
// thread keeps its own duties: it calls tick at least every `interval` while the work runs.
// tick returns false to end the work early: interrupt is then called once (it must make the
// work return soon, and may be called from any thread) and no tick follows. What tick throws is
// kept, interrupt called, the work's end awaited, and the exception rethrown here. Nothing the
// work shares with tick is guarded here.
void RunBeside(const std::function<void()>& work, const std::function<bool()>& tick,
               const std::function<void()>& interrupt,
               std::chrono::milliseconds interval = std::chrono::milliseconds(100));

}  // namespace skarvel
