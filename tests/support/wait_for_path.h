#pragma once

#include <chrono>
#include <string>

namespace skarvel::test {

// Waits until path exists, woken by the file system's own notices (inotify), never by a timer;
// false when the deadline passes first. The folders above it need not exist yet.
bool WaitForPath(const std::string& path, std::chrono::milliseconds deadline);

}  // namespace skarvel::test
