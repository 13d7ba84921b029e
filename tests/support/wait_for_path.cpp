#include "tests/support/wait_for_path.h"

#include <cstdint>
#include <filesystem>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace skarvel::test {
namespace {

namespace fs = std::filesystem;

// An inotify descriptor, closed at the end of the scope.
class Watch {
 public:
  // The folder itself may be moved away (to the trash) and made again.
  explicit Watch(const fs::path& folder,
                 std::uint32_t events = IN_CREATE | IN_MOVED_TO | IN_MOVE_SELF | IN_DELETE_SELF)
      : fd_(::inotify_init1(IN_CLOEXEC)) {
    if (fd_ >= 0) ::inotify_add_watch(fd_, folder.c_str(), events);
  }
  ~Watch() {
    if (fd_ >= 0) ::close(fd_);
  }
  Watch(const Watch&) = delete;
  Watch& operator=(const Watch&) = delete;
  // True when something arrived in the folder before the time ran out; what arrived is read.
  bool Wait(std::chrono::milliseconds left) const {
    pollfd ready{fd_, POLLIN, 0};
    if (fd_ < 0 || ::poll(&ready, 1, static_cast<int>(left.count())) <= 0) return false;
    char events[4096];
    return ::read(fd_, events, sizeof events) > 0;
  }

 private:
  int fd_;
};

std::chrono::milliseconds Left(std::chrono::steady_clock::time_point end) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(end -
                                                               std::chrono::steady_clock::now());
}

}  // namespace

bool WaitForChange(const std::string& file, const std::function<bool()>& done,
                   std::chrono::milliseconds deadline) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  const Watch watch(fs::path(file).parent_path(), IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE);
  while (!done()) {
    if (Left(end).count() <= 0 || !watch.Wait(Left(end))) return done();
  }
  return true;
}

bool WaitForPath(const std::string& path, std::chrono::milliseconds deadline) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  for (;;) {
    std::error_code error;
    if (fs::exists(path, error)) return true;
    // The nearest folder that exists is watched for the next step towards path.
    fs::path next = fs::path(path);
    while (next.has_parent_path() && next.parent_path() != next &&
           !fs::exists(next.parent_path(), error)) {
      next = next.parent_path();
    }
    const Watch watch(next.parent_path());
    if (fs::exists(next, error)) continue;  // it came before the watch did
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        end - std::chrono::steady_clock::now());
    if (left.count() <= 0 || !watch.Wait(left)) return fs::exists(path, error);
  }
}

}  // namespace skarvel::test
