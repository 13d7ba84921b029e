#include "tests/support/temp_folder.h"

#include <filesystem>
#include <stdexcept>
#include <stdlib.h>

namespace skarvel::test {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "skarvel-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace skarvel::test
