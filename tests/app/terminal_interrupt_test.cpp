// The unattended program as a person at a terminal meets it: Ctrl-C reaches the whole foreground
// process group, the program and the tools it runs alike, and must act as the wizard's cancel
// button.

#include <filesystem>
#include <fstream>
#include <signal.h>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/installation_fixture.h"
#include "tests/support/wait_for_path.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;
using test::ChildProcess;

constexpr auto npos = std::string::npos;

class TerminalInterruptTest : public test::InstallationTest {
 protected:
  // The program in a process group of its own, as a shell runs a command in the foreground.
  ChildProcess StartInItsOwnGroup() {
    return ChildProcess({SKARVEL_CLI_PROGRAM, kFreshCustomer}, Environment(service_.host()), true);
  }
  static std::string ReadToTheEnd(ChildProcess& cli) {
    std::string out;
    try {
      for (;;) out += cli.ReadLine() + "\n";
    } catch (const std::runtime_error&) {
    }
    return out;
  }
};

// Ctrl-C in the middle of unpacking: the step in progress finishes (every file arrives and 49 is
// reported), no later step runs, and the program ends as cancelled.
TEST_F(TerminalInterruptTest, CtrlCDuringAnUnpackLetsTheStepFinish) {
  constexpr std::size_t kLarge = 200u << 20;
  EnlargeTillPackage(kLarge);
  ChildProcess cli = StartInItsOwnGroup();
  const std::string large = WorkFolder() + "/lumtrak/zz-large.bin";
  ASSERT_TRUE(test::WaitForPath(large, std::chrono::seconds(60))) << ReadToTheEnd(cli);
  cli.SignalGroup(SIGINT);
  const std::string out = ReadToTheEnd(cli);
  EXPECT_EQ(cli.Wait(), 4) << out;
  EXPECT_EQ(fs::file_size(large), kLarge) << "the archive tool was stopped halfway";
  EXPECT_EQ(ReportedStatuses(), (std::vector<std::string>{"29", "39", "39", "39", "39", "49"}));
  EXPECT_FALSE(fs::exists(folder_.File("till/lumcaisse.exe"))) << "step 5 ran after the cancel";
}

// Ctrl-C while the code step fetches the server list: nothing has run yet, so the program ends
// at once, cleanly: no report, no half-written file.
TEST_F(TerminalInterruptTest, CtrlCDuringTheCodeStepsTransferEndsCleanly) {
  std::ofstream(download_root_.File("srv/serveurs.cfg"), std::ios::app)
      << std::string(2'000'000, ';');
  RestartDownloadServer({.send_rate = 100'000});
  ChildProcess cli = StartInItsOwnGroup();
  ASSERT_TRUE(test::WaitForPath(WorkFolder() + "/serveurs.cfg.part", std::chrono::seconds(30)));
  cli.SignalGroup(SIGINT);
  const std::string out = ReadToTheEnd(cli);
  EXPECT_EQ(cli.Wait(), 4) << out;
  EXPECT_NE(out.find("Cancelled."), npos) << out;
  EXPECT_TRUE(service_.Requests("UpdateStatus").empty());
  EXPECT_FALSE(fs::exists(WorkFolder() + "/serveurs.cfg.part"));
  EXPECT_FALSE(fs::exists(WorkFolder() + "/serveurs.cfg"));
}

}  // namespace
}  // namespace skarvel
