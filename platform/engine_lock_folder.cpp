#include "platform/engine_lock_folder.h"

#include <cstdlib>
#include <filesystem>

namespace skarvel {

EngineLockFolder::EngineLockFolder(const std::string& parent) {
  if (std::getenv("FIREBIRD_LOCK") != nullptr) return;
  std::string folder = parent + "skarvel-firebird-XXXXXX";
  if (::mkdtemp(folder.data()) == nullptr) return;
  path_ = folder;
  ::setenv("FIREBIRD_LOCK", path_.c_str(), 1);
}

EngineLockFolder::~EngineLockFolder() {
  if (path_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace skarvel
