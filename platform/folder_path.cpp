#include "platform/folder_path.h"

namespace skarvel {

std::string WithTrailingSeparator(std::string_view folder) {
  std::string out(folder);
  if (out.empty() || out.back() != kFolderSeparator) out += kFolderSeparator;
  return out;
}

}  // namespace skarvel
