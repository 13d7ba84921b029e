// The profile-file reader against any file content: the settings file and the server list come
// from disks and servers Skarvel does not control.

#include "platform/profile_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path =
      std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + "/skarvel-fuzz-" +
      std::to_string(::getpid()) + ".pos";
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  for (const char* section : {"Dorvello\\Caisse", "SRV", "Dorvello", ""}) {
    for (const char* key : {"PRINTERNAME", "BitmapPath", "srv1", "NumCloture", ""}) {
      skarvel::ReadProfileString(path, section, key, "-");
    }
  }
  try {
    skarvel::WriteProfileString(path, "Dorvello", "Poste", "3");
    skarvel::EraseProfileSection(path, "Dorvello\\Caisse");
  } catch (const skarvel::ProfileError&) {
  }
  std::remove(path.c_str());
  return 0;
}
