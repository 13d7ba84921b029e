#include "platform/private_folder.h"

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

TEST(PrivateFolderTest, MakesTheFolderThisUsersAlone) {
  test::TempFolder root;
  const std::string work = root.File("cache/skarvel/");
  EXPECT_EQ(MakePrivateFolder(work), "");
  EXPECT_EQ(ModeOf(work), 0700u);
  // One of this user's that others may read is tightened; only looked at, it is left so.
  ::chmod(work.c_str(), 0755);
  EXPECT_EQ(PrivateFolderProblem(work), "");
  EXPECT_EQ(ModeOf(work), 0755u);
  EXPECT_EQ(PrivateFolderProblem(root.File("missing")), "");
  EXPECT_FALSE(fs::exists(root.File("missing")));
  EXPECT_EQ(MakePrivateFolder(work), "");
  EXPECT_EQ(ModeOf(work), 0700u);
}

// Another user could have put packages there for us to unpack and run: never used.
TEST(PrivateFolderTest, RefusesAFolderOthersMayWriteIn) {
  test::TempFolder root;
  const std::string work = root.File("skarvel");
  fs::create_directories(work);
  ::chmod(work.c_str(), 01777);
  EXPECT_EQ(MakePrivateFolder(work), "other users may write in it");
  EXPECT_EQ(ModeOf(work), 01777u) << "a refused folder is left as it is";
  EXPECT_EQ(PrivateFolderProblem(work), "other users may write in it");
  std::ofstream(root.File("file")) << "x";
  EXPECT_EQ(MakePrivateFolder(root.File("file")), "it is no folder");
}

TEST(PrivateFolderTest, RefusesAnotherUsersFolder) {
  if (::geteuid() != 0) GTEST_SKIP() << "giving a folder to another user needs root";
  test::TempFolder root;
  const std::string work = root.File("skarvel");
  fs::create_directories(work);
  ASSERT_EQ(::chown(work.c_str(), 65534, 65534), 0);
  ::chmod(work.c_str(), 0700);
  EXPECT_EQ(MakePrivateFolder(work), "it belongs to another user (user id 65534)");
}

}  // namespace
}  // namespace skarvel
