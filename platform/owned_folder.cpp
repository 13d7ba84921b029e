#include "platform/owned_folder.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/translation.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// Removes the folders made, deepest first, through the descriptors of the folders above them.
void Unmake(const std::vector<Descriptor>& walk, const std::vector<std::size_t>& made,
            const std::vector<std::string>& names) {
  for (auto it = made.rbegin(); it != made.rend(); ++it) {
    ::unlinkat(walk[*it - 1].get(), names[*it].c_str(), AT_REMOVEDIR);
  }
}

}  // namespace

std::string MakeFolderFor(const std::string& folder, unsigned uid, unsigned gid) {
  const std::string path = Utf8FromAnsi(folder);
  if (path.empty() || path.front() != '/') {
    return Fill(Tr("System", "%1: not an absolute folder"), {path});
  }
  // Each folder is reached from the one above through its descriptor, never by its name again:
  // a link put in the way is not followed, and the hand-over reaches the folders that were made.
  std::vector<Descriptor> walk;
  walk.emplace_back(::open("/", kFolderFlags));
  std::vector<std::string> names{"/"};
  std::vector<std::size_t> made;
  // Nothing half-made stays behind: what this call made goes again when it fails.
  const auto fail = [&](const std::string& what) {
    const int error = errno;
    Unmake(walk, made, names);
    return what + ": " + std::strerror(error);
  };
  std::size_t start = 1;
  while (start < path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    const std::string name = path.substr(start, end - start);
    start = end + 1;
    if (name.empty()) continue;
    const int above = walk.back().get();
    if (::mkdirat(above, name.c_str(), 0700) == 0) {
      made.push_back(walk.size());
    } else if (errno != EEXIST) {
      return fail(path.substr(0, end));
    }
    names.push_back(name);
    walk.emplace_back(::openat(above, name.c_str(), kFolderFlags));
    if (walk.back().get() < 0) return fail(path.substr(0, end));
  }
  // Readable for the database server and the till's other programs, whatever the umask.
  for (const std::size_t at : made) {
    if (::fchmod(walk[at].get(), 0755) != 0) return fail(path);
  }
  // Only the folder asked for becomes the account's: a folder made above it stays the
  // administrator's, so the account gets no say over what else comes to stand there.
  if (!made.empty() && made.back() == walk.size() - 1 &&
      ::fchown(walk.back().get(), uid, gid) != 0) {
    return fail(path);
  }
  return "";
}

}  // namespace skarvel
