#include "platform/owned_folder.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/windows1252.h"

namespace skarvel {

std::string MakeFolderFor(const std::string& folder, unsigned uid, unsigned gid) {
  std::string path = Utf8FromAnsi(folder);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  std::vector<std::string> made;
  std::size_t slash = 0;
  do {
    slash = path.find('/', slash + 1);
    const std::string part = path.substr(0, slash);
    if (::mkdir(part.c_str(), 0700) == 0) {
      made.push_back(part);
      // Readable for the database server and the till's other programs, whatever the umask.
      if (::chmod(part.c_str(), 0755) != 0) return part + ": " + std::strerror(errno);
    } else if (errno != EEXIST) {
      return part + ": " + std::strerror(errno);
    }
  } while (slash != std::string::npos);
  for (auto it = made.rbegin(); it != made.rend(); ++it) {
    if (::lchown(it->c_str(), uid, gid) != 0) return *it + ": " + std::strerror(errno);
  }
  return "";
}

}  // namespace skarvel
