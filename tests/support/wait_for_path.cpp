#include "tests/support/wait_for_path.h"

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
  explicit Watch(const fs::path& folder) : fd_(::inotify_init1(IN_CLOEXEC)) {
    // The folder itself may be moved away (to the trash) and made again.
    if (fd_ >= 0) {
      ::inotify_add_watch(fd_, folder.c_str(),
                          IN_CREATE | IN_MOVED_TO | IN_MOVE_SELF | IN_DELETE_SELF);
    }
  }
  ~Watch() {
    if (fd_ >= 0) ::close(fd_);
  }
  Watch(const Watch&) = delete;
  Watch& operator=(const Watch&) = delete;
  // True when something arrived in the folder before the time ran out.
  bool Wait(std::chrono::milliseconds left) const {
    pollfd ready{fd_, POLLIN, 0};
    return fd_ >= 0 && ::poll(&ready, 1, static_cast<int>(left.count())) > 0;
  }

 private:
  int fd_;
};

}  // namespace

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
