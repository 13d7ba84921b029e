#include "app/admin_operations.h"

#include <filesystem>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/owned_folder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/till_accounts.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;

struct Owner {
  unsigned uid;
  unsigned mode;
};

Owner OwnerOf(const std::string& path) {
  struct stat info {};
  ::lstat(path.c_str(), &info);
  return {info.st_uid, info.st_mode & 07777};
}

// The helper's checks for the shop's account, which asks through pkexec.
class AdminOperationsTest : public testing::Test {
 protected:
  void SetUp() override {
    if (const std::string why = test::TillAccountsMissing(); !why.empty()) GTEST_SKIP() << why;
    caller_ = *FindAccount(test::kTillAccount);
    test::MakeFolder(folder_.path(), 0755);
    test::MakeFolder(Work(), 0700);
    test::MakeFolder(Work() + "/firebird25", 0700);
    test::GiveTo(Work(), test::kTillAccount);
  }

  std::string Why(const std::string& operation, const std::vector<std::string>& arguments) {
    return WhyRefused({operation, arguments}, caller_, settings_);
  }
  std::string Work() const { return folder_.File("work"); }

  test::TempFolder folder_;
  SystemAccount caller_;
  DeploymentSettings settings_;
};

TEST_F(AdminOperationsTest, TheServersSetupRunsOnlyFromTheCallersPrivateWorkFolder) {
  EXPECT_EQ(Why("setup-database-server", {Work() + "/", "2.5", Work() + "/firebird25"}), "");
  EXPECT_NE(Why("setup-database-server", {Work(), "3.0", Work() + "/firebird25"})
                .find("\"3.0\" is none of 1.0, 1.5, 2.5"),
            std::string::npos);
  fs::create_symlink("/usr", Work() + "/elsewhere");
  EXPECT_NE(Why("setup-database-server", {Work(), "2.5", Work() + "/elsewhere"})
                .find("is not inside the work folder"),
            std::string::npos);
  fs::permissions(Work(), static_cast<fs::perms>(0755));
  EXPECT_NE(Why("setup-database-server", {Work(), "2.5", Work() + "/firebird25"})
                .find("is not skarvel-till's private folder"),
            std::string::npos);
  test::GiveTo(Work(), test::kOtherAccount);
  fs::permissions(Work(), static_cast<fs::perms>(0700));
  EXPECT_NE(Why("setup-database-server", {Work(), "2.5", Work() + "/firebird25"})
                .find("is not skarvel-till's private folder"),
            std::string::npos);
  EXPECT_EQ(Why("setup-database-server", {Work(), "2.5"}),
            "setup-database-server takes WORK_FOLDER VERSION PACKAGE_FOLDER");
}

TEST_F(AdminOperationsTest, APrinterIsAQueueNameOnAKnownPortWithAPlainComment) {
  EXPECT_EQ(Why("add-printer", {"BONPRINTER", "com2", "ZV:BONPRINTER_com2"}), "");
  EXPECT_EQ(Why("add-printer", {"BON/PRINTER", "COM1", ""}),
            "the printer name \"BON/PRINTER\" is no queue name");
  EXPECT_EQ(Why("add-printer", {"BONPRINTER", "USB1", ""}),
            "the port \"USB1\" is no COM or LPT port");
  EXPECT_EQ(Why("add-printer", {"BONPRINTER", "COM1", "two\nlines"}),
            "the printer's comment holds a control character");
  EXPECT_EQ(Why("add-printer", {"BONPRINTER", "COM1", std::string(300, 'x')}),
            "the printer's comment is longer than 255 bytes");
}

TEST_F(AdminOperationsTest, ATillFolderIsMadeOnlyWhereTheCallerMayNotAndTheSystemsAllows) {
  test::MakeFolder(folder_.File("system"), 0755);
  EXPECT_EQ(Why("make-till-folder", {folder_.File("system/lumtrak/till/")}), "");
  EXPECT_NE(Why("make-till-folder", {"/usr/local/lumtrak"}).find("is in the system's /usr"),
            std::string::npos);
  EXPECT_NE(Why("make-till-folder", {"relative/till"}).find("is not absolute"), std::string::npos);
  EXPECT_NE(Why("make-till-folder", {folder_.File("system")}).find("exists"), std::string::npos);
  // Where the caller may write, it needs nobody.
  EXPECT_NE(Why("make-till-folder", {Work() + "/till"}).find("without an administrator"),
            std::string::npos);
  // Nor is a folder made inside another user's.
  test::MakeFolder(folder_.File("others"), 0755);
  test::GiveTo(folder_.File("others"), test::kOtherAccount);
  EXPECT_NE(Why("make-till-folder", {folder_.File("others/till")}).find("is not the system's"),
            std::string::npos);
  fs::create_symlink(folder_.File("system"), folder_.File("link"));
  EXPECT_NE(Why("make-till-folder", {folder_.File("link/till")}).find("as it resolves"),
            std::string::npos);
  // Not where the server's setup later runs programs as root, nor a future user's home.
  settings_.firebird_root = folder_.File("system/firebird");
  EXPECT_NE(Why("make-till-folder", {folder_.File("system/firebird/bin")})
                .find("is in the database server's folders"),
            std::string::npos);
  EXPECT_NE(Why("make-till-folder", {"/home/skarvel-nobody-yet/till"}).find("home folder"),
            std::string::npos);
}

// Made for the caller, whatever the umask, and never through a link put in the way.
TEST_F(AdminOperationsTest, FoldersMadeForTheCallerAreItsOwnAndFollowNoLink) {
  test::MakeFolder(folder_.File("system"), 0755);
  const mode_t umask = ::umask(077);
  const std::string made =
      MakeFolderFor(folder_.File("system/lumtrak/till"), caller_.uid, caller_.gid);
  ::umask(umask);
  ASSERT_EQ(made, "");
  for (const char* folder : {"system/lumtrak", "system/lumtrak/till"}) {
    EXPECT_EQ(OwnerOf(folder_.File(folder)).mode, 0755u) << folder;
  }
  EXPECT_EQ(OwnerOf(folder_.File("system/lumtrak/till")).uid, caller_.uid);
  // What else comes to stand beside the till folder is none of the caller's business.
  EXPECT_EQ(OwnerOf(folder_.File("system/lumtrak")).uid, 0u);
  EXPECT_EQ(OwnerOf(folder_.File("system")).uid, 0u);

  test::MakeFolder(folder_.File("target"), 0755);
  fs::create_symlink(folder_.File("target"), folder_.File("system/link"));
  EXPECT_NE(MakeFolderFor(folder_.File("system/link/till"), caller_.uid, caller_.gid), "");
  EXPECT_FALSE(fs::exists(folder_.File("target/till")));
}

}  // namespace
}  // namespace skarvel
