#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/ansi_text.h"
#include "platform/file_system.h"
#include "platform/folder_path.h"
#include "platform/translation.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;

fs::path OsPath(const std::string& path) { return fs::path(Utf8FromAnsi(path)); }

std::string AnsiText(const fs::path& path) { return AnsiFromUtf8(path.string()); }

std::error_code LastError() { return std::error_code(errno, std::generic_category()); }

// Closes a descriptor when it goes out of scope.
class OpenFile {
 public:
  explicit OpenFile(int fd) : fd_(fd) {}
  ~OpenFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  int get() const { return fd_; }
  // Closes it now, for the error a full or remote disk may give only then.
  std::error_code Close() {
    const int fd = std::exchange(fd_, -1);
    return ::close(fd) == 0 ? std::error_code() : LastError();
  }

 private:
  int fd_;
};

// Writes all of count bytes; the system's error when it could not.
std::error_code WriteAll(int fd, const char* data, std::size_t count) {
  while (count > 0) {
    const ssize_t written = ::write(fd, data, count);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return LastError();
    data += written;
    count -= static_cast<std::size_t>(written);
  }
  return {};
}

// One file's bytes and permissions over to, replacing it. The library's copy says "Input/output
// error" for whatever went wrong on the way; a person needs the system's own cause ("No space
// left on device").
std::error_code CopyFileData(const fs::path& from, const fs::path& to) {
  OpenFile in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) return LastError();
  struct stat info {};
  if (::fstat(in.get(), &info) != 0) return LastError();
  const mode_t mode = info.st_mode & 07777;
  OpenFile out(::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode));
  if (out.get() < 0) return LastError();
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t count = ::read(in.get(), buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return LastError();
    if (count == 0) break;
    if (const std::error_code error =
            WriteAll(out.get(), buffer, static_cast<std::size_t>(count))) {
      return error;
    }
  }
  if (::fchmod(out.get(), mode) != 0) return LastError();
  return out.Close();
}

// The system's own words for error.
std::string Words(const std::error_code& error) { return AnsiFromUtf8(error.message()); }

// Sets why, when asked for, to the sentence: what could not be done and the system's words;
// false.
bool Failed(std::string* why, std::string sentence) {
  if (why != nullptr) *why = std::move(sentence);
  return false;
}

std::string CopyFailed(const std::string& from, const std::string& to,
                       const std::error_code& error) {
  return Fill(Tr("System", "could not copy %1 to %2: %3"), {from, to, Words(error)});
}

}  // namespace

bool FileExists(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(OsPath(path), error);
}

bool FolderExists(const std::string& path) {
  std::error_code error;
  return fs::is_directory(OsPath(path), error);
}

bool CreateFolders(const std::string& path, std::string* why) {
  std::error_code error;
  fs::create_directories(OsPath(path), error);
  if (FolderExists(path)) return true;
  if (!error) error = std::make_error_code(std::errc::not_a_directory);
  return Failed(why,
                Fill(Tr("System", "could not create the folder %1: %2"), {path, Words(error)}));
}

bool RemoveEmptyFolder(const std::string& path) {
  std::error_code error;
  return fs::is_empty(OsPath(path), error) && fs::remove(OsPath(path), error);
}

bool RenameFile(const std::string& from, const std::string& to, std::string* why) {
  std::error_code error;
  fs::rename(OsPath(from), OsPath(to), error);
  return !error ||
         Failed(why, Fill(Tr("System", "could not rename %1 to %2: %3"), {from, to, Words(error)}));
}

bool RenameNoReplace(const std::string& from, const std::string& to) {
  return ::renameat2(AT_FDCWD, OsPath(from).c_str(), AT_FDCWD, OsPath(to).c_str(),
                     RENAME_NOREPLACE) == 0;
}

bool CopyFileOver(const std::string& from, const std::string& to, std::string* why) {
  const std::error_code error = CopyFileData(OsPath(from), OsPath(to));
  return !error || Failed(why, CopyFailed(from, to, error));
}

// A symbolic link copied as a link, over whatever file or link carried its name.
std::error_code CopyLink(const fs::path& link, const fs::path& copy) {
  std::error_code error;
  const fs::path target = fs::read_symlink(link, error);
  if (error) return error;
  if (fs::is_symlink(fs::symlink_status(copy, error)) || fs::is_regular_file(copy, error)) {
    fs::remove(copy, error);
  }
  fs::create_symlink(target, copy, error);
  return error;
}

// One entry of a folder copy; the error of the attempt.
std::error_code CopyEntry(const fs::directory_entry& entry, const fs::path& copy) {
  std::error_code error;
  if (entry.is_symlink(error)) return CopyLink(entry.path(), copy);
  if (entry.is_directory(error)) {
    if (!fs::create_directories(copy, error) && !fs::is_directory(copy)) {
      if (!error) error = std::make_error_code(std::errc::not_a_directory);
    }
    return error;
  }
  return CopyFileData(entry.path(), copy);
}

bool CopyFolderContents(const std::string& from, const std::string& to, std::string* why) {
  if (!FolderExists(from)) {
    return Failed(why,
                  Fill(Tr("System", "could not copy from %1: %2"),
                       {from, Words(std::make_error_code(std::errc::no_such_file_or_directory))}));
  }
  if (!CreateFolders(to, why)) return false;
  std::string source_text = Utf8FromAnsi(from);
  while (source_text.size() > 1 && source_text.back() == '/') source_text.pop_back();
  const fs::path source(source_text);
  const fs::path destination = OsPath(to);
  std::error_code error;
  // A link in a package stays a link: following it could copy a folder from anywhere on the
  // disk into the till folder.
  for (fs::recursive_directory_iterator it(source, error), end; !error && it != end;
       it.increment(error)) {
    // Relative by the names alone: resolving the entry would follow the link it may be.
    const fs::path copy = destination / it->path().lexically_relative(source);
    // A full or read-only disk fails every later file the same way: the first says it all.
    if (const std::error_code failed = CopyEntry(*it, copy)) {
      return Failed(why, CopyFailed(AnsiText(it->path()), AnsiText(copy), failed));
    }
  }
  if (error) {
    return Failed(why,
                  Fill(Tr("System", "could not read the folder %1: %2"), {from, Words(error)}));
  }
  return true;
}

bool DeleteFile(const std::string& path) {
  std::error_code error;
  return fs::remove(OsPath(path), error);
}

std::string WriteProblem(const std::string& folder) {
  if (::access(OsPath(folder).c_str(), W_OK | X_OK) == 0) return "";
  return std::strerror(errno);
}

std::optional<FileOwnership> OwnershipOf(const std::string& path) {
  struct stat info {};
  if (::stat(OsPath(path).c_str(), &info) != 0) return std::nullopt;
  return FileOwnership{info.st_uid, info.st_gid, info.st_mode & 07777u};
}

std::optional<std::string> ReadFileText(const std::string& path) {
  std::ifstream file(OsPath(path), std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

bool DeleteTree(const std::string& path, std::string* why) {
  std::error_code error;
  fs::remove_all(OsPath(path), error);
  return !error || Failed(why, Fill(Tr("System", "could not delete %1: %2"), {path, Words(error)}));
}

bool WriteTextFile(const std::string& path, const std::string& text, std::string* why) {
  std::ofstream file(OsPath(path), std::ios::binary | std::ios::trunc);
  file << text;
  file.close();
  if (file) return true;
  const std::error_code error(errno, std::generic_category());
  return Failed(why, Fill(Tr("System", "could not write %1: %2"), {path, Words(error)}));
}

std::vector<FolderEntry> ListFolder(const std::string& path) {
  std::vector<FolderEntry> entries;
  std::error_code error;
  for (fs::directory_iterator it(OsPath(path), error), end; !error && it != end;
       it.increment(error)) {
    FolderEntry entry;
    entry.name = AnsiText(it->path().filename());
    std::error_code ignored;
    entry.directory = it->is_directory(ignored);
    entry.link = it->is_symlink(ignored);
    entry.hidden = !entry.name.empty() && entry.name.front() == '.';
    entry.size = entry.directory ? 0 : it->file_size(ignored);
    if (ignored) entry.size = 0;
    entries.push_back(entry);
  }
  return entries;
}

namespace {

// The path itself when it exists, else its nearest parent that does.
fs::path ExistingAncestor(const std::string& path) {
  std::error_code error;
  fs::path existing = OsPath(path);
  while (!existing.empty() && !fs::exists(existing, error)) {
    if (existing == existing.parent_path()) break;
    existing = existing.parent_path();
  }
  return existing.empty() ? fs::path("/") : existing;
}

}  // namespace

std::optional<std::uintmax_t> FreeSpace(const std::string& path) {
  std::error_code error;
  const fs::space_info space = fs::space(ExistingAncestor(path), error);
  if (error) return std::nullopt;
  return space.available;
}

std::optional<std::uintmax_t> FileSystemOf(const std::string& path) {
  struct stat info {};
  if (::stat(ExistingAncestor(path).c_str(), &info) != 0) return std::nullopt;
  return static_cast<std::uintmax_t>(info.st_dev);
}

std::string RealPath(const std::string& path) {
  std::error_code error;
  fs::path real = fs::weakly_canonical(OsPath(path), error);
  if (error) real = OsPath(path).lexically_normal();
  std::string text = real.string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return AnsiFromUtf8(text);
}

std::string OwnProgramFolder() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  return WithTrailingSeparator(error ? std::string() : AnsiText(program.parent_path()));
}

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  return WithTrailingSeparator(home != nullptr ? AnsiFromUtf8(home) : std::string("/root"));
}

}  // namespace skarvel

namespace skarvel {

std::string FindNameIgnoringCase(const std::string& folder, const std::string& name) {
  std::string found;
  for (const FolderEntry& entry : ListFolder(folder)) {
    if (entry.name == name) return entry.name;
    if (found.empty() && SameText(entry.name, name)) found = entry.name;
  }
  return found;
}

}  // namespace skarvel
