// The unattended program as a person at a terminal meets it: Ctrl-C reaches the whole foreground
// process group, the program and the tools it runs alike, and must act as the wizard's cancel
// button.

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/file.h>
#include <unistd.h>

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

// The archive tool's process (a child of the program, in a group of its own), once it runs.
pid_t ArchiveTool(pid_t program) {
  for (const auto& entry : fs::directory_iterator("/proc")) {
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    // "pid (name) state ppid ...": the name may hold blanks, the rest follows its ")".
    const std::size_t close = line.rfind(')');
    std::istringstream rest(line.substr(close + 2));
    char state = 0;
    pid_t parent = 0;
    rest >> state >> parent;
    if (parent == program && line.find("(7za)") != std::string::npos) {
      return std::stoi(line.substr(0, line.find(' ')));
    }
  }
  return 0;
}

// Whether the process is gone: not there at all, or a zombie nobody collected yet.
bool Gone(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  return !std::getline(stat, line) || line.substr(line.rfind(')') + 2, 1) == "Z";
}

// A second Ctrl-C ends the program at once, but the archive tool first: no orphan goes on
// unpacking into the folder the next run (which the lock now lets in) unpacks into.
TEST_F(TerminalInterruptTest, ASecondCtrlCEndsTheArchiveToolBeforeTheProgram) {
  EnlargeTillPackage(200u << 20);
  ChildProcess cli = StartInItsOwnGroup();
  const std::string large = WorkFolder() + "/lumtrak/zz-large.bin";
  ASSERT_TRUE(test::WaitForPath(large, std::chrono::seconds(60))) << ReadToTheEnd(cli);
  const pid_t tool = ArchiveTool(cli.pid());
  ASSERT_NE(tool, 0) << "the archive tool runs while its file grows";
  cli.SignalGroup(SIGINT);
  // The first press is handled as the cancel button: the program asks and answers yes.
  while (cli.ReadLine().find("leave Skarvel? Yes") == npos) {
  }
  cli.SignalGroup(SIGINT);
  EXPECT_EQ(cli.Wait(), 128 + SIGINT);
  EXPECT_TRUE(Gone(tool)) << "the archive tool outlived the program";
  const auto size = fs::file_size(large);
  EXPECT_LT(size, 200u << 20) << "the archive tool was not stopped";
  // Nothing writes into the work folder any more, and the next run may start: no process (the
  // archive tool with an inherited descriptor, say) holds the instance lock.
  const std::string lock = fs::path(WorkFolder()).parent_path() / "skarvel.lock";
  const int fd = ::open(lock.c_str(), O_RDWR | O_CLOEXEC);
  ASSERT_GE(fd, 0) << lock;
  EXPECT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0) << "the instance lock is still held";
  ::close(fd);
  EXPECT_EQ(fs::file_size(large), size);
  EXPECT_EQ(ReportedStatuses(), (std::vector<std::string>{"29", "39", "39", "39", "39"}));
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
