#include "tests/support/serial_bytes.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>

#include <zlib.h>

namespace skarvel::test {

std::string Definition(std::string_view name, int type, int precision, int size) {
  std::string out(name);
  out.resize(32, ' ');
  char numbers[8];
  std::snprintf(numbers, sizeof numbers, "%02X%01X%02X", type, precision, size);
  return out + numbers;
}

std::string Inflated(unsigned row_width, unsigned row_count, std::string_view definitions,
                     std::string_view rows) {
  char header[20];
  std::snprintf(header, sizeof header, "%04X%08X%04X", row_width, row_count,
                static_cast<unsigned>(definitions.size()));
  return std::string(header) + std::string(definitions) + std::string(rows);
}

std::string Compress(std::string_view text) {
  uLongf size = compressBound(static_cast<uLong>(text.size()));
  std::string out(size, '\0');
  if (compress(reinterpret_cast<Bytef*>(out.data()), &size,
               reinterpret_cast<const Bytef*>(text.data()),
               static_cast<uLong>(text.size())) != Z_OK) {
    throw std::runtime_error("zlib compress failed");
  }
  out.resize(size);
  return out;
}

std::string Little(std::uint64_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

std::string LittleDouble(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return Little(bits, 8);
}

}  // namespace skarvel::test
