#include "workstation/process_control.h"

#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/ansi_text.h"
#include "tests/support/child_process.h"
#include "tests/support/recording_notifier.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait_for_path.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;

std::string Contents(const std::string& path) {
  std::ifstream in(path);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Write(const std::string& path, const std::string& text) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path) << text;
}

// A package as the download server holds it: "lumtrak/" with a subfolder, zipped with password.
void MakePackage(const std::string& staging, const std::string& archive,
                 const std::string& password) {
  Write(staging + "/lumtrak/lumcaisse.exe", "new program");
  Write(staging + "/lumtrak/bmp/logo.txt", "logo");
  const auto made = test::RunProgram(
      {"/usr/bin/7za", "a", "-tzip", "-p" + password, archive, staging + "/lumtrak"});
  ASSERT_EQ(made.exit_code, 0) << made.out << made.err;
}

// Child programs that are only recorded, for the cases where nothing may start.
class RecordingPrograms final : public ChildPrograms {
 public:
  ChildOutcome RunAndWait(const std::string& program, const std::vector<std::string>&,
                          const std::string&, EventPump&) override {
    started.push_back(program);
    return {true, true, 0, "", ""};
  }
  std::vector<std::string> started;
};

class ProcessControlTest : public testing::Test {
 protected:
  ProcessControl Control(ChildPrograms& programs) {
    return ProcessControl(programs, processes_, pump_,
                          [this](const std::string& line) { log_.push_back(line); });
  }
  bool Logged(const std::string& part) const {
    for (const std::string& line : log_) {
      if (line.find(part) != std::string::npos) return true;
    }
    return false;
  }

  test::TempFolder folder_;
  LinuxChildPrograms programs_;
  ProcFsProcessTable processes_;
  test::CountingPump pump_;
  std::vector<std::string> log_;
};

TEST_F(ProcessControlTest, UnpacksTheProtectedPackageWithItsFoldersOverAnOlderCopy) {
  const std::string work = folder_.File("work") + "/";
  MakePackage(folder_.File("staging"), work + "lumtrak650.zip", kArchivePassword);
  const std::string destination = folder_.File("till folder") + "/";
  Write(destination + "lumtrak/lumcaisse.exe", "old program");
  ProcessControl control = Control(programs_);
  // The folder is given without its trailing separator: the same command results.
  EXPECT_TRUE(control.UnzipPackage("lumtrak650.zip", folder_.File("work"), destination));
  EXPECT_EQ(Contents(destination + "lumtrak/lumcaisse.exe"), "new program");
  EXPECT_EQ(Contents(destination + "lumtrak/bmp/logo.txt"), "logo");
  EXPECT_TRUE(Logged("ended with exit code 0"));
  EXPECT_FALSE(Logged(kArchivePassword)) << "the password never reaches the log";
}

// An archive the tool cannot unpack whole is a failed unpack, with the tool's own words in the
// log: a package installed by halves is worse than a step that fails.
TEST_F(ProcessControlTest, AWrongPasswordOrADamagedArchiveFailsTheUnpack) {
  const std::string work = folder_.File("work") + "/";
  for (int file = 1; file <= 8; ++file) {
    Write(folder_.File("staging/lumtrak/report" + std::to_string(file) + ".txt"), "report");
  }
  MakePackage(folder_.File("staging"), work + "other.zip", "another password");
  ProcessControl control = Control(programs_);
  EXPECT_FALSE(control.UnzipPackage("other.zip", work, work));
  EXPECT_NE(Contents(work + "lumtrak/bmp/logo.txt"), "logo");
  EXPECT_TRUE(Logged("ended with exit code 2")) << (log_.empty() ? "" : log_.front());
  EXPECT_TRUE(Logged("Wrong password"));
  EXPECT_FALSE(Logged(kArchivePassword));
  // The tool says it of each file: the cause says the first and counts the others.
  const std::string failure = control.LastFailure();
  EXPECT_EQ(failure.find("the archive other.zip could not be unpacked (ERROR: Wrong password : "),
            0u)
      << failure;
  EXPECT_NE(failure.find(" more in the log)"), std::string::npos) << failure;
  EXPECT_LT(failure.size(), 300u) << failure;

  MakePackage(folder_.File("staging"), work + "whole.zip", kArchivePassword);
  const std::string whole = Contents(work + "whole.zip");
  std::ofstream(work + "cut.zip", std::ios::binary) << whole.substr(0, whole.size() / 2);
  log_.clear();
  EXPECT_FALSE(control.UnzipPackage("cut.zip", work, folder_.File("cut")));
  EXPECT_TRUE(Logged("could not unpack " + work + "cut.zip"));
  // Data after the archive's end is the tool's warning about the archive, not about its items.
  std::ofstream(work + "whole.zip", std::ios::binary | std::ios::app) << "trailing bytes";
  EXPECT_TRUE(control.UnzipPackage("whole.zip", work, folder_.File("whole")));
  EXPECT_EQ(Contents(folder_.File("whole/lumtrak/bmp/logo.txt")), "logo");
}

TEST_F(ProcessControlTest, AMissingArchiveOrFolderStartsNothing) {
  RecordingPrograms recording;
  ProcessControl control = Control(recording);
  fs::create_directories(folder_.File("work"));
  EXPECT_FALSE(control.UnzipPackage("missing.zip", folder_.File("work"), folder_.File("out")));
  EXPECT_FALSE(control.UnzipPackage("a.zip", folder_.File("no folder"), folder_.File("out")));
  EXPECT_TRUE(recording.started.empty());
}

TEST_F(ProcessControlTest, NoMatchingFileMakesNoArchive) {
  fs::create_directories(folder_.File("receipts"));
  const std::string work = folder_.File("work") + "/";
  fs::create_directories(work);
  ProcessControl control = Control(programs_);
  const std::string masks = "\"" + folder_.File("receipts") + "/*.txt*\"";
  EXPECT_FALSE(control.ZipFiles("5412345000013.zip", work, masks, work));
  EXPECT_TRUE(Logged("holds no file")) << (log_.empty() ? "" : log_.back());
}

TEST_F(ProcessControlTest, PacksTheReceiptFilesIntoAPlainArchive) {
  Write(folder_.File("receipts/head.txt"), "head");
  Write(folder_.File("receipts/logo.bmp"), "BM");
  Write(folder_.File("receipts/notes.doc"), "no");
  const std::string work = folder_.File("my work") + "/";
  fs::create_directories(work);
  ProcessControl control = Control(programs_);
  const std::string receipts = folder_.File("receipts") + "/";
  EXPECT_TRUE(control.ZipFiles("5412345000013.zip", work,
                               "\"" + receipts + "*.txt*\" \"" + receipts + "*.bmp*\"", work));
  const auto listing = test::RunProgram({"/usr/bin/7za", "l", work + "5412345000013.zip"});
  EXPECT_NE(listing.out.find("head.txt"), std::string::npos) << listing.out;
  EXPECT_NE(listing.out.find("logo.bmp"), std::string::npos);
  EXPECT_EQ(listing.out.find("notes.doc"), std::string::npos);
}

TEST_F(ProcessControlTest, ExecAndWaitRunsInTheStartFolderAndFailsForAMissingProgram) {
  ProcessControl control = Control(programs_);
  const std::string folder = folder_.File("start here");
  fs::create_directories(folder);
  EXPECT_TRUE(control.ExecAndWait("sh", "-c \"pwd > where.txt\"", folder));
  EXPECT_EQ(Contents(folder + "/where.txt"), folder + "\n");
  EXPECT_FALSE(control.ExecAndWait(folder_.File("no-such-program"), "", ""));
  EXPECT_TRUE(Logged("could not start"));
  // A program writes the system's UTF-8; the log takes Windows-1252 and converts it once more.
  EXPECT_TRUE(control.ExecAndWait("sh", "-c \"printf 'r\\303\\251pertoire absent\\n' >&2\"", ""));
  EXPECT_TRUE(Logged("its error stream: r\xE9pertoire absent"));
}

// The wait ends as soon as the application is closing; the program goes on.
TEST_F(ProcessControlTest, ExecAndWaitGivesUpWhenTheApplicationCloses) {
  class ClosingPump final : public EventPump {
   public:
    void ProcessMessages() override {}
    bool Terminating() const override { return true; }
  } closing;
  ProcessControl control(programs_, processes_, closing, [](const std::string&) {});
  const std::string marker = folder_.File("finished");
  EXPECT_TRUE(control.ExecAndWait("sh", "-c \"sleep 1; touch '" + marker + "'\"", ""));
  EXPECT_FALSE(fs::exists(marker));
  EXPECT_TRUE(test::WaitForPath(marker, std::chrono::seconds(10))) << "the program went on running";
}

// The till programs' names are every installation's to stop: a test running beside this one
// could stop ours. The programs here have names of this test process's own.
TEST_F(ProcessControlTest, KillProcessEndsEveryCopyWhateverItsCaseAndFolder) {
  const std::string name = "SkvTill" + std::to_string(::getpid()) + ".exe";
  const std::string first = folder_.File("a/" + name);
  const std::string second = folder_.File("b/" + UpperCase(name));
  for (const std::string& copy : {first, second}) {
    fs::create_directories(fs::path(copy).parent_path());
    fs::copy_file("/usr/bin/sleep", copy);
  }
  // posix_spawn returns once the program runs: the system lists it from then on.
  test::ChildProcess one({first, "60"}, {});
  test::ChildProcess two({second, "60"}, {});
  ProcessControl control = Control(programs_);
  std::string lower = name;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_TRUE(control.KillProcess(lower));
  EXPECT_EQ(one.Wait(), 128 + 9);
  EXPECT_EQ(two.Wait(), 128 + 9);
  EXPECT_FALSE(control.KillProcess(name));

  // The whole path, as the system reports it, matches too.
  test::ChildProcess three({first, "60"}, {});
  EXPECT_TRUE(control.KillProcess(first));
  EXPECT_EQ(three.Wait(), 128 + 9);
}

TEST_F(ProcessControlTest, KillProcessNeverEndsTheWizardItself) {
  class OwnTable final : public ProcessTable {
   public:
    std::vector<RunningProcess> Snapshot() override {
      return {{7, "/usr/bin/skarvel", "skarvel"}, {8, "", "C:\\lumtrak\\SKARVEL"}, {9, "", ""}};
    }
    bool Terminate(int id) override {
      ended.push_back(id);
      return true;
    }
    int OwnId() const override { return 7; }
    std::vector<int> ended;
  } table;
  RecordingPrograms recording;
  ProcessControl control(recording, table, pump_, [](const std::string&) {});
  EXPECT_TRUE(control.KillProcess("skarvel"));
  EXPECT_EQ(table.ended, std::vector<int>{8});
  EXPECT_FALSE(control.KillProcess(""));
  EXPECT_EQ(table.ended, std::vector<int>{8});
}

}  // namespace
}  // namespace skarvel
