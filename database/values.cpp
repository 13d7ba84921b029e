#include "database/values.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <ibase.h>
#include <optional>
#include <strings.h>

#include <firebird/Interface.h>

#include "database/firebird.h"
#include "platform/translation.h"

namespace skarvel::db {
namespace {

using namespace Firebird;

unsigned BaseType(unsigned type) { return type & ~1u; }

// sentence (translated) with %1 for the value's name and %2 for what is shown of it.
[[noreturn]] void Mismatch(const std::string& sentence, const std::string& name,
                           const std::string& shown = "") {
  throw FirebirdError(Fill(sentence, {name, shown}));
}

[[noreturn]] void NumberDoesNotFit() {
  throw FirebirdError(Tr("Database", "A number does not fit"));
}

std::int64_t PowerOfTen(int exponent) {
  std::int64_t power = 1;
  for (int i = 0; i < exponent; ++i) {
    if (__builtin_mul_overflow(power, 10, &power)) NumberDoesNotFit();
  }
  return power;
}

// value with its scale changed from `from` to `to`, rounding half away from zero; throws when
// the result does not fit in 64 bits.
std::int64_t Rescale(std::int64_t value, int from, int to) {
  if (from == to) return value;
  if (from > to) {
    std::int64_t scaled = 0;
    if (__builtin_mul_overflow(value, PowerOfTen(from - to), &scaled)) NumberDoesNotFit();
    return scaled;
  }
  if (to - from > 18) return 0;
  const std::int64_t divisor = PowerOfTen(to - from);
  const std::int64_t half = divisor / 2;
  std::int64_t rounded = 0;
  if (__builtin_add_overflow(value, value < 0 ? -half : half, &rounded)) return value / divisor;
  return rounded / divisor;
}

// The shortest text that reads back as value: 6.55957, 0.1, 1000000000000000.
std::string ShortestText(double value, std::chars_format format) {
  char text[400];
  const auto end = std::to_chars(std::begin(text), std::end(text), value, format);
  return std::string(text, end.ptr);
}

std::string DecimalText(Decimal value) {
  if (value.scale >= 0) return std::to_string(value.units * PowerOfTen(value.scale));
  const bool negative = value.units < 0;
  std::string digits = std::to_string(negative ? -value.units : value.units);
  const std::size_t places = static_cast<std::size_t>(-value.scale);
  if (digits.size() <= places) digits.insert(0, places - digits.size() + 1, '0');
  digits.insert(digits.size() - places, ".");
  return (negative ? "-" : "") + digits;
}

// Text that holds a number ("-12", "5.50"), as the design's text fields convert.
std::optional<Decimal> ParseDecimal(const std::string& raw) {
  std::string text = raw;
  while (!text.empty() && text.back() == ' ') text.pop_back();
  while (!text.empty() && text.front() == ' ') text.erase(0, 1);
  Decimal value;
  bool negative = false, digits = false, point = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (i == 0 && (c == '-' || c == '+')) {
      negative = c == '-';
    } else if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9' && value.units < INT64_MAX / 10 - 9) {
      value.units = value.units * 10 + (c - '0');
      if (point) --value.scale;
      digits = true;
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  if (negative) value.units = -value.units;
  return value;
}

// The double nearest the decimal's exact value: "655957e-5" read back as 6.55957, where the
// integer times a power of ten rounds twice (6.559570000000001).
double NearestDouble(Decimal value) {
  const std::string text = std::to_string(value.units) + "e" + std::to_string(value.scale);
  double nearest = 0;
  std::from_chars(text.data(), text.data() + text.size(), nearest);
  return nearest;
}

// A floating number as the exact decimal of its shortest text: 6.55957 stays 6.55957.
Decimal ExactDecimal(const std::string& name, double value) {
  if (!std::isfinite(value)) Mismatch(Tr("Database", "The value %1 is not a finite number"), name);
  const std::optional<Decimal> exact = ParseDecimal(ShortestText(value, std::chars_format::fixed));
  if (!exact)
    Mismatch(Tr("Database", "The value %1 does not fit: %2"), name,
             ShortestText(value, std::chars_format::general));
  return *exact;
}

}  // namespace

IMessageMetadata* Values::Coerce(IMessageMetadata* original) {
  Status status;
  IMetadataBuilder* builder = original->getBuilder(status.get());
  status.Check("Reading a statement's columns");
  const unsigned count = original->getCount(status.get());
  for (unsigned i = 0; i < count; ++i) {
    switch (BaseType(original->getType(status.get(), i))) {
      case SQL_SHORT:
      case SQL_LONG:
      case SQL_INT64:
        builder->setType(status.get(), i, SQL_INT64 + 1);
        builder->setLength(status.get(), i, sizeof(ISC_INT64));
        break;
      case SQL_FLOAT:
      case SQL_DOUBLE:
      case SQL_D_FLOAT:
        builder->setType(status.get(), i, SQL_DOUBLE + 1);
        builder->setLength(status.get(), i, sizeof(double));
        builder->setScale(status.get(), i, 0);
        break;
      case SQL_TEXT:
      case SQL_VARYING:
        builder->setType(status.get(), i, SQL_VARYING + 1);
        break;
      default:
        builder->setType(status.get(), i, original->getType(status.get(), i) | 1);
        break;
    }
  }
  IMessageMetadata* coerced = builder->getMetadata(status.get());
  builder->release();
  status.Check("Reading a statement's columns");
  return coerced;
}

void Values::Load(IMessageMetadata* metadata) {
  Status status;
  const unsigned count = metadata->getCount(status.get());
  fields_.clear();
  for (unsigned i = 0; i < count; ++i) {
    Field field;
    const char* alias = metadata->getAlias(status.get(), i);
    field.name = alias != nullptr ? alias : "";
    field.type = BaseType(metadata->getType(status.get(), i));
    field.offset = metadata->getOffset(status.get(), i);
    field.null_offset = metadata->getNullOffset(status.get(), i);
    field.length = metadata->getLength(status.get(), i);
    field.scale = metadata->getScale(status.get(), i);
    fields_.push_back(field);
  }
  buffer_.assign(metadata->getMessageLength(status.get()), 0);
  status.Check("Reading a statement's columns");
  for (int i = 0; i < Count(); ++i) SetNull(i);
}

int Values::IndexOf(const std::string& name) const {
  for (int i = 0; i < Count(); ++i) {
    if (strcasecmp(fields_[i].name.c_str(), name.c_str()) == 0) return i;
  }
  return -1;
}

const Values::Field& Values::At(int index) const {
  if (index < 0 || index >= Count()) {
    throw FirebirdError(Fill(Tr("Database", "No value number %1"), {std::to_string(index)}));
  }
  return fields_[index];
}

template <typename T>
T Values::Read(const Field& field) const {
  T value;
  std::memcpy(&value, buffer_.data() + field.offset, sizeof value);
  return value;
}

template <typename T>
void Values::Write(const Field& field, T value) {
  std::memcpy(buffer_.data() + field.offset, &value, sizeof value);
  MarkNotNull(field);
}

void Values::MarkNotNull(const Field& field) {
  const ISC_SHORT not_null = 0;
  std::memcpy(buffer_.data() + field.null_offset, &not_null, sizeof not_null);
}

bool Values::IsNull(int index) const {
  const Field& field = At(index);
  ISC_SHORT null_flag;
  std::memcpy(&null_flag, buffer_.data() + field.null_offset, sizeof null_flag);
  return null_flag != 0;
}

std::string Values::AsString(int index) const {
  const Field& field = At(index);
  if (IsNull(index)) return {};
  switch (field.type) {
    case SQL_VARYING: {
      const auto length = Read<ISC_USHORT>(field);
      return std::string(reinterpret_cast<const char*>(buffer_.data() + field.offset + 2), length);
    }
    case SQL_INT64:
      return DecimalText(AsDecimal(index));
    case SQL_DOUBLE:
      return ShortestText(Read<double>(field), std::chars_format::general);
    case SQL_TYPE_DATE:
    case SQL_TIMESTAMP: {
      const DateTime t = AsDateTime(index);
      char text[40];
      std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
      std::string result = text;
      if (field.type == SQL_TIMESTAMP) {
        std::snprintf(text, sizeof text, " %02d:%02d:%02d", t.hour, t.minute, t.second);
        result += text;
      }
      return result;
    }
    default:
      Mismatch(Tr("Database", "The value %1 cannot be read as text"), field.name);
  }
}

Decimal Values::AsDecimal(int index) const {
  const Field& field = At(index);
  if (IsNull(index)) return {};
  if (field.type == SQL_INT64) return {Read<ISC_INT64>(field), field.scale};
  if (field.type == SQL_DOUBLE) return ExactDecimal(field.name, Read<double>(field));
  if (field.type == SQL_VARYING) {
    if (const auto parsed = ParseDecimal(AsString(index))) return *parsed;
  }
  Mismatch(Tr("Database", "The value %1 is not a number"), field.name);
}

std::int64_t Values::AsInteger(int index) const {
  const Decimal value = AsDecimal(index);
  return Rescale(value.units, value.scale, 0);
}

double Values::AsDouble(int index) const {
  const Field& field = At(index);
  if (IsNull(index)) return 0;
  if (field.type == SQL_DOUBLE) return Read<double>(field);
  return NearestDouble(AsDecimal(index));
}

DateTime Values::AsDateTime(int index) const {
  const Field& field = At(index);
  DateTime result;
  if (IsNull(index)) return result;
  IUtil* util = Master()->getUtilInterface();
  unsigned year = 0, month = 0, day = 0, hours = 0, minutes = 0, seconds = 0, fractions = 0;
  if (field.type == SQL_TYPE_DATE) {
    util->decodeDate(Read<ISC_DATE>(field), &year, &month, &day);
  } else if (field.type == SQL_TIMESTAMP) {
    const auto stamp = Read<ISC_TIMESTAMP>(field);
    util->decodeDate(stamp.timestamp_date, &year, &month, &day);
    util->decodeTime(stamp.timestamp_time, &hours, &minutes, &seconds, &fractions);
  } else {
    Mismatch(Tr("Database", "The value %1 is not a date"), field.name);
  }
  return {static_cast<int>(year),     static_cast<int>(month),   static_cast<int>(day),
          static_cast<int>(hours),    static_cast<int>(minutes), static_cast<int>(seconds),
          static_cast<int>(fractions)};
}

void Values::SetNull(int index) {
  const Field& field = At(index);
  const ISC_SHORT null_flag = -1;
  std::memcpy(buffer_.data() + field.null_offset, &null_flag, sizeof null_flag);
}

void Values::SetString(int index, const std::string& value) {
  const Field& field = At(index);
  if (field.type != SQL_VARYING)
    Mismatch(Tr("Database", "The value %1 does not take text"), field.name);
  if (value.size() > field.length)
    Mismatch(Tr("Database", "The value %1 is too long: %2"), field.name, value);
  const auto length = static_cast<ISC_USHORT>(value.size());
  std::memcpy(buffer_.data() + field.offset, &length, sizeof length);
  std::memcpy(buffer_.data() + field.offset + 2, value.data(), value.size());
  MarkNotNull(field);
}

void Values::SetInteger(int index, std::int64_t value) { SetDecimal(index, {value, 0}); }

void Values::SetDecimal(int index, Decimal value) {
  const Field& field = At(index);
  switch (field.type) {
    case SQL_INT64:
      return Write<ISC_INT64>(field, Rescale(value.units, value.scale, field.scale));
    case SQL_DOUBLE:
      return Write<double>(field, NearestDouble(value));
    case SQL_VARYING:
      return SetString(index, DecimalText(value));
    default:
      Mismatch(Tr("Database", "The value %1 does not take a number"), field.name);
  }
}

void Values::SetDouble(int index, double value) {
  const Field& field = At(index);
  if (field.type == SQL_DOUBLE) return Write<double>(field, value);
  if (field.type == SQL_VARYING) {
    return SetString(index, ShortestText(value, std::chars_format::general));
  }
  SetDecimal(index, ExactDecimal(field.name, value));
}

bool Values::IsFloating(int index) const { return At(index).type == SQL_DOUBLE; }

void Values::SetDateTime(int index, const DateTime& value) {
  const Field& field = At(index);
  IUtil* util = Master()->getUtilInterface();
  const ISC_DATE date =
      util->encodeDate(static_cast<unsigned>(value.year), static_cast<unsigned>(value.month),
                       static_cast<unsigned>(value.day));
  if (field.type == SQL_TYPE_DATE) return Write<ISC_DATE>(field, date);
  if (field.type != SQL_TIMESTAMP)
    Mismatch(Tr("Database", "The value %1 does not take a date"), field.name);
  ISC_TIMESTAMP stamp;
  stamp.timestamp_date = date;
  stamp.timestamp_time = util->encodeTime(
      static_cast<unsigned>(value.hour), static_cast<unsigned>(value.minute),
      static_cast<unsigned>(value.second), static_cast<unsigned>(value.ten_thousandths));
  Write<ISC_TIMESTAMP>(field, stamp);
}

}  // namespace skarvel::db
