#include "app/work_progress.h"

#include <QLocale>
#include <gtest/gtest.h>

#include "app/progress_line.h"

namespace skarvel {
namespace {

using std::chrono::milliseconds;
using Clock = ProgressRate::Clock;
constexpr std::uint64_t kMB = 1'000'000;

WorkProgress Download(std::uint64_t done, std::uint64_t total = 20 * kMB) {
  return {WorkProgress::Kind::kDownload, "lumtrak650", "lumtrak650.zip", done, total, false};
}

Clock::time_point At(double seconds) {
  return Clock::time_point() +
         std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

// The speed is the one of the last few seconds, so that a server that slows down shows it, and
// the time left follows from it; another piece of work, or one that starts again, is measured
// afresh.
TEST(ProgressRateTest, MeasuresTheRecentSpeedAndTheTimeLeft) {
  ProgressRate rate;
  EXPECT_FALSE(rate.Add(Download(0), At(0)).per_second);
  // 2 MB/s for five seconds, then 0.5 MB/s for six.
  for (int second = 1; second <= 5; ++second) rate.Add(Download(second * 2 * kMB), At(second));
  MeasuredProgress measured = rate.Add(Download(10 * kMB + kMB / 2), At(6));
  ASSERT_TRUE(measured.per_second);
  EXPECT_GT(*measured.per_second, 1.0 * kMB);
  for (int second = 7; second <= 10; ++second) {
    rate.Add(Download(10 * kMB + (second - 5) * kMB / 2), At(second));
  }
  measured = rate.Add(Download(13 * kMB), At(11));
  ASSERT_TRUE(measured.per_second && measured.seconds_left);
  EXPECT_DOUBLE_EQ(*measured.per_second, 0.5 * kMB);
  EXPECT_DOUBLE_EQ(*measured.seconds_left, 14);

  // Too soon after the first report of a piece to tell a speed.
  WorkProgress other = Download(0);
  other.name = "lumtrak651";
  rate.Add(other, At(12));
  other.done = kMB;
  EXPECT_FALSE(rate.Add(other, At(12.1)).per_second);
  // Its end has no time left; without a total neither has a piece that goes on.
  other.done = 2 * kMB;
  other.ended = true;
  measured = rate.Add(other, At(13));
  EXPECT_TRUE(measured.per_second);
  EXPECT_FALSE(measured.seconds_left);
  rate.Add(Download(0, 0), At(20));
  measured = rate.Add(Download(kMB, 0), At(21));
  EXPECT_DOUBLE_EQ(measured.per_second.value_or(0), 1.0 * kMB);
  EXPECT_FALSE(measured.seconds_left);
  // Fewer bytes than before: the download started again.
  EXPECT_FALSE(rate.Add(Download(kMB / 2, 0), At(22)).per_second);
}

// A report passes at most once an interval; with keep_edges the first report of a piece and its
// last pass whenever they come, so that a line or an event never misses a start or an end.
TEST(ProgressPaceTest, LetsAReportThroughOnceAnIntervalAndKeepsTheEdges) {
  ProgressPace lines(milliseconds(100), true);
  ProgressPace events(milliseconds(100), false);
  WorkProgress other = Download(0);
  other.name = "lumtrak651";
  WorkProgress ended = Download(2 * kMB);
  ended.ended = true;
  const std::vector<std::pair<WorkProgress, double>> reports = {
      {Download(0), 0}, {Download(kMB), 0.05}, {Download(kMB), 0.11}, {ended, 0.12},
      {other, 0.13},    {Download(0), 0.30},   {Download(kMB), 0.31}};
  std::vector<bool> line_passed;
  std::vector<bool> event_passed;
  for (const auto& [progress, seconds] : reports) {
    line_passed.push_back(lines.Due(progress, At(seconds)));
    event_passed.push_back(events.Due(progress, At(seconds)));
  }
  EXPECT_EQ(line_passed, (std::vector<bool>{true, false, true, true, true, true, false}));
  EXPECT_EQ(event_passed, (std::vector<bool>{true, false, true, false, false, true, false}));
}

class ProgressLineTest : public testing::Test {
 protected:
  void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
  void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

// Each kind of work says what it is at, how far it is, and, where known, its speed and the time
// left; a download's amounts are sizes, a table's are rows, an unpacking has its percent only.
TEST_F(ProgressLineTest, SaysWhatHowFarHowFastAndHowLong) {
  EXPECT_EQ(ProgressLine({Download(45'100'000, 100 * kMB), 12'300'000.0, 4.2}, 200),
            "  lumtrak650: lumtrak650.zip  45.1 MB / 100.0 MB  [#########           ]  45%  "
            "12.3 MB/s  5 s left");
  EXPECT_EQ(ProgressLine({Download(999, 0), std::nullopt, std::nullopt}, 200),
            "  lumtrak650: lumtrak650.zip  999 bytes");
  const WorkProgress unpack{
      WorkProgress::Kind::kUnpack, "lumtrak650.zip", "lumtrak/lumcaisse.exe", 100, 100, true};
  EXPECT_EQ(ProgressLine({unpack, 50.0, std::nullopt}, 200),
            "  lumtrak650.zip: lumtrak/lumcaisse.exe  [####################] 100%");
  const WorkProgress table{WorkProgress::Kind::kTable, "Articles", "", 1200, 5000, false};
  EXPECT_EQ(ProgressLine({table, 100.0, 380.0}, 200),
            "  Articles  1200 / 5000 rows  [####                ]  24%  7 min left");
  EXPECT_EQ(TimeLeft(98.2), "99 s left");
  EXPECT_EQ(TimeLeft(100), "2 min left");
}

// On a narrow terminal the file's name gives way in its middle, down to a few characters, and
// the line never passes the width; a written-over line that wrapped would stay for good.
TEST_F(ProgressLineTest, ANarrowTerminalShortensTheFileNameFirst) {
  WorkProgress work = Download(kMB, 2 * kMB);
  work.item = "a-very-long-package-name-that-goes-on-and-on.zip";
  for (const std::size_t width : {120u, 79u, 60u, 30u}) {
    const std::string line = ProgressLine({work, 1e6, 1.0}, width);
    EXPECT_LE(line.size(), width) << line;
    EXPECT_EQ(line.rfind("  lumtrak650: a-", 0), 0u) << line;
  }
  const std::string fits = ProgressLine({work, 1e6, 1.0}, 140);
  EXPECT_NE(fits.find(work.item), std::string::npos) << fits;
  const std::string narrow = ProgressLine({work, 1e6, 1.0}, 79);
  EXPECT_EQ(narrow.find(work.item), std::string::npos) << narrow;
  EXPECT_NE(narrow.find("~"), std::string::npos) << narrow;
  EXPECT_NE(narrow.find("on.zip  1.0 MB / 2.0 MB"), std::string::npos) << narrow;
}

}  // namespace
}  // namespace skarvel
