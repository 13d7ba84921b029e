#pragma once

#include <string>

namespace skarvel {

// Makes folder (Windows-1252, absolute) and every missing folder above it, each mode 0755 and
// belonging to the account (uid, gid), as the administrator makes a folder for a user where the
// user may not. The folders are made as the administrator's first and handed over from the
// deepest up, without following links, so that the user cannot redirect the hand-over while it
// runs. Empty when done; otherwise why not (strerror), with what was already made kept.
std::string MakeFolderFor(const std::string& folder, unsigned uid, unsigned gid);

}  // namespace skarvel
