#include "service/field_value.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "platform/ansi_text.h"
#include "platform/translation.h"
#include "service/dataset_error.h"

namespace skarvel {
namespace {

constexpr std::int64_t kMillisecondsPerDay = 86'400'000;
constexpr std::int64_t kLastDay = 3'652'059;  // 31 December 9999, counting 1 January 1 as day 1
constexpr std::int64_t kDaysFromYearOneTo1970 = 719'163;

template <typename T>
T ReadLittle(std::string_view value) {
  std::uint64_t bits = 0;
  for (std::size_t i = sizeof(T); i-- > 0;)
    bits = (bits << 8) | static_cast<unsigned char>(value[i]);
  T out;
  if constexpr (sizeof(T) == 8) {
    std::memcpy(&out, &bits, sizeof out);
  } else {
    const auto narrow = static_cast<std::make_unsigned_t<T>>(bits);
    std::memcpy(&out, &narrow, sizeof out);
  }
  return out;
}

template <typename T>
void WriteLittle(char* value, T number) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &number, sizeof number);
  for (std::size_t i = 0; i < sizeof(T); ++i)
    value[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

// sentence: marked with SKARVEL_TEXT("Service", ...), %1 the field's name and %2 the value.
DataSetError FieldError(const ColumnDef& column, const char* sentence,
                        const std::string& value = "") {
  return DataSetError(Fill(Tr("Service", sentence), {column.name, value}));
}

std::string DateText(std::int64_t day) {
  if (day < 1 || day > kLastDay) return std::string();
  // Civil date from a day count since 1970-01-01 (proleptic Gregorian, H. Hinnant's method).
  const std::int64_t z = day - kDaysFromYearOneTo1970 + 719'468;
  const std::int64_t era = (z >= 0 ? z : z - 146'096) / 146'097;
  const std::int64_t doe = z - era * 146'097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36'524 - doe / 146'096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
  const std::int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(y), static_cast<int>(m),
                static_cast<int>(d));
  return text;
}

std::string TimeText(std::int64_t milliseconds) {
  if (milliseconds < 0 || milliseconds >= kMillisecondsPerDay) return std::string();
  const auto seconds = static_cast<int>(milliseconds / 1000);
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                seconds % 60);
  return text;
}

std::string DateTimeText(double milliseconds) {
  if (!std::isfinite(milliseconds)) return std::string();
  const double day = std::floor(milliseconds / kMillisecondsPerDay);
  if (day < 1 || day > kLastDay) return std::string();
  const auto whole_day = static_cast<std::int64_t>(day);
  const auto in_day = static_cast<std::int64_t>(milliseconds - day * kMillisecondsPerDay);
  return DateText(whole_day) + " " + TimeText(std::min(in_day, kMillisecondsPerDay - 1));
}

std::string FloatText(double number) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, number);
  return std::string(text, result.ptr);
}

// Precision byte, sign-and-scale byte (low six bits: digits after the point; top bit: negative),
// then the digits as nibbles, most significant first.
std::string BcdText(const ColumnDef& column, std::string_view value) {
  const int precision = static_cast<unsigned char>(value[0]);
  const int scale = static_cast<unsigned char>(value[1]) & 0x3F;
  const bool negative = (static_cast<unsigned char>(value[1]) & 0x80) != 0;
  if (precision > 64 || scale > precision) {
    throw DataSetError(
        Fill(Tr("Service", "Field '%1' holds a malformed packed decimal (precision %2, scale %3)"),
             {column.name, std::to_string(precision), std::to_string(scale)}));
  }
  std::string digits;
  for (int i = 0; i < precision; ++i) {
    const auto byte = static_cast<unsigned char>(value[2 + i / 2]);
    const int nibble = i % 2 == 0 ? byte >> 4 : byte & 0x0F;
    if (nibble > 9) {
      throw FieldError(column, SKARVEL_TEXT("Service",
                                            "Field '%1' holds a malformed packed "
                                            "decimal (a digit above 9)"));
    }
    digits += static_cast<char>('0' + nibble);
  }
  std::string whole = digits.substr(0, digits.size() - scale);
  std::string fraction = digits.substr(digits.size() - scale);
  whole.erase(0, whole.find_first_not_of('0'));
  fraction.erase(fraction.find_last_not_of('0') + 1);
  std::string text = (whole.empty() ? "0" : whole) + (fraction.empty() ? "" : "." + fraction);
  return negative && text != "0" ? "-" + text : text;
}

std::int64_t WholeNumberOf(const ColumnDef& column, const std::string& text) {
  const std::string trimmed = Trim(text);
  std::int64_t number = 0;
  const char* begin = trimmed.data() + (trimmed.starts_with('+') ? 1 : 0);
  const char* end = trimmed.data() + trimmed.size();
  const auto result = std::from_chars(begin, end, number);
  if (trimmed.empty() || result.ec != std::errc() || result.ptr != end) {
    throw FieldError(column,
                     SKARVEL_TEXT("Service", "Field '%1' holds '%2', which is not a whole number"),
                     text);
  }
  return number;
}

std::int64_t WholeNumberOf(const ColumnDef& column, double number) {
  if (!std::isfinite(number) || std::trunc(number) != number || std::fabs(number) > 9.0e18) {
    throw FieldError(column,
                     SKARVEL_TEXT("Service", "Field '%1' holds %2, which is not a whole number"),
                     FloatText(number));
  }
  return static_cast<std::int64_t>(number);
}

void RequireRange(const ColumnDef& column, std::int64_t number, std::int64_t low,
                  std::int64_t high) {
  if (number < low || number > high) {
    throw FieldError(column, SKARVEL_TEXT("Service", "Field '%1' cannot hold %2"),
                     std::to_string(number));
  }
}

}  // namespace

std::string FieldText(const ColumnDef& column, std::string_view value) {
  switch (column.type) {
    case FieldType::ftString:
    case FieldType::ftFixedChar: {
      const std::string_view characters = value.substr(0, column.size);
      return std::string(characters.substr(0, characters.find('\0')));
    }
    case FieldType::ftSmallint:
      return std::to_string(ReadLittle<std::int16_t>(value));
    case FieldType::ftWord:
      return std::to_string(ReadLittle<std::uint16_t>(value));
    case FieldType::ftInteger:
    case FieldType::ftAutoInc:
      return std::to_string(ReadLittle<std::int32_t>(value));
    case FieldType::ftLargeint:
      return std::to_string(ReadLittle<std::int64_t>(value));
    case FieldType::ftBoolean:
      return ReadLittle<std::uint16_t>(value) != 0 ? "True" : "False";
    case FieldType::ftFloat:
    case FieldType::ftCurrency:
      return FloatText(ReadLittle<double>(value));
    case FieldType::ftBCD:
      return BcdText(column, value);
    case FieldType::ftDate:
      return DateText(ReadLittle<std::int32_t>(value));
    case FieldType::ftTime:
      return TimeText(ReadLittle<std::int32_t>(value));
    case FieldType::ftDateTime:
      return DateTimeText(ReadLittle<double>(value));
  }
  return std::string();
}

std::int64_t FieldInteger(const ColumnDef& column, std::string_view value) {
  switch (column.type) {
    case FieldType::ftSmallint:
      return ReadLittle<std::int16_t>(value);
    case FieldType::ftWord:
      return ReadLittle<std::uint16_t>(value);
    case FieldType::ftInteger:
    case FieldType::ftAutoInc:
      return ReadLittle<std::int32_t>(value);
    case FieldType::ftLargeint:
      return ReadLittle<std::int64_t>(value);
    case FieldType::ftBoolean:
      return ReadLittle<std::uint16_t>(value) != 0 ? 1 : 0;
    case FieldType::ftFloat:
    case FieldType::ftCurrency:
      return WholeNumberOf(column, ReadLittle<double>(value));
    case FieldType::ftString:
    case FieldType::ftFixedChar:
    case FieldType::ftBCD:
      return WholeNumberOf(column, FieldText(column, value));
    case FieldType::ftDate:
    case FieldType::ftTime:
    case FieldType::ftDateTime:
      break;
  }
  throw FieldError(column, SKARVEL_TEXT("Service", "Field '%1' cannot be read as a whole number"));
}

void SetFieldText(const ColumnDef& column, char* value, std::string_view text) {
  if (!IsCharacterType(column.type)) {
    throw FieldError(column, SKARVEL_TEXT("Service", "Field '%1' is not a character field"));
  }
  const std::size_t length = std::min<std::size_t>(text.size(), column.size);
  std::memset(value, 0, column.size + 1);
  std::memcpy(value, text.data(), length);
}

void SetFieldInteger(const ColumnDef& column, char* value, std::int64_t number) {
  constexpr auto kMaxInt32 = std::numeric_limits<std::int32_t>::max();
  constexpr auto kMinInt32 = std::numeric_limits<std::int32_t>::min();
  switch (column.type) {
    case FieldType::ftSmallint:
      RequireRange(column, number, -32768, 32767);
      return WriteLittle(value, static_cast<std::int16_t>(number));
    case FieldType::ftWord:
      RequireRange(column, number, 0, 65535);
      return WriteLittle(value, static_cast<std::uint16_t>(number));
    case FieldType::ftBoolean:
      return WriteLittle(value, static_cast<std::uint16_t>(number != 0));
    case FieldType::ftInteger:
    case FieldType::ftAutoInc:
      RequireRange(column, number, kMinInt32, kMaxInt32);
      return WriteLittle(value, static_cast<std::int32_t>(number));
    case FieldType::ftLargeint:
      return WriteLittle(value, number);
    case FieldType::ftFloat:
    case FieldType::ftCurrency:
      return WriteLittle(value, static_cast<double>(number));
    default:
      throw FieldError(column,
                       SKARVEL_TEXT("Service", "Field '%1' cannot be written as a whole number"));
  }
}

}  // namespace skarvel
