#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "service/field_type.h"

namespace skarvel {

// One value in a row buffer: value holds exactly FieldWidth(column.type, column.size) bytes,
// little-endian. There are no null flags; an all-zero value reads as empty text or zero.

// The value's text form: integers in decimal, booleans "True"/"False", floats in their shortest
// round-trip form with ".", packed decimals without superfluous zeros, dates "YYYY-MM-DD", times
// "HH:MM:SS", date-times "YYYY-MM-DD HH:MM:SS" (empty when the day lies outside years 1..9999),
// characters up to the terminating zero. Throws DataSetError for a malformed packed decimal.
std::string FieldText(const ColumnDef& column, std::string_view value);

// The value as a whole number: integer kinds as they are, booleans 1 or 0, floats and decimals
// when they hold a whole number, characters when they hold a decimal whole number. Throws
// DataSetError, naming the field, for anything else.
std::int64_t FieldInteger(const ColumnDef& column, std::string_view value);

// Writing, for the tables this system produces: character columns take text (cut to the
// column's size), numeric columns a whole number within their range. Throws DataSetError
// otherwise.
void SetFieldText(const ColumnDef& column, char* value, std::string_view text);
void SetFieldInteger(const ColumnDef& column, char* value, std::int64_t number);

}  // namespace skarvel
