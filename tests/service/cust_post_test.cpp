#include "service/cust_post.h"

#include <gtest/gtest.h>

#include "service/dataset_error.h"

namespace skarvel {
namespace {

const char* const kTextColumns[] = {"CP_PKEY",          "cus_code",
                                    "cp_pv_code",       "cp_pos_nr",
                                    "cp_post_nr",       "cp_prt_pkey",
                                    "cp_pt_pkey",       "cp_ppo_pkey",
                                    "cp_ps_code",       "cp_lng_code",
                                    "cp_cus_id",        "cp_ppa_pkey",
                                    "cp_conv_client",   "cus_name",
                                    "cus_base_dv",      "cus_base_lk",
                                    "cus_base_pos",     "ppo_port",
                                    "ps_name",          "psl_name",
                                    "psl_info",         "lng_name",
                                    "pt_lng_code",      "pt_display",
                                    "pt_path",          "pt_filename",
                                    "pt_info",          "pt_default",
                                    "prt_name",         "pv_name",
                                    "pv_info",          "pv_path",
                                    "pv_filename",      "pv_default",
                                    "pv_test",          "PPA_POSPATH",
                                    "PPA_POSPATH2",     "PPA_POSDB",
                                    "CP_INST_FB",       "CP_VERS_FB",
                                    "CP_NEEDCONF",      "CP_GENTEXT",
                                    "CP_PRINT_ALW",     "CP_LOG_TICKET",
                                    "CP_LOG_SIMPLE",    "CP_NOM_SERVER_ALIAS",
                                    "CP_BASE_CENTRALE", "CP_FACT_CENTRALE",
                                    "CP_FACT_ACTIF",    "CC_FIDELITYCARD"};

// One row holding, in every text column, the column's name (upper case), and an integer
// CP_FTPPASSIF; `without` leaves one column out.
TMemoryDataSet RecordTable(int passive, const std::string& without = "") {
  std::vector<ColumnDef> columns;
  for (const char* name : kTextColumns) {
    if (name != without) columns.push_back({name, FieldType::ftString, 0, 40});
  }
  columns.push_back({"CP_FTPPASSIF", FieldType::ftInteger, 0, 0});
  TMemoryDataSet table;
  table.SetColumns(columns);
  table.Append();
  for (const ColumnDef& column : columns) {
    if (column.type == FieldType::ftString) table.FieldByName(column.name).SetAsString(column.name);
  }
  table.FieldByName("CP_FTPPASSIF").SetAsInteger(passive);
  return table;
}

TEST(CustPostTest, FillsEveryFieldFromTheColumnOfItsName) {
  TMemoryDataSet table = RecordTable(1);
  table.FieldByName("cp_lng_code").SetAsString("  NL ");
  table.FieldByName("CP_PRINT_ALW").SetAsString("");
  table.FieldByName("CP_LOG_TICKET").SetAsString(" 3 ");
  table.FieldByName("CC_FIDELITYCARD").SetAsString("-2");
  cust_post record;
  FillCustPost(table, record);
  EXPECT_EQ(record.CP_PKEY, "CP_PKEY");
  EXPECT_EQ(record.CustomerCode, "cus_code");
  EXPECT_EQ(record.cp_ppa_pkey, "cp_ppa_pkey");
  EXPECT_EQ(record.PPA_POSDB, "PPA_POSDB");
  EXPECT_EQ(record.CP_BASE_CENTRALE, "CP_BASE_CENTRALE");
  EXPECT_EQ(record.cp_lng_code, "NL");
  EXPECT_EQ(record.CP_PRINT_ALW, 1);  // empty: its default
  EXPECT_EQ(record.CP_LOG_TICKET, 3);
  EXPECT_EQ(record.CP_LOG_SIMPLE, 0);  // "CP_LOG_SIMPLE" is no number: its default
  EXPECT_EQ(record.CP_FACT_CENTRALE, 0);
  EXPECT_EQ(record.CC_FIDELITYCARD, -2);
  EXPECT_TRUE(record.CP_FTPPASSIF);
}

TEST(CustPostTest, PassiveOnlyForExactlyOne) {
  for (const auto& [passive, expected] :
       {std::pair{0, false}, {1, true}, {2, false}, {-1, false}}) {
    TMemoryDataSet table = RecordTable(passive);
    cust_post record;
    record.CP_FTPPASSIF = !expected;
    FillCustPost(table, record);
    EXPECT_EQ(record.CP_FTPPASSIF, expected) << passive;
  }
}

TEST(CustPostTest, AMissingColumnStopsTheFillWhereItStands) {
  // cp_ppa_pkey is read after pv_test: without pv_test it keeps its old value while the columns
  // that stand between them in the table are read.
  TMemoryDataSet table = RecordTable(1, "pv_test");
  cust_post record;
  record.cp_ppa_pkey = "old";
  record.PPA_POSPATH = "old";
  try {
    FillCustPost(table, record);
    ADD_FAILURE() << "a missing column went unnoticed";
  } catch (const DataSetError& error) {
    EXPECT_STREQ(error.what(), "Field 'pv_test' not found");
  }
  EXPECT_EQ(record.cp_conv_client, "cp_conv_client");
  EXPECT_EQ(record.pv_default, "pv_default");
  EXPECT_EQ(record.cp_ppa_pkey, "old");
  EXPECT_EQ(record.PPA_POSPATH, "old");
}

TEST(CustPostTest, ClearEmptiesTheTextsUpToTheDatabaseNameAndKeepsTheRest) {
  TMemoryDataSet table = RecordTable(1);
  cust_post record;
  FillCustPost(table, record);
  record.CP_PRINT_ALW = 5;
  ClearCustPost(record);
  EXPECT_EQ(record.CP_PKEY, "");
  EXPECT_EQ(record.CustomerCode, "");
  EXPECT_EQ(record.cp_ppa_pkey, "");
  EXPECT_EQ(record.PPA_POSDB, "");
  EXPECT_EQ(record.CP_INST_FB, "CP_INST_FB");
  EXPECT_EQ(record.CP_BASE_CENTRALE, "CP_BASE_CENTRALE");
  EXPECT_EQ(record.CP_PRINT_ALW, 5);
  EXPECT_TRUE(record.CP_FTPPASSIF);
}

}  // namespace
}  // namespace skarvel
