#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Firebird {
class IMessageMetadata;
}

namespace skarvel::db {

// An exact number: units × 10^scale (scale is 0 or negative), as NUMERIC and DECIMAL hold it.
struct Decimal {
  std::int64_t units = 0;
  int scale = 0;
};

struct DateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int ten_thousandths = 0;
};

// One message of a statement, its parameters or a row of its result: values by position, read
// and written through the metadata's offsets. Every column is nullable here; integers of any
// width travel as 64-bit with their scale, floating numbers as double, texts as VARCHAR in the
// connection's character set (raw Windows-1252 bytes with WIN1252), dates and timestamps as
// they are. A value of another kind, or one that does not fit, throws FirebirdError.
class Values {
 public:
  // Takes metadata coerced to the kinds above (see Coerce) and zeroes every value to NULL.
  void Load(Firebird::IMessageMetadata* metadata);
  // The metadata to prepare and fetch with, one kind per family of types.
  static Firebird::IMessageMetadata* Coerce(Firebird::IMessageMetadata* original);

  int Count() const { return static_cast<int>(fields_.size()); }
  // The position of the column or output parameter named (alias) name, without regard to case;
  // -1 when there is none.
  int IndexOf(const std::string& name) const;
  const std::string& NameOf(int index) const { return fields_.at(index).name; }

  bool IsNull(int index) const;
  // True for DOUBLE PRECISION and FLOAT, which are carried as doubles, never cut to a scale.
  bool IsFloating(int index) const;
  std::string AsString(int index) const;  // numbers and dates as text
  std::int64_t AsInteger(int index) const;
  // A floating value gives the exact decimal of its shortest text (6.55957, not 6.5596).
  Decimal AsDecimal(int index) const;
  double AsDouble(int index) const;
  DateTime AsDateTime(int index) const;

  void SetNull(int index);
  void SetString(int index, const std::string& value);
  void SetInteger(int index, std::int64_t value);
  void SetDecimal(int index, Decimal value);
  void SetDouble(int index, double value);
  void SetDateTime(int index, const DateTime& value);

  unsigned char* Buffer() { return buffer_.data(); }

 private:
  struct Field {
    std::string name;
    unsigned type = 0;
    unsigned offset = 0;
    unsigned null_offset = 0;
    unsigned length = 0;
    int scale = 0;
  };
  const Field& At(int index) const;
  template <typename T>
  T Read(const Field& field) const;
  template <typename T>
  void Write(const Field& field, T value);
  void MarkNotNull(const Field& field);

  std::vector<Field> fields_;
  std::vector<unsigned char> buffer_;
};

}  // namespace skarvel::db
