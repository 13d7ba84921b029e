// Faults during a whole installation by the unattended program: the program killed in the
// middle of a step, peers that go away, a database server that is not running, a full disk.
// Each ends with the service holding a status the next run can go on from, a log that says
// what happened, and no half-written file under a final name.

#include <filesystem>
#include <signal.h>
#include <string>

#include <gtest/gtest.h>

#include "app/work_folder_packages.h"
#include "tests/support/firebird_server_process.h"
#include "tests/support/installation_fixture.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;
using test::ChildProcess;
using test::Contents;
using test::ProgramResult;

constexpr auto npos = std::string::npos;

// Files a download or a settings write leaves while it is under way: never under a final name,
// and never left behind.
std::vector<std::string> HalfWrittenFiles(const std::string& folder) {
  std::vector<std::string> found;
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.ends_with(".part") || name.find(".pos.") != npos) found.push_back(name);
  }
  return found;
}

class InstallationFaultTest : public test::InstallationTest {
 protected:
  static constexpr int kNoMountNamespace = 99;
  const std::string code_ = kFreshCustomer;

  // The program with a file system of its own (a tmpfs with the mount options) on folder, in a
  // mount namespace of its own: the machine's mounts stay as they are. The files left on it are
  // listed ("left: NAME") before it goes away with the namespace.
  ProgramResult RunWithFileSystemOn(const std::string& folder, const std::string& options,
                                    const std::vector<std::string>& arguments) {
    fs::create_directories(folder);
    auto environment = Environment(host());
    environment["SKARVEL_TEST_MOUNT"] = folder;
    std::vector<std::string> argv = {
        "/usr/bin/unshare",
        "-rm",
        "/bin/sh",
        "-c",
        "mount -t tmpfs -o " + options + " skarvel \"$SKARVEL_TEST_MOUNT\" || exit " +
            std::to_string(kNoMountNamespace) +
            "\n\"$@\"; code=$?\n"
            "find \"$SKARVEL_TEST_MOUNT\" -type f -printf 'left: %P\\n'\n"
            "exit $code",
        "sh",
        SKARVEL_CLI_PROGRAM};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return test::RunProgram(argv, environment);
  }

  // The work folder on a file system of the given size, this user's alone.
  ProgramResult RunWithWorkFolderOfSize(std::uintmax_t size) {
    return RunWithFileSystemOn(WorkFolder(), "size=" + std::to_string(size) + ",mode=0700",
                               {code_});
  }

  ChildProcess Start() { return ChildProcess({SKARVEL_CLI_PROGRAM, code_}, Environment(host())); }
  std::string host() const { return service_.host(); }

  // Reads the program's output up to the line that has the text.
  static void ReadUpTo(ChildProcess& cli, const std::string& text) {
    while (cli.ReadLine().find(text) == npos) {
    }
  }

  // The till holds all the shop's reference data once, and the central database knows it.
  void ExpectACompleteTill() {
    EXPECT_EQ(TillRows("select count(*) from APPELPRIX"), std::to_string(sizes_.products));
    EXPECT_EQ(TillRows("select count(*) from PRODUITSLIES"),
              std::to_string(sizes_.linked_products));
    EXPECT_EQ(TillRows("select count(*) from CLIENT_CARD"), std::to_string(sizes_.cards));
    EXPECT_EQ(TillRows("select count(*) from APPROMO"), std::to_string(sizes_.promotions));
    EXPECT_EQ(CentralValue("select count(*) from POSTES where NUM_POSTE = 4"), "1");
    const std::string settings = Contents(folder_.File("till/LUMTRAK.pos"));
    EXPECT_NE(settings.find("\r\ndbf=" + TillDatabase() + "\r\n"), npos) << settings;
    EXPECT_NE(settings.find("\r\nPoste=4\r\n"), npos) << settings;
    EXPECT_TRUE(fs::exists(folder_.File("home/Desktop/Lumtrak.desktop")));
    EXPECT_EQ(HalfWrittenFiles(folder_.path()), std::vector<std::string>{});
  }
};

// Where the program is killed: line lines after the first line of step's output.
struct KillPoint {
  int step;
  int line;
};

void PrintTo(const KillPoint& point, std::ostream* out) {
  *out << "step " << point.step << ", line " << point.line;
}

class KilledInstallationTest : public InstallationFaultTest,
                               public testing::WithParamInterface<KillPoint> {
 protected:
  // A step's output begins with the line after the previous step's last report; step 2, the
  // first after the restart, with the work folder's preparation.
  static void ReadToTheStart(ChildProcess& cli, int step) {
    if (step == 2) return ReadUpTo(cli, "GetLumtrak");
    const std::string previous = "step " + std::to_string(step - 1) + " done,";
    ReadUpTo(cli, previous);
    while (cli.ReadLine().find(previous) != npos) {
    }
  }
};

// Whatever the step was doing, the next start with the code goes on from the status the service
// holds, and completes, or stops with a failure status and says how to go on: the undo, after
// which a new run completes.
TEST_P(KilledInstallationTest, TheNextStartGoesOnFromTheStatusTheServiceHolds) {
  PrepareCentralDatabase(7);
  {
    ChildProcess cli = Start();
    ReadToTheStart(cli, GetParam().step);
    for (int line = 0; line < GetParam().line; ++line) cli.ReadLine();
    cli.Signal(SIGKILL);
    ASSERT_EQ(cli.Wait(), 128 + SIGKILL);
  }
  const std::string held = CustomerStatus(code_);
  const ProgramResult resumed = Run({code_});
  EXPECT_NE(resumed.out.find("Installation status " + held + "\n"), npos) << resumed.out;
  if (resumed.exit_code != 0) {
    EXPECT_EQ(resumed.exit_code, 1) << resumed.out << resumed.err;
    EXPECT_EQ(CustomerStatus(code_).back(), '8') << "the design's failure status";
    EXPECT_NE(resumed.err.find("start skarvel-cli --undo " + code_), npos) << resumed.err;
    const ProgramResult again = Run({"--undo", code_});
    ASSERT_EQ(again.exit_code, 0) << again.out << again.err;
    EXPECT_NE(again.out.find("Installation status 19\n"), npos) << again.out;
  }
  EXPECT_EQ(CustomerStatus(code_), "120");
  ExpectACompleteTill();
}

INSTANTIATE_TEST_SUITE_P(EachStep, KilledInstallationTest,
                         testing::Values(KillPoint{2, 0}, KillPoint{3, 0}, KillPoint{3, 2},
                                         KillPoint{4, 0}, KillPoint{5, 0}, KillPoint{6, 0},
                                         KillPoint{7, 0}, KillPoint{8, 0}, KillPoint{9, 0},
                                         KillPoint{9, 8}, KillPoint{10, 0}, KillPoint{11, 0},
                                         KillPoint{12, 0}),
                         [](const testing::TestParamInfo<KillPoint>& info) {
                           return "Step" + std::to_string(info.param.step) + "Line" +
                                  std::to_string(info.param.line);
                         });

TEST_F(InstallationFaultTest, UndoOfAFinishedInstallationInstallsAgain) {
  PrepareCentralDatabase(3);
  const ProgramResult first = Run({code_});
  ASSERT_EQ(first.exit_code, 0) << first.out << first.err;
  const ProgramResult again = Run({"--undo", code_});
  EXPECT_EQ(again.exit_code, 0) << again.out << again.err;
  const std::vector<std::string> reports = ReportedStatuses();
  // The undo's own report, then every step again from step 2.
  const auto undo = std::find(reports.begin(), reports.end(), "19");
  ASSERT_NE(undo, reports.end());
  EXPECT_EQ(std::vector<std::string>(undo + 1, undo + 3), (std::vector<std::string>{"29", "39"}));
  EXPECT_EQ(reports.back(), "120");
  ExpectACompleteTill();
}

TEST_F(InstallationFaultTest, TheServiceGoneMidRunStopsTheRunAndSaysWhatToDo) {
  PrepareCentralDatabase(5);
  ChildProcess cli = Start();
  ReadUpTo(cli, "step 4 done, reported 49");
  service_.Stop();
  EXPECT_EQ(cli.Wait(), 3);
  const std::string log = LogText();
  EXPECT_NE(log.find("/CheckStatus -> "), npos) << log;
  EXPECT_NE(log.find("stopped answering during the installation"), npos) << log;
  EXPECT_NE(log.find("start skarvel-cli " + code_ + " to continue"), npos) << log;
  EXPECT_EQ(ReportedStatuses().back(), "49");
  EXPECT_EQ(HalfWrittenFiles(folder_.path()), std::vector<std::string>{});
}

TEST_F(InstallationFaultTest, TheDownloadServerGoneMidTransferLeavesNoPackageBehind) {
  const auto package = fs::file_size(download_root_.File("lumtrak650/lumtrak650.zip"));
  // The server goes away, the whole process at once, half-way through the package.
  RestartDownloadServer({.exit_after = static_cast<long>(package / 2)});
  const ProgramResult result = Run({code_});
  EXPECT_EQ(result.exit_code, 1) << result.out << result.err;
  EXPECT_EQ(CustomerStatus(code_), "38");
  EXPECT_NE(result.err.find("start skarvel-cli --undo " + code_), npos) << result.err;
  // The client's own words and code are the error's details line, not the log's alone.
  const auto details = result.err.find("(details: ");
  ASSERT_NE(details, npos) << result.err;
  EXPECT_NE(result.err.find("(120", details), npos) << result.err;
  const std::string log = LogText();
  EXPECT_NE(log.find("FTP: could not download lumtrak650/lumtrak650.zip ("), npos) << log;
  EXPECT_FALSE(fs::exists(WorkFolder() + "/lumtrak650.zip"));
  EXPECT_EQ(HalfWrittenFiles(folder_.path()), std::vector<std::string>{});
}

// The database server the till uses is not running when the databases are filled: both
// messages are said, the step fails, and the program says what to do.
TEST_F(InstallationFaultTest, ADatabaseServerThatIsNotRunningFailsStepNineWithItsMessages) {
  test::FirebirdServerProcess server;  // before this process's first use of Firebird
  PrepareCentralDatabase(9);
  service_.SetField(code_, "PPA_POSPATH2", "localhost:" + folder_.File("till"));
  server.Kill();
  const ProgramResult result = Run({code_});
  EXPECT_EQ(result.exit_code, 1) << result.out << result.err;
  EXPECT_NE(result.out.find("step 8 done, reported 89"), npos) << result.out;
  EXPECT_EQ(CustomerStatus(code_), "98");
  const auto first = result.err.find("Le service Firebird ne semble pas démarré");
  const auto second = result.err.find("Connexion impossible, merci de vérifier Firebird");
  EXPECT_NE(first, npos) << result.err;
  EXPECT_NE(second, npos) << result.err;
  EXPECT_LT(first, second);
  EXPECT_NE(result.err.find("stopped at step 9 (status 98)"), npos) << result.err;
  const std::string log = LogText();
  EXPECT_NE(log.find("no database server answers at localhost for the till database localhost:" +
                     folder_.File("till")),
            npos)
      << log;
  EXPECT_NE(log.find("message: Connexion impossible"), npos) << log;
}

// The work folder on a file system of its own, too small for the till package.
TEST_F(InstallationFaultTest, AFullDiskInTheWorkFolderFailsTheDownloadWithItsCause) {
  const auto package = fs::file_size(download_root_.File("lumtrak650/lumtrak650.zip"));
  ASSERT_GT(package, 64u * 1024) << "the package must be larger than the small file system";
  const ProgramResult result = RunWithWorkFolderOfSize(package / 2);
  if (result.exit_code == kNoMountNamespace) GTEST_SKIP() << result.err;
  EXPECT_EQ(result.exit_code, 1) << result.out << result.err;
  EXPECT_NE(result.out.find("step 3 failed, reported 38"), npos) << result.out;
  EXPECT_NE(result.out.find("left: 7za.exe\n"), npos) << result.out;
  // Only whole files are left: no package, no half-written part.
  EXPECT_EQ(result.out.find("left: lumtrak650.zip"), npos) << result.out;
  EXPECT_EQ(result.out.find(".part\n"), npos) << result.out;
  // The error window names the step and the cause.
  EXPECT_NE(result.err.find("The file lumtrak650/lumtrak650.zip could not be written into the work "
                            "folder: No space left on device."),
            npos)
      << result.err;
  const std::string log = LogText();
  EXPECT_NE(log.find("could not download lumtrak650/lumtrak650.zip"), npos) << log;
  EXPECT_NE(log.find("No space left on device"), npos) << log;
}

// The work folder large enough for the downloads but not for the unpacked till package: the
// unpack fails with the tool's words, and nothing is installed.
TEST_F(InstallationFaultTest, AFullDiskDuringTheUnpackFailsStepFour) {
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
  const ProgramResult result = RunWithWorkFolderOfSize(downloads + unpacked / 2 + 64 * 1024);
  if (result.exit_code == kNoMountNamespace) GTEST_SKIP() << result.err;
  EXPECT_EQ(result.exit_code, 1) << result.out << result.err;
  EXPECT_EQ(ReportedStatuses(), (std::vector<std::string>{"29", "39", "39", "39", "39", "48"}));
  const std::string log = LogText();
  EXPECT_NE(log.find("could not unpack"), npos) << log;
  EXPECT_NE(log.find("its last output:"), npos) << log;
  EXPECT_FALSE(fs::exists(folder_.File("till/lumcaisse.exe")));
  // The tool's own words reach the error window, not only its heading.
  EXPECT_NE(result.err.find("No space left on device"), npos) << result.err;
}

// The till folder on a file system too small for the till programs: step 5 fails with the
// system's cause in the log, the error window, the terminal and the JSON, instead of reporting
// a copy that was not made.
TEST_F(InstallationFaultTest, AFullTillFolderFailsStepFiveWithItsCause) {
  EnlargeTillPackage(3u << 20);
  const ProgramResult result =
      RunWithFileSystemOn(folder_.File("till"), "size=1m", {"--json", code_});
  if (result.exit_code == kNoMountNamespace) GTEST_SKIP() << result.err;
  EXPECT_EQ(result.exit_code, 1) << result.out << result.err;
  EXPECT_EQ(CustomerStatus(code_), "58");
  EXPECT_EQ(ReportedStatuses().back(), "58");
  EXPECT_NE(result.err.find("step 5 failed, reported 58"), npos) << result.err;
  EXPECT_NE(result.out.find(R"("event":"step","step":5,"step_caption":"Install the till )"
                            R"(programs","status":58,"outcome":"failed")"),
            npos)
      << result.out;
  // The error window's text, as the JSON and the terminal give it, ends with the cause.
  EXPECT_NE(result.out.find(R"(No space left on device"})"), npos) << result.out;
  EXPECT_NE(result.err.find("No space left on device"), npos) << result.err;
  EXPECT_NE(LogText().find("No space left on device"), npos) << LogText();
  EXPECT_EQ(result.out.find(R"("status":59)"), npos) << "step 5 reported done";
}

// The work folder emptied after the downloads (a cleaner, a person): each step that needs an
// archive fetches it again and the installation completes.
TEST_F(InstallationFaultTest, AWorkFolderEmptiedAfterTheDownloadsIsFilledAgain) {
  PrepareCentralDatabase(8);
  service_.SetField(code_, "cp_ps_code", "40");
  const ProgramResult result = Run({code_});
  EXPECT_EQ(result.exit_code, 0) << result.out << result.err;
  for (const char* archive : {"lumtrak650.zip", "tickets.zip"}) {
    EXPECT_NE(result.out.find(FetchedAgainMessage(archive)), npos) << result.out;
  }
  EXPECT_EQ(CustomerStatus(code_), "120");
  ExpectACompleteTill();
}

// A receipt printer that cannot be added leaves a till that sells: the run completes with exit
// 0, and its end says what was not done, on the terminal and in the JSON.
TEST_F(InstallationFaultTest, APrinterThatCannotBeAddedIsSaidAtTheEnd) {
  service_.SetField(code_, "CP_GENTEXT", "TICKETS");
  PrepareCentralDatabase(6);
  const ProgramResult result = Run({"--json", code_});
  EXPECT_EQ(result.exit_code, 0) << result.out << result.err;
  EXPECT_NE(result.out.find(R"("event":"end","exit_code":0,"status":120,"advice":"",)"
                            R"("changed":true,"warnings":["the receipt printer TICKETS was not )"
                            R"(added ()"),
            npos)
      << result.out;
  EXPECT_NE(result.err.find("\nWarning: the receipt printer TICKETS was not added ("), npos)
      << result.err;
  // The check foresees it as what it is: a warning, not an installation that would fail.
  service_.SetField(code_, "cp_ps_code", "20");
  const ProgramResult check = Run({"--check", code_});
  EXPECT_EQ(check.exit_code, 0) << check.out << check.err;
  EXPECT_NE(check.out.find("WARN  printing-system"), npos) << check.out;

  // A run that goes on past the printer step, as after an interruption, still names it.
  service_.SetField(code_, "cp_ps_code", "110");
  const ProgramResult resumed = Run({code_});
  EXPECT_EQ(resumed.exit_code, 0) << resumed.out << resumed.err;
  EXPECT_NE(resumed.out.find("\nWarning: the receipt printer TICKETS was not added ("), npos)
      << resumed.out;
}

// A read-only till folder: the same, with the system's own words for it.
TEST_F(InstallationFaultTest, AReadOnlyTillFolderFailsStepFiveWithItsCause) {
  const ProgramResult result = RunWithFileSystemOn(folder_.File("till"), "ro,size=1m", {code_});
  if (result.exit_code == kNoMountNamespace) GTEST_SKIP() << result.err;
  EXPECT_EQ(result.exit_code, 1) << result.out << result.err;
  EXPECT_EQ(CustomerStatus(code_), "58");
  EXPECT_NE(result.out.find("step 5 failed, reported 58"), npos) << result.out;
  EXPECT_NE(result.err.find("Read-only file system"), npos) << result.err;
  EXPECT_NE(LogText().find("Read-only file system"), npos) << LogText();
}

}  // namespace
}  // namespace skarvel
