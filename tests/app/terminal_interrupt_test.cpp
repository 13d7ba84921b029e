// The unattended program as a person at a terminal meets it: Ctrl-C reaches the whole foreground
// process group, the program and the tools it runs alike, and must act as the wizard's cancel
// button; and the download server is the stock one a shop runs.

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
using test::ProgramResult;

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

// The work folder on a file system of its own, large enough for the downloads but not for the
// unpacked till package: the unpack fails with the tool's words, and nothing is installed.
TEST_F(TerminalInterruptTest, AFullDiskDuringTheUnpackFailsStepFour) {
  std::uintmax_t downloads = 0;
  for (const char* file : {"srv/serveurs.cfg", "zip/7za.exe", "lumtrak650/lumtrak650.zip",
                           "templates/tickets.zip", "firebird/Firebird25.zip"}) {
    downloads += fs::file_size(download_root_.File(file));
  }
  std::uintmax_t unpacked = 0;
  for (const auto& entry :
       fs::recursive_directory_iterator(download_root_.File("staging/lumtrak"))) {
    if (entry.is_regular_file()) unpacked += entry.file_size();
  }
  const std::string temporary = folder_.File("tmp");
  fs::create_directories(temporary);
  auto environment = Environment(service_.host());
  environment["XDG_CACHE_HOME"] = temporary;
  const std::uintmax_t size = downloads + unpacked / 2 + 64 * 1024;
  const ProgramResult result =
      test::RunProgram({"/usr/bin/unshare", "-rm", "/bin/sh", "-c",
                        "mount -t tmpfs -o size=" + std::to_string(size) +
                            " skarvel \"$XDG_CACHE_HOME\" || exit 99\n\"$@\"",
                        "sh", SKARVEL_CLI_PROGRAM, kFreshCustomer},
                       environment);
  if (result.exit_code == 99) GTEST_SKIP() << "no mount namespace here: " << result.err;
  EXPECT_EQ(result.exit_code, 1) << result.out << result.err;
  EXPECT_EQ(ReportedStatuses(), (std::vector<std::string>{"29", "39", "39", "39", "39", "48"}));
  const std::string log = LogText();
  EXPECT_NE(log.find("could not unpack"), npos) << log;
  EXPECT_NE(log.find("its last output:"), npos) << log;
  EXPECT_FALSE(fs::exists(folder_.File("till/lumcaisse.exe")));
}

// A shop's stock FTP server logs the account into its own folder, not "/": every package
// arrives all the same, in passive and in active mode.
TEST_F(TerminalInterruptTest, DownloadsFromAStockServerInBothModes) {
  const std::string why = test::WhyFtpServerUnavailable(test::FtpServerKind::kVsftpd);
  if (!why.empty()) GTEST_SKIP() << why;
  RestartDownloadServer({.kind = test::FtpServerKind::kVsftpd});
  for (const char* passive : {"1", "0"}) {
    service_.SetField(kFreshCustomer, "CP_FTPPASSIF", passive);
    service_.SetField(kFreshCustomer, "cp_ps_code", "20");
    const ProgramResult result = Run({kFreshCustomer});
    EXPECT_NE(result.out.find("step 3 done, reported 39"), npos) << result.out;
    EXPECT_EQ(result.out.find("step 3 failed"), npos) << result.out;
    for (const char* file : {"7za.exe", "lumtrak650.zip", "tickets.zip", "Firebird25.zip"}) {
      EXPECT_TRUE(fs::exists(WorkFolder() + "/" + file)) << file << " passive " << passive;
    }
    EXPECT_NE(result.out.find("step 5 done, reported 59"), npos) << result.out;
  }
  EXPECT_NE(LogText().find("FTP: downloaded srv/serveurs.cfg"), npos) << LogText();
}

}  // namespace
}  // namespace skarvel
