#pragma once

#include <string>

namespace skarvel {

// The column data type codes of the service's table answers (the dataset-field numbering).
enum class FieldType {
  ftString = 1,
  ftSmallint = 2,
  ftInteger = 3,
  ftWord = 4,
  ftBoolean = 5,
  ftFloat = 6,
  ftCurrency = 7,
  ftBCD = 8,
  ftDate = 9,
  ftTime = 10,
  ftDateTime = 11,
  ftAutoInc = 14,
  ftFixedChar = 23,
  ftLargeint = 25,
};

// Whether code is one of the codes above; a table that uses another cannot be decoded.
bool IsKnownFieldType(int code);

// Bytes a value of the type takes in a row; size is the column's declared size (characters).
int FieldWidth(FieldType type, int size);

bool IsCharacterType(FieldType type);

// A column of a table: its definition and where its value lies in a row.
struct ColumnDef {
  std::string name;  // at most 32 characters
  FieldType type = FieldType::ftString;
  int precision = 0;  // 0..15
  int size = 0;       // 0..255
};

}  // namespace skarvel
