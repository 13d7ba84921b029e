#include "workstation/find_file.h"

#include <filesystem>
#include <fstream>
#include <set>

#include <gtest/gtest.h>

#include "platform/name_pattern.h"
#include "tests/support/temp_folder.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;

class FindFileTest : public testing::Test {
 protected:
  FindFileTest() {
    for (const char* file :
         {"LUMCAISSE.EXE", "a/lumcaisse.exe", "a/b/Lumcaisse.exe", "c/lumcaisse.exe",
          "a/.hidden/lumcaisse.exe", ".lumcaisse.exe", "a/other.txt", "noext"}) {
      fs::create_directories(fs::path(folder_.File(file)).parent_path());
      std::ofstream(folder_.File(file)) << "12345";
    }
  }
  std::vector<std::string> Relative(const TFindFile& finder) const {
    std::vector<std::string> found;
    for (const std::string& path : finder.Files)
      found.push_back(path.substr(folder_.path().size() + 1));
    return found;
  }
  test::TempFolder folder_;
};

TEST_F(FindFileTest, SearchesLevelByLevelWithoutRegardToCase) {
  TFindFile finder;
  finder.Directory = folder_.path();
  finder.Filter = "lumcaisse.exe";
  finder.Recurse = true;
  finder.Execute();
  auto found = Relative(finder);
  // Folders of one level come in the order the system lists them; compare level by level.
  ASSERT_EQ(found.size(), 5u);
  EXPECT_EQ(found[0], "LUMCAISSE.EXE");
  EXPECT_EQ(std::set<std::string>(found.begin() + 1, found.begin() + 3),
            (std::set<std::string>{"a/lumcaisse.exe", "c/lumcaisse.exe"}));
  EXPECT_EQ(std::set<std::string>(found.begin() + 3, found.end()),
            (std::set<std::string>{"a/b/Lumcaisse.exe", "a/.hidden/lumcaisse.exe"}));
  EXPECT_EQ(finder.FileCount(), 5u);
  EXPECT_EQ(finder.TotalSize(), 25u);
}

TEST_F(FindFileTest, WithoutRecursionAndWithoutHiddenOnlyTheFolderItself) {
  TFindFile finder;
  finder.Directory = folder_.path();
  finder.Attributes = {TAttrOption::ffReadOnly, TAttrOption::ffArchive};
  finder.Execute();
  // "*.*" matches a name without a dot; folders are left out without ffDirectory.
  const auto found = Relative(finder);
  EXPECT_EQ(std::set<std::string>(found.begin(), found.end()),
            (std::set<std::string>{"LUMCAISSE.EXE", "noext"}));
  EXPECT_EQ(found.size(), 2u);
  finder.Attributes.insert(TAttrOption::ffDirectory);
  finder.Execute();
  EXPECT_EQ(finder.FolderCount(), 2u);  // a and c
}

TEST_F(FindFileTest, EventsRunAndOnNewPathCanStopTheSearch) {
  TFindFile finder;
  std::vector<std::string> events;
  finder.BeforeExecute = [&](TFindFile&) { events.push_back("before"); };
  finder.AfterExecute = [&](TFindFile&) { events.push_back("after"); };
  finder.Execute();  // no Directory: nothing searched
  EXPECT_EQ(events, (std::vector<std::string>{"before", "after"}));
  EXPECT_TRUE(finder.Files.empty());

  finder.Directory = folder_.path();
  finder.Recurse = true;
  int paths = 0;
  finder.OnNewPath = [&](TFindFile&, const std::string&, bool& abort) { abort = ++paths == 2; };
  finder.Execute();
  EXPECT_EQ(paths, 2);
  EXPECT_EQ(finder.FileCount(), 3u);  // only the first folder was searched
}

TEST_F(FindFileTest, ALinkBackUpTheTreeIsNotFollowed) {
  fs::create_directory_symlink(folder_.path(), folder_.File("a/loop"));
  TFindFile finder;
  finder.Directory = folder_.path();
  finder.Filter = "*.exe";
  finder.Recurse = true;
  finder.Execute();
  EXPECT_EQ(finder.FileCount(), 6u);
}

TEST(MatchesPatternTest, WildcardsMatchAsOnTheDesignsPlatform) {
  EXPECT_TRUE(MatchesPattern("LUMTRAK.pos", "lumtrak.pos"));
  EXPECT_TRUE(MatchesPattern("readme", "*.*"));
  EXPECT_TRUE(MatchesPattern("ticket.txt.bak", "*.txt*"));
  EXPECT_TRUE(MatchesPattern("a1.bmp", "a?.BMP"));
  EXPECT_FALSE(MatchesPattern("a12.bmp", "a?.bmp"));
  EXPECT_FALSE(MatchesPattern("lumtrak.pos.old", "lumtrak.pos"));
}

}  // namespace
}  // namespace skarvel
