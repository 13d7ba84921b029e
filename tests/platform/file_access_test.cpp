#include "platform/file_access.h"

#include <filesystem>
#include <fstream>
#include <sys/acl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/support/child_process.h"
#include "tests/support/in_account.h"
#include "tests/support/temp_folder.h"
#include "tests/support/till_accounts.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;

unsigned ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

class FileAccessTest : public testing::Test {
 protected:
  void SetUp() override {
    if (const std::string why = test::TillAccountsMissing(); !why.empty()) GTEST_SKIP() << why;
    test::MakeFolder(folder_.path(), 0711);
    server_ = *FindAccount("firebird");
  }

  test::TempFolder folder_;
  SystemAccount server_;
};

// The system's own judgement (test(1) run as the account) and ours agree, before and after.
TEST_F(FileAccessTest, TheServerAccountIsLetInAndNobodyElse) {
  const std::string home = folder_.File("home/");
  test::MakeFolder(home + "till", 0755);
  fs::permissions(home, static_cast<fs::perms>(0700));
  const std::string file = home + "till/LUMTRAK.FDB";
  std::ofstream(file) << "database";
  fs::permissions(file, static_cast<fs::perms>(0644));
  test::GiveTo(home, test::kTillAccount);

  // The file alone could be read, but not written, and the home folder bars the way.
  EXPECT_TRUE(AccountMay(server_, file, kRead));
  EXPECT_FALSE(AccountMay(server_, file, kWrite));
  EXPECT_FALSE(AccountMay(server_, home, kSearch));
  EXPECT_FALSE(test::AccountPasses("firebird", "-r", file));
  const FileAccessPlan plan = PlanFileAccess(server_, file);
  EXPECT_EQ(plan.folders, std::vector<std::string>{home.substr(0, home.size() - 1)});
  EXPECT_TRUE(plan.file);

  ASSERT_EQ(test::InAccount(test::kTillAccount, [&] { return GrantFileAccess(server_, file); }),
            "");
  for (const char* test : {"-r", "-w"}) {
    EXPECT_TRUE(test::AccountPasses("firebird", test, file)) << test;
    EXPECT_TRUE(test::AccountPasses(test::kTillAccount, test, file)) << test;
  }
  EXPECT_TRUE(AccountMay(server_, file, kRead | kWrite));
  EXPECT_FALSE(test::AccountPasses(test::kOtherAccount, "-x", home));
  EXPECT_FALSE(AccountMay(*FindAccount(test::kOtherAccount), home, kSearch));
  EXPECT_EQ(ModeOf(home) & 0707, 0700u) << "the owner's and the others' bits stay";
  EXPECT_EQ(ModeOf(file) & 0707, 0604u);
  EXPECT_TRUE(PlanFileAccess(server_, file).folders.empty()) << "given once, nothing left";
}

// A folder of somebody else's cannot be opened by this user: the plan says whose it is and what
// an administrator runs, and nothing is changed.
TEST_F(FileAccessTest, WhatIsNotThisUsersOwnIsNamedWithTheAdministratorsCommand) {
  const std::string other = folder_.File("other");
  test::MakeFolder(other + "/till", 0755);
  fs::permissions(other, static_cast<fs::perms>(0711));
  std::ofstream(other + "/till/LUMTRAK.FDB") << "database";
  test::GiveTo(other, test::kOtherAccount);
  fs::permissions(other, static_cast<fs::perms>(0700));

  const std::string file = other + "/till/LUMTRAK.FDB";
  const std::string problem =
      test::InAccount(test::kTillAccount, [&] { return GrantFileAccess(server_, file); });
  EXPECT_EQ(problem, other +
                         " belongs to skarvel-other, so this user cannot let firebird pass "
                         "it; an administrator runs: setfacl -m u:firebird:x " +
                         other);
  EXPECT_FALSE(test::AccountPasses("firebird", "-x", other));
}

// The access check judges named users and groups within the mask, the owner without it, and
// the others beside it, exactly as the system does for a program of each account.
TEST_F(FileAccessTest, JudgesAccessListsAsTheSystemDoes) {
  struct Case {
    const char* group;  // the file's owning group
    const char* list;   // its access list, as getfacl writes it
  };
  const Case cases[] = {
      {"skarvel-till", "u::rw-,g::---,o::---,u:firebird:rw-,m::r--"},
      {"skarvel-till", "u::rw-,g::rw-,o::---,g:firebird:r--,m::rw-"},
      {"skarvel-till", "u::r--,g::---,o::---,u:skarvel-till:rw-,m::rw-"},
      {"skarvel-till", "u::rw-,g::r--,o::rw-,m::---"},
      {"firebird", "u::rw-,g::rw-,o::---,m::r--"},
      {"firebird", "u::rw-,g::---,o::rw-,g:skarvel-other:rw-,m::rw-"},
  };
  const std::string file = folder_.File("LUMTRAK.FDB");
  std::ofstream(file) << "database";
  test::GiveTo(file, test::kTillAccount);
  for (const Case& c : cases) {
    ASSERT_EQ(test::RunProgram({"/usr/bin/chgrp", c.group, file}).exit_code, 0);
    acl_t list = acl_from_text(c.list);
    ASSERT_NE(list, nullptr) << c.list;
    ASSERT_EQ(acl_set_file(file.c_str(), ACL_TYPE_ACCESS, list), 0) << c.list;
    acl_free(list);
    for (const char* name : {"firebird", test::kTillAccount, test::kOtherAccount}) {
      const SystemAccount account = *FindAccount(name);
      EXPECT_EQ(AccountMay(account, file, kRead), test::AccountPasses(name, "-r", file))
          << c.list << " read by " << name;
      EXPECT_EQ(AccountMay(account, file, kWrite), test::AccountPasses(name, "-w", file))
          << c.list << " written by " << name;
    }
  }
}

}  // namespace
}  // namespace skarvel
