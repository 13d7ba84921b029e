#pragma once

#include <string>

namespace skarvel::test {

// A root folder for the Firebird library and engine, the folder FIREBIRD names: the system's
// files, linked, except the character sets, which are copied (Firebird does not load them
// through links). Its firebird.conf is the caller's to write.
void MakeFirebirdRoot(const std::string& root);

}  // namespace skarvel::test
