#include "platform/profile_file.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace skarvel {
namespace {

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(ProfileFileTest, WritesLikeTheWindowsProfileFunctions) {
  test::TempFolder folder;
  const std::string path = folder.File("LUMTRAK.pos");
  WriteProfileString(path, "Dorvello\\Caisse", "printername", "STAR");
  WriteProfileString(path, "Dorvello\\Caisse", "TicketFile", "");
  WriteProfileString(path, "Dorvello\\Caisse\\Acomptes",
                     "D\xE9"
                     "but Acompte Emis",
                     "28");
  // Another case finds the same section and key; the first spelling stays.
  WriteProfileString(path, "DORVELLO\\caisse", "PRINTERNAME", "EPSON");
  EXPECT_EQ(Contents(path),
            "[Dorvello\\Caisse]\r\nprintername=EPSON\r\nTicketFile=\r\n\r\n"
            "[Dorvello\\Caisse\\Acomptes]\r\nD\xE9"
            "but Acompte Emis=28\r\n");
  EXPECT_EQ(ReadProfileString(path, "dorvello\\caisse", "PrinterName", "-"), "EPSON");
  EXPECT_EQ(ReadProfileString(path, "Dorvello\\Caisse\\Acomptes",
                              "d\xE9"
                              "but acompte emis",
                              "-"),
            "28");
  EXPECT_EQ(ReadProfileString(path, "Dorvello\\Caisse", "BitmapPath", "none"), "none");
  EXPECT_EQ(ReadProfileString(folder.File("missing.pos"), "a", "b", "none"), "none");
}

TEST(ProfileFileTest, ErasesAWholeSectionAndNothingElse) {
  test::TempFolder folder;
  const std::string path = folder.File("LUMTRAK.pos");
  WriteProfileString(path, "Dorvello", "Poste", "3");
  WriteProfileString(path, "Dorvello\\Caisse", "NumCloture", "12");
  WriteProfileString(path, "Lumtrak", "NumCloture", "12");
  EraseProfileSection(path, "dorvello");
  EraseProfileSection(path, "Not there");
  EXPECT_EQ(ReadProfileString(path, "Dorvello", "Poste", "gone"), "gone");
  EXPECT_EQ(ReadProfileString(path, "Dorvello\\Caisse", "NumCloture", "gone"), "12");
  EXPECT_EQ(ReadProfileString(path, "Lumtrak", "NumCloture", "gone"), "12");
  EraseProfileSection(folder.File("missing.pos"), "Dorvello");
  EXPECT_FALSE(std::filesystem::exists(folder.File("missing.pos")));
}

TEST(ProfileFileTest, AFolderThatDoesNotExistIsAnErrorNamingTheFile) {
  test::TempFolder folder;
  const std::string path = folder.File("no such folder/LUMTRAK.pos");
  try {
    WriteProfileString(path, "Dorvello", "Poste", "3");
    FAIL() << "no error";
  } catch (const ProfileError& error) {
    EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
  }
}

// A writer killed at any moment leaves the file whole: one of the values it wrote, complete.
TEST(ProfileFileTest, AWriterKilledMidWriteNeverLeavesHalfAFile) {
  test::TempFolder folder;
  const std::string path = folder.File("LUMTRAK.pos");
  const std::size_t length = 200000;
  WriteProfileString(path, "Dorvello", "Big", std::string(length, 'a'));
  for (int round = 0; round < 20; ++round) {
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
      for (int n = 0;; ++n) {
        WriteProfileString(path, "Dorvello", "Big", std::string(length, n % 2 ? 'b' : 'a'));
      }
    }
    ::usleep(static_cast<useconds_t>(2000 + round * 1500));
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
    const std::string value = ReadProfileString(path, "Dorvello", "Big", "");
    ASSERT_EQ(value.size(), length) << "round " << round;
    EXPECT_EQ(value.find_first_not_of(value.front()), std::string::npos) << "round " << round;
  }
  // What a killed writer left beside the file goes with the next write, and nothing else does:
  // not another program's file, nor a technician's copies, however they are named.
  for (const char* name : {"LUMTRAK.pos.bak", "LUMTRAK.pos.backup", "LUMTRAK.pos.202401",
                           ".LUMTRAK.pos.skarvel-write-old", "LUMTRAK.pos.skarvel-write-AbC123"}) {
    std::ofstream(folder.File(name)) << "kept";
  }
  WriteProfileString(path, "Dorvello", "Small", "1");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    names.push_back(entry.path().filename());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names,
            (std::vector<std::string>{".LUMTRAK.pos.skarvel-write-old", "LUMTRAK.pos",
                                      "LUMTRAK.pos.202401", "LUMTRAK.pos.backup", "LUMTRAK.pos.bak",
                                      "LUMTRAK.pos.skarvel-write-AbC123"}));
}

// A temporary file that its writer is still writing is left alone.
TEST(ProfileFileTest, ALiveWritersTemporaryFileIsLeftAlone) {
  test::TempFolder folder;
  const std::string path = folder.File("LUMTRAK.pos");
  const std::string busy = folder.File(".LUMTRAK.pos.skarvel-write-AbC123");
  const int fd = ::open(busy.c_str(), O_CREAT | O_WRONLY, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  WriteProfileString(path, "Dorvello", "Poste", "4");
  EXPECT_TRUE(std::filesystem::exists(busy));
  ::close(fd);
  WriteProfileString(path, "Dorvello", "Poste", "5");
  EXPECT_FALSE(std::filesystem::exists(busy));
}

}  // namespace
}  // namespace skarvel
