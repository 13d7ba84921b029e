#include "tools/skarvel_service/table_answer.h"

#include <cstdio>
#include <stdexcept>

#include "platform/windows1252.h"
#include "service/memory_dataset.h"
#include "service/serial_format.h"
#include "service/zlib_stream.h"

namespace skarvel::reference {
namespace {

using nlohmann::ordered_json;

std::string AnsiText(const ordered_json& value) {
  return value.is_null() ? std::string() : AnsiFromUtf8(value.get<std::string>());
}

bool FitsInt32(const ordered_json& rows, const std::string& key) {
  for (const auto& row : rows) {
    const auto number = row.at(key).get<std::int64_t>();
    if (number < INT32_MIN || number > INT32_MAX) return false;
  }
  return true;
}

ColumnDef ColumnFor(const ordered_json& rows, const std::string& key) {
  const ordered_json& sample = rows.front().at(key);
  if (sample.is_boolean()) return {key, FieldType::ftBoolean, 0, 0};
  if (sample.is_number_integer()) {
    return {key, FitsInt32(rows, key) ? FieldType::ftInteger : FieldType::ftLargeint, 0, 0};
  }
  if (!sample.is_string() && !sample.is_null()) {
    throw std::invalid_argument("column \"" + key +
                                "\" holds a value that is neither text, "
                                "a whole number nor a boolean");
  }
  std::size_t size = 1;
  for (const auto& row : rows) size = std::max(size, AnsiText(row.at(key)).size());
  if (size > 255)
    throw std::invalid_argument("column \"" + key + "\" holds text over 255 characters");
  return {key, FieldType::ftString, 0, static_cast<int>(size)};
}

void Store(TMemoryDataSet& table, const ColumnDef& column, const ordered_json& value) {
  TMemoryDataSet::Field field = table.FieldByName(column.name);
  if (IsCharacterType(column.type)) {
    field.SetAsString(AnsiText(value));
  } else if (value.is_boolean()) {
    field.SetAsInteger(value.get<bool>() ? 1 : 0);
  } else {
    field.SetAsInteger(value.get<std::int64_t>());
  }
}

TMemoryDataSet Build(const ordered_json& rows) {
  std::vector<ColumnDef> columns;
  if (!rows.empty()) {
    for (const auto& [key, value] : rows.front().items()) columns.push_back(ColumnFor(rows, key));
  }
  TMemoryDataSet table;
  table.SetColumns(columns);
  table.Open();
  for (const auto& row : rows) {
    table.Append();
    for (const ColumnDef& column : columns) Store(table, column, row.at(column.name));
  }
  return table;
}

}  // namespace

std::string EncodeTable(const ordered_json& rows) { return Build(rows).SaveToSerial(); }

std::string EncodeMismatchedTable(const ordered_json& rows) {
  std::string text = ZlibInflate(EncodeTable(rows), kMaxInflatedAnswer);
  // Declare one byte more per row than the columns take.
  const unsigned width = std::stoul(text.substr(0, 4), nullptr, 16) + 1;
  char digits[8];
  std::snprintf(digits, sizeof digits, "%04X", width & 0xFFFF);
  text.replace(0, 4, digits);
  return ZlibDeflate(text);
}

}  // namespace skarvel::reference
