#include "platform/reboot.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/file_contents.h"
#include "tests/support/temp_folder.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;

// systemctl as this test's own stand-in, given by its path: the real one would restart the
// machine the tests run on.
class RebootTest : public testing::Test {
 protected:
  void StandIn(const std::string& body) {
    std::ofstream(StandInPath()) << "#!/bin/sh\necho \"$@\" > " << folder_.File("called") << "\n"
                                 << body;
    fs::permissions(StandInPath(), fs::perms::owner_all);
  }
  std::string StandInPath() const { return folder_.File("systemctl"); }
  std::string Called() const { return test::Contents(folder_.File("called")); }

  test::TempFolder folder_;
};

// The system's answer stands inside the advice's sentence: one line, its own words, and plain
// words of ours when it said nothing (no exit code: it tells the person nothing).
TEST_F(RebootTest, ARefusalIsTheSystemsOwnWordsOnOneLine) {
  StandIn(
      "echo 'System has not been booted with systemd as init system (PID 1). Can'\\''t operate.' "
      ">&2\necho 'Failed to connect to bus: Host is down' >&2\nexit 1\n");
  SystemdReboot reboot(StandInPath());
  EXPECT_FALSE(reboot.Reboot());
  EXPECT_EQ(Called(), "reboot\n");
  EXPECT_EQ(reboot.LastRefusal(),
            "System has not been booted with systemd as init system (PID 1). Can't operate. "
            "Failed to connect to bus: Host is down");

  StandIn("exit 1\n");
  EXPECT_FALSE(reboot.Reboot());
  EXPECT_EQ(reboot.LastRefusal(), "the system refused the restart without giving a reason");

  StandIn("exit 0\n");
  EXPECT_TRUE(reboot.Reboot());
}

}  // namespace
}  // namespace skarvel
