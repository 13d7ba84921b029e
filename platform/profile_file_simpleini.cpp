// Values are the file's raw Windows-1252 bytes: no character conversion at all.
#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include "platform/profile_file.h"
#include "platform/windows1252.h"

namespace skarvel {

std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& fallback) {
  // CSimpleIniA matches sections and keys without regard to case; without Unicode mode the
  // values stay the file's bytes.
  CSimpleIniA ini(false, false, false);
  if (ini.LoadFile(Utf8FromAnsi(path).c_str()) < 0) return fallback;
  const char* value = ini.GetValue(section.c_str(), key.c_str(), nullptr);
  return value != nullptr ? std::string(value) : fallback;
}

}  // namespace skarvel
