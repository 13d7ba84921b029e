#include "tests/support/file_contents.h"

#include <fstream>
#include <sstream>

namespace skarvel::test {

std::string Contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace skarvel::test
