#pragma once

#include <string>

namespace skarvel::test {

// The file's bytes; empty when it cannot be read.
std::string Contents(const std::string& path);

}  // namespace skarvel::test
