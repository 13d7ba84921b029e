#include "service/memory_dataset.h"

#include <gtest/gtest.h>

#include "service/dataset_error.h"
#include "service/zlib_stream.h"

namespace skarvel {
namespace {

TMemoryDataSet CustomerLikeTable() {
  TMemoryDataSet table;
  table.SetColumns({{"CODE", FieldType::ftString, 0, 5},
                    {"COUNT", FieldType::ftInteger, 0, 0},
                    {"AMOUNT", FieldType::ftFloat, 0, 0},
                    {"SINCE", FieldType::ftDate, 0, 0}});
  table.Append();
  table.FieldByName("code").SetAsString("12");
  table.FieldByName("count").SetAsInteger(-3);
  table.FieldByName("amount").SetAsInteger(4);
  table.Append();
  table.FieldByName("code").SetAsString("toolong");  // cut to the column's five characters
  table.FieldByName("count").SetAsInteger(2'000'000'000);
  return table;
}

TEST(MemoryDataSetTest, WhatItWritesItReadsBack) {
  TMemoryDataSet written = CustomerLikeTable();
  TMemoryDataSet read;
  read.LoadFromSerial(written.SaveToSerial());
  ASSERT_EQ(read.RecordCount(), 2);
  ASSERT_EQ(read.Columns().size(), 4u);
  EXPECT_EQ(read.RowWidth(), 6 + 4 + 8 + 4);
  EXPECT_EQ(read.Columns()[2].offset, 10);
  EXPECT_EQ(read.FieldByName("CODE").AsString(), "12");
  EXPECT_EQ(read.FieldByName("COUNT").AsString(), "-3");
  EXPECT_EQ(read.FieldByName("AMOUNT").AsString(), "4");
  read.Next();
  EXPECT_EQ(read.FieldByName("CODE").AsString(), "toolo");
  EXPECT_EQ(read.FieldByName("COUNT").AsInteger(), 2'000'000'000);
  EXPECT_EQ(read.FieldByName("SINCE").AsString(), "");
}

TEST(MemoryDataSetTest, WritesItsHeaderInUpperCaseHex) {
  TMemoryDataSet table;
  table.SetColumns({{"NAME", FieldType::ftString, 0, 0xAB}});
  const std::string text = ZlibInflate(table.SaveToSerial(), 1 << 20);
  EXPECT_EQ(text.substr(0, 16), "00AC000000000025");
  EXPECT_EQ(text.substr(16 + 32, 5), "010AB");
}

TEST(MemoryDataSetTest, ReadsAsWholeNumbersOnlyWhatHoldsOne) {
  TMemoryDataSet table = CustomerLikeTable();
  table.First();
  EXPECT_EQ(table.FieldByName("CODE").AsInteger(), 12);
  EXPECT_EQ(table.FieldByName("AMOUNT").AsInteger(), 4);
  table.Next();
  try {
    table.FieldByName("CODE").AsInteger();
    ADD_FAILURE() << "text read as a number";
  } catch (const DataSetError& error) {
    EXPECT_STREQ(error.what(), "Field 'CODE' holds 'toolo', which is not a whole number");
  }
  EXPECT_THROW(table.FieldByName("SINCE").AsInteger(), DataSetError);
}

TEST(MemoryDataSetTest, AnUnknownColumnNamesItself) {
  TMemoryDataSet table = CustomerLikeTable();
  try {
    table.FieldByName("CUS_BASE_POS");
    ADD_FAILURE() << "unknown column found";
  } catch (const DataSetError& error) {
    EXPECT_STREQ(error.what(), "Field 'CUS_BASE_POS' not found");
  }
}

TEST(MemoryDataSetTest, EmptyRowsLeavesAnOpenTableWithoutRows) {
  TMemoryDataSet table = CustomerLikeTable();
  table.EmptyRows();
  EXPECT_TRUE(table.Active());
  EXPECT_EQ(table.RecordCount(), 0);
  table.First();
  EXPECT_TRUE(table.Eof());
  EXPECT_EQ(table.FieldByName("CODE").AsString(), "");
  EXPECT_EQ(table.FieldByName("COUNT").AsInteger(), 0);
  EXPECT_THROW(table.FieldByName("CODE").SetAsString("x"), DataSetError);
}

TEST(MemoryDataSetTest, RefusesColumnsTheFormatCannotCarry) {
  TMemoryDataSet table;
  EXPECT_THROW(table.SetColumns({{std::string(33, 'N'), FieldType::ftString, 0, 1}}), DataSetError);
  EXPECT_THROW(table.SetColumns({{"N", FieldType::ftString, 0, 256}}), DataSetError);
  EXPECT_THROW(table.SetColumns({{"N", FieldType::ftBCD, 16, 0}}), DataSetError);
  table.SetColumns({{"N", FieldType::ftSmallint, 0, 0}});
  table.Append();
  EXPECT_THROW(table.FieldByName("N").SetAsInteger(40'000), DataSetError);
}

}  // namespace
}  // namespace skarvel
