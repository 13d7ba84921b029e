#pragma once

#include <string>

namespace skarvel {

// Makes the folder (Windows-1252 text) and its missing parents when it is missing, readable by
// this user alone (0700), and tightens one of this user's that others may read. Empty when the
// folder is now this user's alone; otherwise why it cannot be (it belongs to another user,
// others may write in it, it is no folder), and nothing is changed: whatever another user could
// have put there must not be unpacked and run.
std::string MakePrivateFolder(const std::string& folder);

// Why MakePrivateFolder would refuse the folder, found without changing anything; empty when it
// would not (a missing folder, or one of this user's that others may only read).
std::string PrivateFolderProblem(const std::string& folder);

}  // namespace skarvel
