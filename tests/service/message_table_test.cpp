#include "service/message_table.h"

#include <gtest/gtest.h>

#include "service/status_list.h"

namespace skarvel {
namespace {

TEST(MessageTableTest, LooksCodesUpWithoutRegardToCaseAndTheFirstEntryWins) {
  const MessageTable table = {
      {"POS_5", "Next", "ENG"}, {"POS_6", "Previous", "ENG"}, {"POS_5", "Second", "ENG"}};
  EXPECT_EQ(LookupMessage(table, "pos_5"), "Next");
  EXPECT_EQ(LookupMessage(table, "POS_6"), "Previous");
  EXPECT_EQ(LookupMessage(table, "POS_7"), "");
  EXPECT_EQ(LookupMessage(table, "POS_"), "");
}

TEST(MessageTableTest, CountsAsLoadedFromTwoEntries) {
  MessageTable table;
  EXPECT_FALSE(MessagesLoaded(table));
  table.push_back({"POS_23", "Fout", "NL"});
  EXPECT_FALSE(MessagesLoaded(table));
  table.push_back({"POS_24", "Info", "NL"});
  EXPECT_TRUE(MessagesLoaded(table));
}

TEST(StatusListTest, FindsTheLastEntryOfExactlyThatCode) {
  const StatusList list = {
      {"20", "A", "first", "i1"}, {"20", "B", "last", "i2"}, {"20 ", "C", "blank", "i3"}};
  EXPECT_EQ(FindStatusEntry(list, "20").psl_name, "last");
  EXPECT_EQ(FindStatusEntry(list, "20 ").psl_name, "blank");
  const pos_status none = FindStatusEntry(list, "30");
  EXPECT_EQ(none.ps_code, "");
  EXPECT_EQ(none.psl_info, "");
}

}  // namespace
}  // namespace skarvel
