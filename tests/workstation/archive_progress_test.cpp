#include "workstation/archive_progress.h"

#include <gtest/gtest.h>

namespace skarvel {
namespace {

// The archive tool's output as it writes it with -bsp1: each report taken back with backspaces
// (and blanks over it) before the next one, cut into pieces wherever the pipe cut it.
const std::string kOutput =
    "\n7-Zip (a) [64] 16.02\n\nExtracting archive: x.zip\n--\nPath = x.zip\n\n"
    "  0%\b\b\b\b    \b\b\b\b 41% - lumtrak/caf\xC3\xA9.exe\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b"
    "\b\b\b\b\b\b      \b\b\b\b\b\b 69% 3 - lumtrak/readme.txt\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b"
    "\b\b\b\b\b\b\b\b\b\b\b\b\nEverything is Ok\n\nFiles: 4\n";

// Every report is read, whatever the pieces, with its file in Windows-1252; nothing else is
// taken for one.
TEST(ArchiveProgressTest, ReadsEachReportWhateverThePieces) {
  for (const std::size_t piece : {kOutput.size(), std::size_t{1}, std::size_t{7}}) {
    std::vector<std::pair<int, std::string>> reports;
    ArchiveProgressReader reader([&reports](const ArchiveProgress& progress) {
      reports.emplace_back(progress.percent, progress.file);
    });
    for (std::size_t at = 0; at < kOutput.size(); at += piece)
      reader.Add(kOutput.substr(at, piece));
    EXPECT_EQ(reports, (std::vector<std::pair<int, std::string>>{
                           {0, ""}, {41, "lumtrak/caf\xE9.exe"}, {69, "lumtrak/readme.txt"}}))
        << piece;
  }
}

// The log keeps what a person reads of the output: the reports and their blanks go.
TEST(ArchiveProgressTest, TheLogKeepsTheOutputWithoutTheReports) {
  EXPECT_EQ(WithoutProgressReports(kOutput),
            "\n7-Zip (a) [64] 16.02\n\nExtracting archive: x.zip\n--\nPath = x.zip\n\n"
            "\nEverything is Ok\n\nFiles: 4\n");
}

}  // namespace
}  // namespace skarvel
