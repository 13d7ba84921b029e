// Table answers built byte by byte in the test and compressed with zlib directly, so the decoder
// is held to the answer format rather than to the project's own writer.

#include <gtest/gtest.h>

#include "service/dataset_error.h"
#include "service/memory_dataset.h"
#include "tests/support/serial_bytes.h"

namespace skarvel {
namespace {

using test::Compress;
using test::Definition;
using test::Inflated;
using test::Little;
using test::LittleDouble;

constexpr std::int64_t kDay = 86'400'000;
constexpr int kLeapDay2024 = 738'945;  // 29 February 2024, counting 1 January of year 1 as day 1

struct ValueCase {
  const char* label;
  int type;
  int precision;
  int size;
  std::string bytes;
  std::string text;
};

std::string Bcd(int precision, int sign_and_scale, std::string nibbles) {
  std::string value{static_cast<char>(precision), static_cast<char>(sign_and_scale)};
  value += nibbles;
  value.resize(34, '\0');
  return value;
}

std::string Text(const std::string& text, int size) {
  std::string value = text;
  value.resize(size + 1, '\0');
  return value;
}

class ValueDecodeTest : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueDecodeTest, DecodesTheValueBetweenTwoMarkerColumns) {
  const ValueCase& c = GetParam();
  // A marker before and after proves that the value occupies exactly its width.
  const std::string definitions = Definition("before", 2, 0, 0) +
                                  Definition("VALUE", c.type, c.precision, c.size) +
                                  Definition("after", 2, 0, 0);
  const std::string row = Little(0x1111, 2) + c.bytes + Little(0x2222, 2);
  TMemoryDataSet table;
  table.LoadFromSerial(Compress(Inflated(static_cast<unsigned>(row.size()), 1, definitions, row)));
  ASSERT_TRUE(table.Active());
  ASSERT_EQ(table.RecordCount(), 1);
  EXPECT_EQ(table.FieldByName("value").AsString(), c.text);
  EXPECT_EQ(table.FieldByName("BEFORE").AsInteger(), 0x1111);
  EXPECT_EQ(table.FieldByName("After").AsInteger(), 0x2222);
}

INSTANTIATE_TEST_SUITE_P(
    EveryTypeCode, ValueDecodeTest,
    testing::Values(
        ValueCase{"string", 1, 0, 10, Text("Zelvane", 10), "Zelvane"},
        ValueCase{"string255", 1, 0, 255, Text(std::string(255, 'x'), 255), std::string(255, 'x')},
        ValueCase{"string_unterminated", 1, 0, 3, std::string("abcd"), "abc"},
        ValueCase{"smallint", 2, 0, 0, Little(0xFFFE, 2), "-2"},
        ValueCase{"integer", 3, 0, 0, Little(0xFFFE1DC0, 4), "-123456"},
        ValueCase{"word", 4, 0, 0, Little(0xFFFF, 2), "65535"},
        ValueCase{"boolean_true", 5, 0, 0, Little(0xFFFF, 2), "True"},
        ValueCase{"boolean_false", 5, 0, 0, Little(0, 2), "False"},
        ValueCase{"float", 6, 0, 0, LittleDouble(0.1), "0.1"},
        ValueCase{"float_whole", 6, 0, 0, LittleDouble(-2500), "-2500"},
        ValueCase{"currency", 7, 0, 0, LittleDouble(1234.56), "1234.56"},
        ValueCase{"bcd", 8, 5, 0, Bcd(5, 2, "\x12\x34\x50"), "123.45"},
        ValueCase{"bcd_negative", 8, 6, 0, Bcd(6, 0x80 | 2, std::string("\x00\x05\x50", 3)),
                  "-5.5"},
        ValueCase{"bcd_zero", 8, 4, 0, Bcd(4, 0x80 | 2, std::string(2, '\0')), "0"},
        ValueCase{"date", 9, 0, 0, Little(kLeapDay2024, 4), "2024-02-29"},
        ValueCase{"date_first", 9, 0, 0, Little(1, 4), "0001-01-01"},
        ValueCase{"date_zero", 9, 0, 0, Little(0, 4), ""},
        ValueCase{"time", 10, 0, 0, Little(3'723'000, 4), "01:02:03"},
        ValueCase{"datetime", 11, 0, 0, LittleDouble(kLeapDay2024* double(kDay) + 45'296'000),
                  "2024-02-29 12:34:56"},
        ValueCase{"datetime_zero", 11, 0, 0, LittleDouble(0), ""},
        ValueCase{"autoinc", 14, 0, 0, Little(7, 4), "7"},
        ValueCase{"fixedchar", 23, 0, 2, Text("AB", 2), "AB"},
        ValueCase{"largeint", 25, 0, 0, Little(1ull << 40, 8), "1099511627776"}),
    [](const testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.label); });

TEST(SerialDecodeTest, AStringOfSize255TakesTwoHundredAndFiftySixBytes) {
  const std::string definitions = Definition("NAME", 1, 0, 255) + Definition("N", 3, 0, 0);
  std::string rows = Text("first", 255) + Little(1, 4) + Text("second", 255) + Little(2, 4);
  TMemoryDataSet table;
  table.LoadFromSerial(Compress(Inflated(260, 2, definitions, rows)));
  EXPECT_EQ(table.RowWidth(), 260);
  ASSERT_EQ(table.RecordCount(), 2);
  EXPECT_EQ(table.FieldByName("NAME").AsString(), "first");
  table.Next();
  EXPECT_EQ(table.FieldByName("NAME").AsString(), "second");
  EXPECT_EQ(table.FieldByName("N").AsInteger(), 2);
  table.Next();
  EXPECT_TRUE(table.Eof());
  EXPECT_EQ(table.FieldByName("NAME").AsString(), "");
}

TEST(SerialDecodeTest, ReadsLowerCaseHexAndTrimsColumnNames) {
  std::string definitions = Definition("  padded", 1, 0, 0x1a);
  for (char& c : definitions) c = static_cast<char>(std::tolower(c));
  const std::string inflated =
      "001b00000001"
      "0025" +
      definitions + Text("lower", 0x1a);
  TMemoryDataSet table;
  table.LoadFromSerial(Compress(inflated));
  EXPECT_EQ(table.Columns().front().def.name, "padded");
  EXPECT_EQ(table.FieldByName("PADDED").AsString(), "lower");
}

TEST(SerialDecodeTest, WidthsThatDoNotAddUpLoadNoRowsAndReadEmpty) {
  const std::string definitions = Definition("A", 3, 0, 0) + Definition("B", 1, 0, 4);
  TMemoryDataSet table;
  table.LoadFromSerial(Compress(Inflated(10, 1, definitions, std::string(10, 'x'))));
  EXPECT_FALSE(table.Active());
  EXPECT_EQ(table.RecordCount(), 0);
  EXPECT_EQ(table.FieldByName("B").AsString(), "");
  EXPECT_EQ(table.FieldByName("A").AsInteger(), 0);
}

}  // namespace
}  // namespace skarvel
