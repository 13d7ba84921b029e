#include "platform/run_log.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace skarvel {
namespace {

std::vector<std::string> LinesOf(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Each line says when, which process and how grave; an entry of several lines goes on in marked
// lines of the same process; a run starts and ends marked; a text and the log's own path with
// "é" are written once in UTF-8, never converted twice.
TEST(RunLogTest, EachLineSaysWhenWhichProcessAndHowGrave) {
  test::TempFolder folder;
  // The path is Windows-1252, as the rest of the domain: "caf\xE9" is "café" on the disk.
  const std::string path = folder.File("caf\xE9/skarvel.log");
  RunLog log(path);
  log.StartRun("skarvel-cli", "1.2.3", "5412345000013 against 127.0.0.1:3604");
  log.Write(RunLog::Level::kError,
            "failed: the archive could not be unpacked\r\nERROR: Wrong "
            "password\n\ncaf\xE9.exe");
  log.Write(RunLog::Level::kWarning, "check: FAIL  disk-space");
  log.EndRun(4);
  EXPECT_FALSE(std::filesystem::exists(path));
  const std::vector<std::string> lines = LinesOf(folder.File("caf\xC3\xA9/skarvel.log"));
  const std::string pid = std::to_string(::getpid());
  const std::regex head(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \[)" + pid +
                        R"(\] (INFO |WARN |ERROR) .*)");
  ASSERT_EQ(lines.size(), 6u);
  for (const std::string& line : lines) EXPECT_TRUE(std::regex_match(line, head)) << line;
  const auto text = [&lines](std::size_t index) {
    return lines[index].substr(lines[index].find("] ") + 2);
  };
  EXPECT_EQ(text(0), "INFO  ==== start of skarvel-cli 1.2.3 5412345000013 against 127.0.0.1:3604");
  EXPECT_EQ(text(1), "ERROR failed: the archive could not be unpacked");
  EXPECT_EQ(text(2), "ERROR | ERROR: Wrong password");
  EXPECT_EQ(text(3), "ERROR | caf\xC3\xA9.exe");
  EXPECT_EQ(text(4), "WARN  check: FAIL  disk-space");
  EXPECT_EQ(text(5),
            "INFO  ==== end of skarvel-cli 1.2.3 5412345000013 against 127.0.0.1:3604: "
            "exit code 4");
}

}  // namespace
}  // namespace skarvel
