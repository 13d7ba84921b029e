#include "platform/scratch_folder.h"

#include <cstdlib>
#include <filesystem>

namespace skarvel {

ScratchFolder::ScratchFolder(const std::string& parent, const std::string& prefix) {
  std::string folder = parent + prefix + "XXXXXX";
  if (::mkdtemp(folder.data()) == nullptr) return;
  path_ = folder + "/";
}

ScratchFolder::~ScratchFolder() {
  if (path_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace skarvel
