#pragma once

#include <string>

namespace skarvel {

// Makes folder (Windows-1252, absolute) and every missing folder above it, each mode 0755, as the
// administrator makes a folder for a user where the user may not: the folder itself then belongs
// to the account (uid, gid), the folders made above it stay the administrator's. Each is made as
// the administrator's first and reached without following links, so that the user cannot
// redirect the hand-over while it runs. Empty when done; otherwise why not (strerror), and
// nothing this call made stays.
std::string MakeFolderFor(const std::string& folder, unsigned uid, unsigned gid);

}  // namespace skarvel
