#include "app/view_copy_progress.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/recording_view.h"

namespace skarvel {
namespace {

// Fourteen tables as the copy reports them, the customers' table with its cards after it on the
// same label, where the table bar starts again.
TEST(ViewCopyProgressTest, TheOverallBarOnlyGrowsAndIsFullOnlyAtTheEnd) {
  test::RecordingView view;
  std::vector<int> overall;
  int overall_maximum = 0;
  std::vector<std::string> table_texts;
  view.on_progress = [&](ProgressBar bar, int position, int maximum) {
    if (bar != ProgressBar::pbfilldb) return;
    overall.push_back(position);
    overall_maximum = maximum;
  };
  ViewCopyProgress progress(view);
  const auto copy_rows = [&](const std::string& table, int rows) {
    progress.SetTableName(table);
    table_texts.push_back(view.progress_text[ProgressBar::pb1]);
    progress.SetTable(0, rows);
    for (int row = 1; row <= rows; ++row) progress.SetTable(row, rows);
  };
  progress.ShowOverall(true);
  progress.SetOverall(0);
  for (int table = 1; table <= 14; ++table) {
    const std::string name = table == 8 ? "client" : "table" + std::to_string(table);
    progress.Label(name, table == 1);
    copy_rows(name, 3 * table);
    if (table == 8) copy_rows("clientcard", 500);
    if (table == 14) {
      EXPECT_LT(overall.back(), overall_maximum) << "full before the end";
    }
    progress.SetOverall(table);
  }
  EXPECT_TRUE(view.progress_visible[ProgressBar::pbfilldb]);
  EXPECT_EQ(overall.back(), overall_maximum);
  EXPECT_EQ(std::adjacent_find(overall.begin(), overall.end(), std::greater_equal<int>()),
            overall.end())
      << "the overall bar went back or stood still on a new value";
  EXPECT_GT(overall.size(), 14u * 3) << "the rows move the overall bar too";
  EXPECT_EQ(table_texts[7], "client");
  EXPECT_EQ(table_texts[8], "clientcard");
  EXPECT_EQ(table_texts.back(), "table14");
  EXPECT_EQ(view.mem_info.size(), 14u);  // the labels, one line each
  progress.ShowOverall(false);
  EXPECT_FALSE(view.progress_visible[ProgressBar::pbfilldb]);
  EXPECT_EQ(view.progress_text[ProgressBar::pb1], "");
}

// The customers' copier goes on to their cards under the cards' name; the cards' own copier then
// finds them copied and shows nothing. Each table ends once, on what it got.
TEST(ViewCopyProgressTest, EachTableEndsOnceUnderItsOwnName) {
  test::RecordingView view;
  ViewCopyProgress progress(view);
  progress.ShowOverall(true);
  progress.Label("client", true);
  progress.SetTableName("client");
  for (int row = 0; row <= 36; ++row) progress.SetTable(row, 40);
  progress.SetTable(36, 36);
  progress.SetTableName("clientcard");
  for (int row = 0; row <= 20; ++row) progress.SetTable(row, 20);
  progress.SetOverall(1);
  progress.Label("clientcard", false);
  progress.SetOverall(2);
  // A table without rows is done: its bar full, its line 0 of 0.
  progress.Label("civilite", false);
  progress.SetTableName("civilite");
  progress.SetTable(0, 1);
  progress.SetTable(0, 0);
  EXPECT_EQ(view.progress[ProgressBar::pb1], std::make_pair(1, 1));
  progress.SetOverall(3);
  std::vector<std::string> ended;
  for (const WorkProgress& work : view.ended_work) {
    ended.push_back(work.name + " " + std::to_string(work.done) + "/" + std::to_string(work.total));
  }
  EXPECT_EQ(ended, (std::vector<std::string>{"client 36/36", "clientcard 20/20", "civilite 0/0"}));
  EXPECT_EQ(view.mem_info, (std::vector<std::string>{"client", "clientcard", "civilite"}));
}

// A second copy (the step run again) starts the overall bar from nothing.
TEST(ViewCopyProgressTest, ASecondCopyStartsAgainFromNothing) {
  test::RecordingView view;
  ViewCopyProgress progress(view);
  progress.ShowOverall(true);
  progress.SetOverall(14);
  progress.ShowOverall(false);
  progress.ShowOverall(true);
  EXPECT_EQ(view.progress[ProgressBar::pbfilldb].first, 0);
  progress.SetTable(1, 2);
  EXPECT_EQ(view.progress[ProgressBar::pbfilldb].first, 50);
}

}  // namespace
}  // namespace skarvel
