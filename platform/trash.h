#pragma once

#include <string>

namespace skarvel {

// Moves a file or folder tree to the user's trash (freedesktop trash), from where it can be
// restored; false when the trash cannot take it.
bool MoveToTrash(const std::string& path);

}  // namespace skarvel
