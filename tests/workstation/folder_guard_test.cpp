#include "workstation/folder_guard.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;

void Touch(const std::string& path) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path) << "x";
}

// The folders of a test's own machine: a home, a work folder in its cache, a link to the home.
class FolderGuardTest : public testing::Test {
 protected:
  FolderGuardTest() {
    fs::create_directories(Home() + "x");
    fs::create_directories(Work());
    fs::create_symlink(Home(), root_.File("link-to-home"));
    for (const char* file : {"package/midas.dll", "package/readme.txt", "package/bmp/logo.bmp"}) {
      Touch(root_.File(file));
    }
  }
  std::string Home() const { return root_.File("home/"); }
  std::string Work() const { return root_.File("home/.local/state/skarvel/work/"); }
  std::string Why(const std::string& folder) const {
    return WhyNotATillFolder(folder, Home(), Work(), root_.File("package"));
  }

  test::TempFolder root_;
};

// However the record spells it, a system folder, the home folder or one holding it, or the
// work folder is refused.
TEST_F(FolderGuardTest, RefusesSystemHomeAndWorkFoldersHoweverSpelled) {
  const std::string never[] = {"/",
                               "/.",
                               "//",
                               "/etc",
                               "/usr/",
                               "/usr/../etc",
                               "/home",
                               Home(),
                               Home() + ".",
                               Home() + "x/..",
                               root_.File("link-to-home"),
                               root_.path()};
  for (const std::string& folder : never) {
    EXPECT_NE(Why(folder), "") << folder;
    EXPECT_NE(WhyNeverDelete(folder, Home()), "") << folder;
  }
  // The work folder is emptied by its own step, never as a till folder.
  for (const std::string& folder : {Work(), root_.File("home/.local/state")}) {
    EXPECT_NE(Why(folder), "") << folder;
    EXPECT_EQ(WhyNeverDelete(folder, Home()), "") << folder;
  }
  EXPECT_EQ(Why("/etc"), "it is a top-level folder of the system");
  EXPECT_EQ(Why(Home() + "x/.."), "it is the home folder, or holds it");
  EXPECT_EQ(Why(root_.File("home/.local/state")), "it is the work folder, or holds it");
}

// A folder of other things is no till folder; an empty one, a previous installation (any case)
// and one a killed copy left half-filled from the package are.
TEST_F(FolderGuardTest, EmptiesOnlyATillsFolder) {
  Touch(Home() + "documents/letter.odt");
  EXPECT_NE(Why(Home() + "documents"), "");
  fs::create_directories(Home() + "empty");
  Touch(Home() + "old till/LUMTRAK.POS");
  Touch(Home() + "old program/LumCaisse.exe");
  Touch(Home() + "half copied/MIDAS.DLL");
  Touch(Home() + "half copied/Bmp/LOGO.BMP");
  // The libraries the step copies from beside the package, before the package's own files.
  Touch(Home() + "interrupted/MIDAS_OLD.DLL");
  Touch(Home() + "interrupted/dvcaisse.dll");
  for (const char* folder :
       {"empty", "old till", "old program", "half copied", "interrupted", "not there yet"}) {
    EXPECT_EQ(Why(Home() + folder), "") << folder;
  }
}

// A shop's documents that happen to share a few names with the package (in another case) are
// not a half-finished copy: everything that is not the package's is listed, to the subfolders
// the package has too, and the names that are its are not.
TEST_F(FolderGuardTest, AFewNamesOfThePackageDoNotMakeATillFolder) {
  const std::string shop = Home() + "Documents/";
  for (const char* file : {"Budget 2026.ods", "Photos/opening.jpg", "Lumtrak/manual.pdf",
                           "BMP/shop logo.png", "BMP/logo.bmp", "README.TXT"}) {
    Touch(shop + file);
  }
  fs::create_symlink(root_.File("package/bmp"), shop + "midas.dll");
  Touch(shop + "readme.txt/notes.odt");  // a folder where the package has a file
  const std::string why = Why(shop);
  for (const char* foreign :
       {"Budget 2026.ods", "Photos/", "Lumtrak/", "BMP/shop logo.png", "readme.txt/"}) {
    EXPECT_NE(why.find(foreign), std::string::npos) << foreign << ": " << why;
  }
  for (const char* own :
       {"README.TXT", "BMP/logo.bmp", "opening.jpg", "manual.pdf", "midas", "notes.odt"}) {
    EXPECT_EQ(why.find(own), std::string::npos) << own << ": " << why;
  }
}

// A long list is cut short, with the count of the rest.
TEST_F(FolderGuardTest, ListsTenNamesAndCountsTheRest) {
  for (int i = 0; i < 15; ++i) Touch(Home() + "many/file" + std::to_string(i) + ".txt");
  EXPECT_NE(Why(Home() + "many").find(" and 5 more"), std::string::npos) << Why(Home() + "many");
}

}  // namespace
}  // namespace skarvel
