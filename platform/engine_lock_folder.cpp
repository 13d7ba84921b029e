#include "platform/engine_lock_folder.h"

#include <cstdlib>

namespace skarvel {

EngineLockFolder::EngineLockFolder(const std::string& parent) {
  if (std::getenv("FIREBIRD_LOCK") != nullptr) return;
  folder_.emplace(parent, "skarvel-firebird-");
  if (folder_->path().empty()) return;
  ::setenv("FIREBIRD_LOCK", path().c_str(), 1);
}

std::string EngineLockFolder::path() const {
  if (!folder_ || folder_->path().empty()) return "";
  const std::string& folder = folder_->path();
  return folder.substr(0, folder.size() - 1);
}

}  // namespace skarvel
