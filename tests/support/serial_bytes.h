#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace skarvel::test {

// Builds table answers byte by byte, independently of the project's writer, so the decoder is
// checked against the format rather than against itself.

// A 37-character column definition.
std::string Definition(std::string_view name, int type, int precision, int size);

// The inflated text: header (row width, row count, definition length in upper-case hex), the
// definitions and the row bytes as given.
std::string Inflated(unsigned row_width, unsigned row_count, std::string_view definitions,
                     std::string_view rows);

// A zlib stream made with zlib directly.
std::string Compress(std::string_view text);

// Little-endian bytes of a value.
std::string Little(std::uint64_t value, int bytes);
std::string LittleDouble(double value);

}  // namespace skarvel::test
