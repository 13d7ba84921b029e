#include "tests/support/firebird_root.h"

#include <filesystem>

namespace skarvel::test {

namespace fs = std::filesystem;

constexpr const char* kSystemRoot = "/usr/lib/x86_64-linux-gnu/firebird/3.0";

void MakeFirebirdRoot(const std::string& root) {
  for (const char* part :
       {"UDF", "include", "lib", "plugins", "plugins.conf", "firebird.msg", "fbtrace.conf"}) {
    fs::create_symlink(fs::path(kSystemRoot) / part, fs::path(root) / part);
  }
  fs::create_directories(root + "/intl");
  for (const char* part : {"fbintl.conf", "libfbintl.so"}) {
    fs::copy_file(fs::path(kSystemRoot) / "intl" / part, fs::path(root) / "intl" / part);
  }
}

}  // namespace skarvel::test
