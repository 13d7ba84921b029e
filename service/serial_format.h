#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "service/field_type.h"

namespace skarvel {

// The service's table answer: a zlib stream which inflates to
//   4 hex digits row width R, 8 hex digits row count N, 4 hex digits definition length L,
//   L characters of column definitions (37 each: name padded to 32, type 2 hex digits,
//   precision 1, size 2), then N rows of R bytes.
// Hex digits are read in either case and written in upper case.

// The largest inflated answer accepted.
inline constexpr std::size_t kMaxInflatedAnswer = 256u * 1024 * 1024;

struct SerialTable {
  std::vector<ColumnDef> columns;
  std::uint32_t row_width = 0;  // as declared by the answer
  std::uint32_t row_count = 0;  // as declared by the answer
  // False when the columns' widths do not add up to the declared row width: the answer then
  // loads no rows, and rows is empty.
  bool width_matches = false;
  std::string rows;  // row_count * row_width bytes when width_matches
};

// Throws DataSetError with a text that says what is wrong: an answer that does not inflate or
// inflates beyond kMaxInflatedAnswer, a header or a definition that is too short or not
// hexadecimal, a definition block whose length is not a multiple of 37, an unknown type code, or
// fewer row bytes than the header declares.
SerialTable ReadSerial(std::string_view answer);

// The answer for the given columns and rows (row_count rows of the columns' total width).
// Throws DataSetError when a number does not fit its digits.
std::string WriteSerial(const std::vector<ColumnDef>& columns, std::uint32_t row_count,
                        std::string_view rows);

}  // namespace skarvel
