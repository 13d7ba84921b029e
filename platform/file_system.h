#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace skarvel {

// Files and folders, named in Windows-1252 domain text; on the disk the names are UTF-8, as a
// Linux user expects to see them. None of these throws: a failure is a false result. Where a
// caller must say why, it passes why, which a failure sets to one sentence naming the file and
// the system's cause ("could not copy /a/x to /b/x: No space left on device").

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Creates the folder and every missing parent; true when the folder exists afterwards.
bool CreateFolders(const std::string& path, std::string* why = nullptr);
// Removes the folder only when it is empty.
bool RemoveEmptyFolder(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to, std::string* why = nullptr);
// Renames only when nothing carries the new name yet, atomically; false otherwise.
bool RenameNoReplace(const std::string& from, const std::string& to);
// Copies one file, overwriting the destination.
bool CopyFileOver(const std::string& from, const std::string& to, std::string* why = nullptr);
// Copies a folder's contents into another, subfolders included, overwriting, creating the
// destination when missing. Symbolic links are copied as links, never followed. Stops at the
// first file that cannot be copied.
bool CopyFolderContents(const std::string& from, const std::string& to, std::string* why = nullptr);
bool DeleteFile(const std::string& path);
// The file's bytes; none when it cannot be read.
std::optional<std::string> ReadFileText(const std::string& path);
// Deletes a folder with everything in it.
bool DeleteTree(const std::string& path, std::string* why = nullptr);
// Writes text as the file's whole contents, replacing it.
bool WriteTextFile(const std::string& path, const std::string& text, std::string* why = nullptr);

struct FolderEntry {
  std::string name;
  bool directory = false;
  bool hidden = false;  // the name starts with "."
  bool link = false;    // a symbolic link (to a folder, it is no folder of this tree)
  std::uintmax_t size = 0;
};

// The entries of a folder ("." and ".." excluded) in the order the system lists them; empty when
// the folder cannot be read.
std::vector<FolderEntry> ListFolder(const std::string& path);
// The name in the folder that equals name without regard to case (the exact spelling first);
// empty when there is none.
std::string FindNameIgnoringCase(const std::string& folder, const std::string& name);

// The path with ".", ".." and symbolic links resolved, as far as it exists (the rest appended as
// written); without a trailing "/" except for the root.
std::string RealPath(const std::string& path);

// Why this user cannot make files in the folder (the system's words: "Read-only file system",
// "Permission denied"); empty when it can.
std::string WriteProblem(const std::string& folder);

// Who owns a file or folder (links followed) and its mode bits; none when it cannot be asked.
struct FileOwnership {
  unsigned uid = 0;
  unsigned gid = 0;
  unsigned mode = 0;  // the permission bits, 07777
};
std::optional<FileOwnership> OwnershipOf(const std::string& path);

// The bytes free for this user on the file system of path, or of its nearest folder that exists;
// none when it cannot be asked.
std::optional<std::uintmax_t> FreeSpace(const std::string& path);
// The device of that file system, to tell whether two paths share one.
std::optional<std::uintmax_t> FileSystemOf(const std::string& path);

// The folder of this program's own executable, ending in "/".
std::string OwnProgramFolder();
// The user's home folder, ending in "/".
std::string HomeFolder();

}  // namespace skarvel
