#include "service/memory_dataset.h"

#include "platform/ansi_text.h"
#include "platform/translation.h"
#include "service/dataset_error.h"
#include "service/field_value.h"
#include "service/serial_format.h"

namespace skarvel {

char* TMemoryDataSet::Field::Value() const {
  if (table_.Eof()) return nullptr;
  return table_.rows_.data() + static_cast<std::size_t>(table_.current_) * table_.row_width_ +
         column_.offset;
}

std::string_view TMemoryDataSet::Field::Bytes() const {
  return {Value(), static_cast<std::size_t>(column_.width)};
}

std::string TMemoryDataSet::Field::AsString() const {
  return Value() == nullptr ? std::string() : FieldText(column_.def, Bytes());
}

std::int64_t TMemoryDataSet::Field::AsInteger() const {
  return Value() == nullptr ? 0 : FieldInteger(column_.def, Bytes());
}

char* TMemoryDataSet::Field::WritableValue() const {
  char* value = Value();
  if (value == nullptr) {
    throw DataSetError(Fill(Tr("Service", "Field '%1': no current row"), {column_.def.name}));
  }
  return value;
}

void TMemoryDataSet::Field::SetAsString(std::string_view text) {
  SetFieldText(column_.def, WritableValue(), text);
}

void TMemoryDataSet::Field::SetAsInteger(std::int64_t number) {
  SetFieldInteger(column_.def, WritableValue(), number);
}

void TMemoryDataSet::SetColumns(const std::vector<ColumnDef>& columns) {
  std::vector<Column> laid_out;
  int offset = 0;
  for (const ColumnDef& def : columns) {
    if (def.name.size() > 32 || def.precision < 0 || def.precision > 15 || def.size < 0 ||
        def.size > 255) {
      throw DataSetError(Fill(Tr("Service",
                                 "Column '%1' cannot be defined: a name holds at most 32 "
                                 "characters, a precision is 0 to 15 and a size 0 to 255"),
                              {def.name}));
    }
    const int width = FieldWidth(def.type, def.size);
    laid_out.push_back({def, offset, width});
    offset += width;
  }
  columns_ = std::move(laid_out);
  row_width_ = offset;
  active_ = false;
  rows_ = std::string();
  row_count_ = 0;
  current_ = -1;
}

void TMemoryDataSet::Append() {
  active_ = true;
  rows_.append(static_cast<std::size_t>(row_width_), '\0');
  current_ = row_count_++;
}

void TMemoryDataSet::EmptyRows() {
  active_ = true;
  rows_ = std::string();
  row_count_ = 0;
  current_ = -1;
}

void TMemoryDataSet::Next() {
  if (current_ >= 0 && current_ < RecordCount()) ++current_;
}

TMemoryDataSet::Field TMemoryDataSet::FieldByName(std::string_view name) {
  for (const Column& column : columns_) {
    if (SameText(column.def.name, name)) return Field(*this, column);
  }
  throw DataSetError(Fill(Tr("Service", "Field '%1' not found"), {std::string(name)}));
}

void TMemoryDataSet::LoadFromSerial(std::string_view answer) {
  Close();
  SerialTable table = ReadSerial(answer);
  SetColumns(table.columns);
  if (!table.width_matches) return;
  rows_ = std::move(table.rows);
  row_count_ = static_cast<int>(table.row_count);
  Open();
  First();
}

std::string TMemoryDataSet::SaveToSerial() const {
  std::vector<ColumnDef> definitions;
  for (const Column& column : columns_) definitions.push_back(column.def);
  const auto count = static_cast<std::uint32_t>(RecordCount());
  return WriteSerial(definitions, count,
                     std::string_view(rows_).substr(0, std::size_t{count} * row_width_));
}

}  // namespace skarvel
