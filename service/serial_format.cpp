#include "service/serial_format.h"

#include <charconv>
#include <cstdio>

#include "platform/translation.h"
#include "service/dataset_error.h"
#include "service/zlib_stream.h"

namespace skarvel {
namespace {

constexpr std::size_t kHeaderLength = 16;
constexpr std::size_t kDefinitionLength = 37;
constexpr std::size_t kNameLength = 32;

// what: a clause that stands alone, already in the person's language.
DataSetError Malformed(const std::string& what) {
  return DataSetError(Fill(Tr("Service", "The service's answer is malformed: %1."), {what}));
}

// Reads `digits` hex digits at offset; every character must be a hex digit.
std::uint32_t Hex(std::string_view text, std::size_t offset, std::size_t digits) {
  const std::string_view field = text.substr(offset, digits);
  std::uint32_t value = 0;
  const auto result = std::from_chars(field.data(), field.data() + field.size(), value, 16);
  const bool all_digits = result.ptr == field.data() + field.size() && field.size() == digits;
  if (result.ec != std::errc() || !all_digits) {
    throw Malformed(Fill(Tr("Service", "\"%1\" at offset %2 is not a hexadecimal number"),
                         {std::string(field), std::to_string(offset)}));
  }
  return value;
}

std::string TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == text.npos) return std::string();
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

ColumnDef ReadDefinition(std::string_view text, std::size_t offset) {
  ColumnDef column;
  column.name = TrimSpaces(text.substr(offset, kNameLength));
  const std::uint32_t type = Hex(text, offset + 32, 2);
  if (!IsKnownFieldType(static_cast<int>(type))) {
    throw Malformed(Fill(Tr("Service", "column \"%1\" has the unknown type code %2"),
                         {column.name, std::to_string(type)}));
  }
  column.type = static_cast<FieldType>(type);
  column.precision = static_cast<int>(Hex(text, offset + 34, 1));
  column.size = static_cast<int>(Hex(text, offset + 35, 2));
  return column;
}

std::string Inflated(std::string_view answer) {
  try {
    return ZlibInflate(answer, kMaxInflatedAnswer);
  } catch (const ZlibError& error) {
    throw DataSetError(
        Fill(Tr("Service", "The service's answer could not be decompressed: %1."), {error.what()}));
  }
}

// too_wide: the whole sentence for a value that does not fit, %1 the value and %2 the digits.
void AppendHex(std::string& out, std::uint64_t value, int digits, const char* too_wide) {
  if (digits < 16 && value >> (4 * digits) != 0) {
    throw DataSetError(
        Fill(Tr("Service", too_wide), {std::to_string(value), std::to_string(digits)}));
  }
  char text[24];
  std::snprintf(text, sizeof text, "%0*llX", digits, static_cast<unsigned long long>(value));
  out += text;
}

}  // namespace

SerialTable ReadSerial(std::string_view answer) {
  const std::string text = Inflated(answer);
  if (text.size() < kHeaderLength) {
    throw Malformed(Fill(Tr("Service", "it holds %1 characters, fewer than the 16 of its header"),
                         {std::to_string(text.size())}));
  }
  SerialTable table;
  table.row_width = Hex(text, 0, 4);
  table.row_count = Hex(text, 4, 8);
  const std::size_t definitions = Hex(text, 12, 4);
  if (definitions % kDefinitionLength != 0) {
    throw Malformed(Fill(
        Tr("Service", "its column definitions take %1 characters, which is not a multiple of 37"),
        {std::to_string(definitions)}));
  }
  if (kHeaderLength + definitions > text.size()) {
    throw Malformed(
        Fill(Tr("Service", "it declares %1 characters of column definitions but ends before them"),
             {std::to_string(definitions)}));
  }
  std::uint64_t width = 0;
  for (std::size_t offset = kHeaderLength; offset < kHeaderLength + definitions;
       offset += kDefinitionLength) {
    table.columns.push_back(ReadDefinition(text, offset));
    width += FieldWidth(table.columns.back().type, table.columns.back().size);
  }
  table.width_matches = width == table.row_width;
  if (!table.width_matches) return table;
  if (width == 0 && table.row_count > 0) {
    throw Malformed(Fill(Tr("Service", "it declares %1 rows but no columns"),
                         {std::to_string(table.row_count)}));
  }
  const std::uint64_t row_bytes = std::uint64_t{table.row_count} * table.row_width;
  const std::size_t available = text.size() - kHeaderLength - definitions;
  if (row_bytes > available) {
    throw Malformed(
        Fill(Tr("Service", "it declares %1 rows of %2 bytes but holds only %3 bytes of rows"),
             {std::to_string(table.row_count), std::to_string(table.row_width),
              std::to_string(available)}));
  }
  table.rows = text.substr(kHeaderLength + definitions, row_bytes);
  return table;
}

std::string WriteSerial(const std::vector<ColumnDef>& columns, std::uint32_t row_count,
                        std::string_view rows) {
  std::uint64_t width = 0;
  std::string definitions;
  for (const ColumnDef& column : columns) {
    std::string name = column.name.substr(0, kNameLength);
    name.resize(kNameLength, ' ');
    definitions += name;
    AppendHex(
        definitions, static_cast<std::uint64_t>(column.type), 2,
        SKARVEL_TEXT(
            "Service",
            "The table cannot be written: its type code (%1) does not fit %2 hexadecimal digits."));
    AppendHex(
        definitions, column.precision, 1,
        SKARVEL_TEXT(
            "Service",
            "The table cannot be written: its precision (%1) does not fit %2 hexadecimal digits."));
    AppendHex(definitions, column.size, 2,
              SKARVEL_TEXT("Service",
                           "The table cannot be written: its column size (%1) does not fit %2 "
                           "hexadecimal digits."));
    width += FieldWidth(column.type, column.size);
  }
  std::string text;
  AppendHex(
      text, width, 4,
      SKARVEL_TEXT(
          "Service",
          "The table cannot be written: its row width (%1) does not fit %2 hexadecimal digits."));
  AppendHex(
      text, row_count, 8,
      SKARVEL_TEXT(
          "Service",
          "The table cannot be written: its row count (%1) does not fit %2 hexadecimal digits."));
  AppendHex(text, definitions.size(), 4,
            SKARVEL_TEXT("Service",
                         "The table cannot be written: its definition length (%1) does not fit %2 "
                         "hexadecimal digits."));
  text += definitions;
  text += rows;
  return ZlibDeflate(text);
}

}  // namespace skarvel
