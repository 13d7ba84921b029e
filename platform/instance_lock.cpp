#include "platform/instance_lock.h"

#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

#include "platform/file_system.h"
#include "platform/translation.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

std::string ReadAll(int fd) {
  std::string text;
  char buffer[64];
  ::lseek(fd, 0, SEEK_SET);
  for (ssize_t count; (count = ::read(fd, buffer, sizeof buffer)) > 0;) {
    text.append(buffer, static_cast<std::size_t>(count));
  }
  return text;
}

}  // namespace

InstanceLock::InstanceLock(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash != std::string::npos) CreateFolders(path.substr(0, slash + 1));
  fd_ = ::open(Utf8FromAnsi(path).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) return;
  held_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
  if (!held_) {
    const std::string pid = ReadAll(fd_);
    holder_ = pid.empty() ? "" : Fill(Tr("System", "process %1"), {pid});
    holder_id_ = static_cast<int>(std::strtol(pid.c_str(), nullptr, 10));
    return;
  }
  // The holder's process number, for the message of the one that is kept out; without it that
  // message only says that another runs.
  const std::string pid = std::to_string(::getpid());
  if (::ftruncate(fd_, 0) != 0 || ::write(fd_, pid.data(), pid.size()) < 0) return;
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace skarvel
