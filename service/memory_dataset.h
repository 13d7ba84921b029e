#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "service/field_type.h"

namespace skarvel {

// The in-memory table into which the service's table answers are decoded (and from which this
// system writes its own). Columns are matched by name without regard to case. Rows are stored
// back to back, each exactly the row width. A closed table, and an open table before its first
// row or past its last, reads every column as empty text and zero.
class TMemoryDataSet {
 public:
  struct Column {
    ColumnDef def;
    int offset = 0;  // in a row: the widths of the columns before it
    int width = 0;
  };

  // One column of the current row.
  class Field {
   public:
    std::string AsString() const;    // FieldText; "" without a current row
    std::int64_t AsInteger() const;  // FieldInteger; 0 without a current row
    // Writing needs a current row; throws DataSetError otherwise.
    void SetAsString(std::string_view text);
    void SetAsInteger(std::int64_t number);

   private:
    friend class TMemoryDataSet;
    Field(TMemoryDataSet& table, const Column& column) : table_(table), column_(column) {}
    char* Value() const;  // nullptr without a current row
    std::string_view Bytes() const;
    char* WritableValue() const;
    TMemoryDataSet& table_;
    const Column& column_;
  };

  // Replaces the columns, which closes the table and drops its rows. Throws DataSetError for a
  // name over 32 characters, a precision over 15 or a size over 255.
  void SetColumns(const std::vector<ColumnDef>& columns);
  const std::vector<Column>& Columns() const { return columns_; }
  int RowWidth() const { return row_width_; }

  void Open() { active_ = true; }
  void Close() { active_ = false; }
  bool Active() const { return active_; }

  // Adds an all-zero row at the end and makes it the current row (opening the table).
  void Append();
  // Deletes every row and releases their memory; the table is open afterwards, with no
  // current row.
  void EmptyRows();

  int RecordCount() const { return active_ ? row_count_ : 0; }
  void First() { current_ = RecordCount() > 0 ? 0 : -1; }
  void Next();
  bool Eof() const { return current_ < 0 || current_ >= RecordCount(); }

  // Throws DataSetError "Field 'name' not found" when no column has that name.
  Field FieldByName(std::string_view name);

  // Decodes an answer (ReadSerial) and moves to its first row. When the columns' widths do not
  // add up to the declared row width the table keeps the new columns but stays closed with no
  // rows. Throws DataSetError for an answer that cannot be decoded; the table is then closed.
  void LoadFromSerial(std::string_view answer);
  // The table as an answer (WriteSerial); a closed table writes its columns and no rows.
  std::string SaveToSerial() const;

 private:
  std::vector<Column> columns_;
  int row_width_ = 0;
  std::string rows_;
  int row_count_ = 0;
  int current_ = -1;
  bool active_ = false;
};

}  // namespace skarvel
