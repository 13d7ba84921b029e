// Values are the file's raw Windows-1252 bytes: no character conversion at all.
#define SI_NO_CONVERSION
#include <SimpleIni.h>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/profile_file.h"
#include "platform/translation.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

// CSimpleIniA matches sections and keys without regard to case; without Unicode mode the values
// stay the file's bytes; key=value without blanks around the equals sign, as Windows writes.
constexpr const char* kCannotRead =
    SKARVEL_TEXT("System", "The settings file %1 cannot be read: %2");
constexpr const char* kCannotWrite =
    SKARVEL_TEXT("System", "The settings file %1 cannot be written: %2");

class Profile {
 public:
  explicit Profile(const std::string& path) : path_(path), disk_path_(Utf8FromAnsi(path)) {
    ini_.SetSpaces(false);
  }

  // A missing file is an empty profile; any other failure to read it is an error.
  void Load() {
    if (::access(disk_path_.c_str(), F_OK) != 0) return;
    if (ini_.LoadFile(disk_path_.c_str()) < 0) Fail(kCannotRead, errno);
  }

  CSimpleIniA& ini() { return ini_; }

  void Save() {
    std::string text;
    if (ini_.Save(text) < 0) Fail(kCannotWrite, ENOMEM);
    ReplaceFile(WithCrLf(text));
  }

 private:
  // CR LF line ends; SimpleIni keeps the blank line before a section as that section's comment
  // and adds its own, so runs of blank lines become one.
  static std::string WithCrLf(const std::string& text) {
    std::string lines;
    lines.reserve(text.size() + text.size() / 16);
    for (std::size_t start = 0; start < text.size();) {
      std::size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      const bool blank = end == start;
      const bool after_blank =
          lines.empty() ||
          (lines.size() >= 4 && lines.compare(lines.size() - 4, 4, "\r\n\r\n") == 0);
      if (!blank || !after_blank) lines.append(text, start, end - start).append("\r\n");
      start = end + 1;
    }
    return lines;
  }

  // A temporary file beside the profile, flushed to the disk, renamed over it. The writer holds
  // a lock on its temporary file until it is done, so one whose writer was killed is told from
  // one being written, and removed.
  void ReplaceFile(const std::string& content) {
    RemoveAbandonedTemporaries();
    std::string temporary = Folder() + "." + Name() + kTemporaryMarker + "XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) Fail(kCannotWrite, errno);
    ::flock(fd, LOCK_EX);
    struct stat existing {};
    // A new file is readable by everyone, as the till's other programs may run as other users.
    const mode_t mode =
        ::stat(disk_path_.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644;
    bool written = ::fchmod(fd, mode) == 0;
    for (std::size_t done = 0; written && done < content.size();) {
      const ssize_t count = ::write(fd, content.data() + done, content.size() - done);
      if (count < 0 && errno == EINTR) continue;
      written = count > 0;
      if (written) done += static_cast<std::size_t>(count);
    }
    const int write_error = errno;
    written = written && ::fsync(fd) == 0;
    const bool replaced = written && ::rename(temporary.c_str(), disk_path_.c_str()) == 0;
    const int error = written ? errno : write_error;
    if (!replaced) ::unlink(temporary.c_str());
    // Closing releases the lock, so only now, with the file renamed or removed.
    ::close(fd);
    if (!replaced) Fail(kCannotWrite, error);
  }

  // Temporary files are hidden and carry a marker no person would write: ".LUMTRAK.pos" +
  // kTemporaryMarker + six random letters. A technician's "LUMTRAK.pos.backup" is never one.
  static constexpr char kTemporaryMarker[] = ".skarvel-write-";
  static constexpr std::size_t kRandomLength = 6;

  std::string Folder() const {
    const std::size_t slash = disk_path_.rfind('/');
    return slash == std::string::npos ? "" : disk_path_.substr(0, slash + 1);
  }
  std::string Name() const { return disk_path_.substr(Folder().size()); }

  // True for a name mkostemp makes for the profile.
  bool IsTemporary(const std::string& name) const {
    const std::string prefix = "." + Name() + kTemporaryMarker;
    if (name.size() != prefix.size() + kRandomLength ||
        name.compare(0, prefix.size(), prefix) != 0) {
      return false;
    }
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
      if (std::isalnum(static_cast<unsigned char>(name[i])) == 0) return false;
    }
    return true;
  }

  void RemoveAbandonedTemporaries() const {
    const std::string folder = Folder().empty() ? "./" : Folder();
    DIR* directory = ::opendir(folder.c_str());
    if (directory == nullptr) return;
    while (const dirent* entry = ::readdir(directory)) {
      if (!IsTemporary(entry->d_name)) continue;
      const std::string path = folder + entry->d_name;
      const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
      if (fd < 0) continue;
      // The lock of a killed writer went with it; a live writer's still holds.
      if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(path.c_str());
      ::close(fd);
    }
    ::closedir(directory);
  }

  // sentence: %1 the file, %2 the system's words.
  [[noreturn]] void Fail(const char* sentence, int error) const {
    const std::string words = AnsiFromUtf8(std::strerror(error));
    throw ProfileError(Fill(Tr("System", sentence), {path_, words}));
  }

  std::string path_;
  std::string disk_path_;
  CSimpleIniA ini_{false, false, false};
};

}  // namespace

std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& fallback) {
  Profile profile(path);
  try {
    profile.Load();
  } catch (const ProfileError&) {
    return fallback;
  }
  const char* value = profile.ini().GetValue(section.c_str(), key.c_str(), nullptr);
  return value != nullptr ? std::string(value) : fallback;
}

void WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value) {
  Profile profile(path);
  profile.Load();
  profile.ini().SetValue(section.c_str(), key.c_str(), value.c_str());
  profile.Save();
}

void EraseProfileSection(const std::string& path, const std::string& section) {
  Profile profile(path);
  profile.Load();
  if (profile.ini().GetSection(section.c_str()) == nullptr) return;
  profile.ini().Delete(section.c_str(), nullptr);
  profile.Save();
}

}  // namespace skarvel
