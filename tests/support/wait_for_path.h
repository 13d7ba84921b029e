#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace skarvel::test {

// Waits until path exists, woken by the file system's own notices (inotify), never by a timer;
// false when the deadline passes first. The folders above it need not exist yet.
bool WaitForPath(const std::string& path, std::chrono::milliseconds deadline);

// Waits until done() holds, asking again each time something in the folder of file changes
// (inotify), never by a timer; false when the deadline passes first.
bool WaitForChange(const std::string& file, const std::function<bool()>& done,
                   std::chrono::milliseconds deadline);

}  // namespace skarvel::test
