#pragma once

#include <string>

namespace skarvel {

// Reading a Windows profile (INI) file as GetPrivateProfileString does: section and key match
// without regard to case; the value comes back as its raw bytes; a missing file, section or key
// gives the default.
std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& fallback);

}  // namespace skarvel
