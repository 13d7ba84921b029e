#include "app/workstation_operations.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/autostart.h"
#include "tests/support/child_process.h"
#include "tests/support/recording_notifier.h"
#include "tests/support/recording_view.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;
using test::ScopedEnvironment;

void Touch(const std::string& path) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path) << "x";
}

// Every test has its own home, trash and configuration folders.
DeploymentSettings Settings(const test::TempFolder& folder) {
  DeploymentSettings settings;
  settings.firebird_root = folder.File("firebird");
  settings.systemd_root = folder.File("system");
  return settings;
}

class WorkstationOperationsTest : public testing::Test {
 protected:
  test::TempFolder folder_;
  ScopedEnvironment home_{"HOME", folder_.File("home")};
  ScopedEnvironment data_{"XDG_DATA_HOME", folder_.File("home/.local/share")};
  RunLog log_{folder_.File("skarvel.log")};
  test::RecordingNotifier notifier_;
  test::CountingPump pump_;
  test::RecordingView view_;
  ServiceContext service_{"http://127.0.0.1:9/skv/skv.dll", pump_, notifier_};
  WorkstationOperations operations_{service_, log_, notifier_, pump_, view_, Settings(folder_)};
};

TEST_F(WorkstationOperationsTest, PrepareFolderEmptiesTheFolderIntoTheTrash) {
  const std::string work = folder_.File("work/");
  Touch(work + "old/package.zip");
  EXPECT_TRUE(operations_.PrepareFolder(work, true));
  EXPECT_TRUE(fs::is_directory(work));
  EXPECT_TRUE(fs::is_empty(work));
  // The old tree can be restored from the trash.
  EXPECT_TRUE(fs::exists(folder_.File("home/.local/share/Trash/files/work/old/package.zip")));
  Touch(work + "kept");
  EXPECT_TRUE(operations_.PrepareFolder(folder_.File("work"), false));
  EXPECT_TRUE(fs::exists(work + "kept"));
  EXPECT_TRUE(operations_.PrepareFolder(folder_.File("new/deeper/"), true));
  EXPECT_TRUE(fs::is_directory(folder_.File("new/deeper")));
}

// Whether the trash takes what is deleted or not, a record's till folder that is no till's is
// never emptied, and the home folder however spelled is never deleted; a previous till is.
TEST_F(WorkstationOperationsTest, NeverEmptiesWhatIsNoTillFolderWithOrWithoutTheTrash) {
  Touch(folder_.File("home/precious"));
  Touch(folder_.File("home/documents/letter.odt"));
  fs::create_symlink(folder_.File("home"), folder_.File("link-to-home"));
  const std::string package = folder_.File("work/lumtrak");
  for (const bool trash_refuses : {false, true}) {
    // A data folder that is a file: no trash can be made in it.
    Touch(folder_.File("not-a-folder"));
    ScopedEnvironment data("XDG_DATA_HOME", trash_refuses ? folder_.File("not-a-folder")
                                                          : folder_.File("home/.local/share"));
    for (const std::string& till :
         {folder_.File("home/documents/"), folder_.File("home/."), folder_.File("link-to-home/"),
          std::string("/"), std::string("/etc/")}) {
      EXPECT_FALSE(operations_.MayEmptyTillFolder(till, package)) << till;
    }
    for (const std::string& folder : {std::string("/"), std::string(""), folder_.File("home/"),
                                      folder_.File("home/x/.."), folder_.File("link-to-home")}) {
      EXPECT_FALSE(operations_.DeleteFolderTree(folder)) << folder;
    }
    EXPECT_TRUE(fs::exists(folder_.File("home/precious")));
    EXPECT_TRUE(fs::exists(folder_.File("home/documents/letter.odt")));
    Touch(folder_.File("old till/LUMTRAK.pos"));
    EXPECT_TRUE(operations_.MayEmptyTillFolder(folder_.File("old till/"), package));
    EXPECT_TRUE(operations_.PrepareFolder(folder_.File("old till/"), true));
    EXPECT_FALSE(fs::exists(folder_.File("old till/LUMTRAK.pos")));
  }
  std::ifstream log(folder_.File("skarvel.log"));
  const std::string logged((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
  EXPECT_NE(logged.find("the trash did not take"), std::string::npos) << logged;
  EXPECT_FALSE(notifier_.messages.empty());
}

// A link in a package is copied as a link: followed, it would copy whatever it points at (a
// folder outside the package) into the till folder.
TEST_F(WorkstationOperationsTest, CopiesKeepLinksAsLinks) {
  const std::string package = folder_.File("work/lumtrak/");
  Touch(package + "real.so");
  Touch(package + "bmp/logo.bmp");
  Touch(folder_.File("outside/secret"));
  fs::create_symlink("real.so", package + "lib.so");
  fs::create_symlink(folder_.File("outside"), package + "data");
  const std::string till = folder_.File("till/");
  Touch(till + "lib.so");  // an older copy's file where the link now goes
  EXPECT_TRUE(operations_.CopyFolderFiles(package, till));
  EXPECT_TRUE(fs::exists(till + "bmp/logo.bmp"));
  EXPECT_TRUE(fs::is_symlink(till + "lib.so"));
  EXPECT_EQ(fs::read_symlink(till + "lib.so"), "real.so");
  EXPECT_TRUE(fs::is_symlink(till + "data"));
  EXPECT_EQ(fs::read_symlink(till + "data"), folder_.File("outside"));
  // Nothing of the outside folder was copied into the till.
  EXPECT_FALSE(fs::exists(folder_.File("till/data/../secret")));
}

// The window is kept alive before the search, while it walks the folders and after each
// deletion: a large home folder must not freeze it.
TEST_F(WorkstationOperationsTest, RemovesOnlyTheVirtualizedSettingsFilesWhileTheWindowLives) {
  // The program's own folder (the test's build folder) holds none, so the home folder is searched:
  // one whose own name looks virtualized, which only what is below it may.
  ScopedEnvironment home("HOME", folder_.File("virtanen"));
  const std::vector<std::string> virtualized = {folder_.File("virtanen/VirtualStore/a/LUMTRAK.pos"),
                                                folder_.File("virtanen/VirtualStore/b/lumtrak.pos"),
                                                folder_.File("virtanen/Virtual/c/LUMTRAK.POS")};
  for (const std::string& path : virtualized) Touch(path);
  Touch(folder_.File("virtanen/till/lumtrak.POS"));
  for (int i = 0; i < 40; ++i)
    fs::create_directories(folder_.File("virtanen/photos/" + std::to_string(i)));
  std::vector<std::size_t> left_at_each_pump;
  pump_.on_pump = [&] {
    left_at_each_pump.push_back(static_cast<std::size_t>(
        std::count_if(virtualized.begin(), virtualized.end(),
                      [](const std::string& path) { return fs::exists(path); })));
  };
  EXPECT_TRUE(operations_.RemoveVirtualizedSettings());
  for (const std::string& path : virtualized) EXPECT_FALSE(fs::exists(path)) << path;
  EXPECT_TRUE(fs::exists(folder_.File("virtanen/till/lumtrak.POS")));
  // Once at the start, once per folder searched (over 40), once after each of the 3 deletions.
  ASSERT_GT(left_at_each_pump.size(), 40u + 3u);
  EXPECT_EQ(left_at_each_pump.front(), 3u);
  const std::vector<std::size_t> last(left_at_each_pump.end() - 3, left_at_each_pump.end());
  EXPECT_EQ(last, (std::vector<std::size_t>{2, 1, 0}));
}

TEST_F(WorkstationOperationsTest, AMissingServerPackageFailsAndSaysSoInTheLog) {
  EXPECT_FALSE(operations_.InstallFirebird("1.5", folder_.File("no package")));
  std::ifstream log(folder_.File("skarvel.log"));
  std::string line;
  std::getline(log, line);
  EXPECT_NE(line.find("the database server 1.5 was not installed: no package in "),
            std::string::npos)
      << line;
}

TEST(XdgAutostartTest, WritesTheEntrySystemWideAndRemovesItFromBothPlaces) {
  test::TempFolder folder;
  ScopedEnvironment dirs("XDG_CONFIG_DIRS", folder.File("xdg") + ":/etc/xdg");
  ScopedEnvironment config("XDG_CONFIG_HOME", folder.File("config"));
  XdgAutostart autostart;
  // The deployment's settings travel with the program, and a blank in a value stays in it.
  ASSERT_EQ(
      autostart.WriteEntry("runskarvel", {"/usr/bin/env", "SKARVEL_CA_FILE=/etc/ssl/maker ca.pem",
                                          "/usr/bin/skarvel", "5412345000013"}),
      "");
  const std::string entry = folder.File("xdg/autostart/runskarvel.desktop");
  std::ifstream in(entry);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("[Desktop Entry]\nType=Application\n"), std::string::npos);
  EXPECT_NE(text.find("\nExec=/usr/bin/env \"SKARVEL_CA_FILE=/etc/ssl/maker ca.pem\" "
                      "/usr/bin/skarvel 5412345000013\n"),
            std::string::npos)
      << text;
  if (fs::exists("/usr/bin/desktop-file-validate")) {
    const test::ProgramResult checked = test::RunProgram({"/usr/bin/desktop-file-validate", entry});
    EXPECT_EQ(checked.exit_code, 0) << checked.out << checked.err << text;
  }
  Touch(folder.File("config/autostart/runskarvel.desktop"));
  autostart.RemoveEntry("runskarvel");
  EXPECT_FALSE(fs::exists(folder.File("xdg/autostart/runskarvel.desktop")));
  EXPECT_FALSE(fs::exists(folder.File("config/autostart/runskarvel.desktop")));
}

// Where neither folder can hold the entry, the system's words say why.
TEST(XdgAutostartTest, SaysWhyNoEntryCouldBeWritten) {
  test::TempFolder folder;
  Touch(folder.File("file"));
  ScopedEnvironment dirs("XDG_CONFIG_DIRS", folder.File("file/xdg"));
  ScopedEnvironment config("XDG_CONFIG_HOME", folder.File("file/config"));
  const std::string why = XdgAutostart().WriteEntry("runskarvel", {"/usr/bin/skarvel", "1"});
  EXPECT_NE(why.find(folder.File("file/config/autostart")), std::string::npos) << why;
  EXPECT_NE(why.find("Not a directory"), std::string::npos) << why;
}

TEST(RunLogTest, StartsANewFileAfterOneMebibyte) {
  test::TempFolder folder;
  RunLog log(folder.File("state/skarvel.log"));
  const std::string line(1000, 'x');
  for (int i = 0; i < 1100; ++i) log.Write(line);
  EXPECT_TRUE(fs::exists(folder.File("state/skarvel.log.1")));
  EXPECT_GE(fs::file_size(folder.File("state/skarvel.log.1")), RunLog::kRotateAt);
  EXPECT_LT(fs::file_size(folder.File("state/skarvel.log")), RunLog::kRotateAt);
  log.Write("caf\xE9");
  std::ifstream text(folder.File("state/skarvel.log"));
  std::string last;
  for (std::string current; std::getline(text, current);) last = current;
  EXPECT_EQ(last.substr(last.size() - 5), "café");
}

}  // namespace
}  // namespace skarvel
