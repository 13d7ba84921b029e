#include "platform/private_folder.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_system.h"
#include "platform/translation.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

std::string ProblemOf(const struct stat& info) {
  if (!S_ISDIR(info.st_mode)) return Tr("System", "it is no folder");
  if (info.st_uid != ::geteuid()) {
    return Fill(Tr("System", "it belongs to another user (user id %1)"),
                {std::to_string(info.st_uid)});
  }
  if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    return Tr("System", "other users may write in it");
  }
  return "";
}

}  // namespace

std::string MakePrivateFolder(const std::string& folder) {
  const std::string path = Utf8FromAnsi(folder);
  std::string parent = path;
  while (parent.size() > 1 && parent.back() == '/') parent.pop_back();
  parent = parent.substr(0, parent.rfind('/') + 1);
  if (!parent.empty() && !CreateFolders(AnsiFromUtf8(parent))) {
    return Tr("System", "its parent cannot be made");
  }
  if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return std::strerror(errno);
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::strerror(errno);
  if (const std::string why = ProblemOf(info); !why.empty()) return why;
  if ((info.st_mode & 077) != 0 && ::chmod(path.c_str(), 0700) != 0) return std::strerror(errno);
  return "";
}

std::string PrivateFolderProblem(const std::string& folder) {
  struct stat info {};
  if (::stat(Utf8FromAnsi(folder).c_str(), &info) != 0) {
    return errno == ENOENT ? "" : std::strerror(errno);
  }
  return ProblemOf(info);
}

}  // namespace skarvel
