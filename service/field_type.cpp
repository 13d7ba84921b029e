#include "service/field_type.h"

namespace skarvel {

bool IsKnownFieldType(int code) {
  switch (static_cast<FieldType>(code)) {
    case FieldType::ftString:
    case FieldType::ftSmallint:
    case FieldType::ftInteger:
    case FieldType::ftWord:
    case FieldType::ftBoolean:
    case FieldType::ftFloat:
    case FieldType::ftCurrency:
    case FieldType::ftBCD:
    case FieldType::ftDate:
    case FieldType::ftTime:
    case FieldType::ftDateTime:
    case FieldType::ftAutoInc:
    case FieldType::ftFixedChar:
    case FieldType::ftLargeint:
      return true;
  }
  return false;
}

bool IsCharacterType(FieldType type) {
  return type == FieldType::ftString || type == FieldType::ftFixedChar;
}

int FieldWidth(FieldType type, int size) {
  switch (type) {
    case FieldType::ftString:
    case FieldType::ftFixedChar:
      return size + 1;
    case FieldType::ftSmallint:
    case FieldType::ftWord:
    case FieldType::ftBoolean:
      return 2;
    case FieldType::ftInteger:
    case FieldType::ftDate:
    case FieldType::ftTime:
    case FieldType::ftAutoInc:
      return 4;
    case FieldType::ftFloat:
    case FieldType::ftCurrency:
    case FieldType::ftDateTime:
    case FieldType::ftLargeint:
      return 8;
    case FieldType::ftBCD:
      return 34;
  }
  return 0;
}

}  // namespace skarvel
