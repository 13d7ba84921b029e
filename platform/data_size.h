#pragma once

#include <cstdint>
#include <string>

namespace skarvel {

// A number of bytes as the person reads it, in the default locale's way ("1.5 MB", "1,5 Mo",
// "999 bytes"): decimal units, one decimal. Windows-1252.
std::string DataSize(std::uint64_t bytes);

}  // namespace skarvel
