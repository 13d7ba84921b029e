#include "platform/work_beside.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace skarvel {

void RunBeside(const std::function<void()>& work, const std::function<bool()>& tick,
               const std::function<void()>& interrupt, std::chrono::milliseconds interval) {
  std::mutex mutex;
  std::condition_variable signal;
  bool ended = false;
  std::thread worker([&] {
    work();
    const std::lock_guard<std::mutex> lock(mutex);
    ended = true;
    signal.notify_one();
  });
  std::exception_ptr raised;
  bool going = true;
  for (;;) {
    {
      std::unique_lock<std::mutex> lock(mutex);
      if (signal.wait_for(lock, interval, [&] { return ended; })) break;
    }
    if (!going) continue;  // interrupted: only the end is awaited now
    try {
      going = tick();
    } catch (...) {
      raised = std::current_exception();
      going = false;
    }
    if (!going) interrupt();
  }
  worker.join();
  if (raised) std::rethrow_exception(raised);
}

}  // namespace skarvel
