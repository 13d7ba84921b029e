#pragma once

#include <string>
#include <vector>

#include "platform/system_account.h"

namespace skarvel {

// What an account may do with a file or folder (Windows-1252 path; symbolic links followed, as
// a program opening it follows them), judged by its mode bits and its POSIX access control list
// the way the system judges an access.
enum Access : unsigned { kRead = 4, kWrite = 2, kSearch = 1 };
bool AccountMay(const SystemAccount& account, const std::string& path, unsigned access);

// What another account (a database server's) needs to read and write file: search on each folder
// above it that it cannot pass yet, and read and write on the file itself. problem says why this
// user cannot give it (a folder or the file belongs to somebody else, the file system keeps no
// access lists), with what an administrator runs instead; empty when it can, or nothing is
// needed. Folders and a file that do not exist yet need nothing: this user makes them later,
// passable for others. Nothing is changed.
struct FileAccessPlan {
  std::vector<std::string> folders;  // to be given search (x)
  bool file = false;                 // the file to be given read and write
  std::string problem;
};
FileAccessPlan PlanFileAccess(const SystemAccount& account, const std::string& file);

// Gives the account what PlanFileAccess found missing, as entries of the access control lists
// (the owner may set them without being root). Nothing becomes readable or writable for others,
// and no mode bit of the owner or of others changes. Empty when the account can now read and
// write the file; otherwise why not, and nothing was changed when the plan already said so.
std::string GrantFileAccess(const SystemAccount& account, const std::string& file);

}  // namespace skarvel
