// A till as Debian has it: the shop's own account (its home folder 0700) installs, and the till
// database is opened by Debian's database server running under its own account.

#include <filesystem>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/support/download_tree.h"
#include "tests/support/firebird_server_process.h"
#include "tests/support/reference_service_process.h"
#include "tests/support/sockets.h"
#include "tests/support/temp_folder.h"
#include "tests/support/till_accounts.h"
#include "tools/demo_databases/demo_databases.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;

constexpr char kCode[] = "5412345000037";
constexpr char kServerAccount[] = "firebird";

unsigned ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 0777;
}

class TillAccountTest : public testing::Test {
 protected:
  void SetUp() override {
    if (const std::string why = test::TillAccountsMissing(); !why.empty()) GTEST_SKIP() << why;
  }

  // The server comes first: nothing in this process may open a database before it.
  void Prepare(const test::FirebirdServerOptions& options) {
    server_ = std::make_unique<test::FirebirdServerProcess>(options);
    Fill(Till());
  }

  // The till folder and its database as steps 1 to 8 leave them, the central database and the
  // record.
  void Fill(const std::string& till) {
    test::MakeFolder(folder_.path(), 0711);
    test::MakeFolder(Home(), 0700);
    test::MakeFolder(till, 0755);
    for (const char* folder : {"tmp", "locks", ".cache", "xdg"}) {
      test::MakeFolder(Home() + folder, 0700);
    }
    // As the archive tool unpacks it: readable for all, writable for the owner.
    fixtures::MakeTillDatabase(till + "LUMTRAK25.FDB");
    fs::permissions(till + "LUMTRAK25.FDB", static_cast<fs::perms>(0644));
    test::GiveTo(Home(), test::kTillAccount);
    test::GiveTo(till, test::kTillAccount);
    test::MakeFolder(folder_.File("central"), 0755);
    test::MakeFolder(folder_.File("system"), 0755);
    fixtures::MakeCentralDatabase(Central(), {}, 7);
    test::GiveTo(Central(), kServerAccount);
    const std::pair<const char*, std::string> fields[] = {
        {"cp_ps_code", "90"},
        {"PPA_POSPATH", till},
        {"PPA_POSPATH2", "localhost:" + till},
        {"PPA_POSDB", "LUMTRAK.FDB"},
        {"cus_base_pos", "localhost:" + Central()},
        {"CP_VERS_FB", "2.5"}};
    for (const auto& [field, value] : fields) service_.SetField(kCode, field, value);
  }

  // skarvel-cli as the shop's account, with its own folders.
  test::ProgramResult Cli(const std::vector<std::string>& arguments) {
    std::vector<std::string> argv{SKARVEL_CLI_PROGRAM};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return test::RunProgram(test::AsAccount(test::kTillAccount, argv),
                            {{"SKARVEL_SERVICE_HOST", service_.host()},
                             {"SKARVEL_FTP_PORT", std::to_string(test::RefusingPort())},
                             {"SKARVEL_SYSTEMD_ROOT", folder_.File("system")},
                             {"SKARVEL_FIREBIRD_ROOT", folder_.File("firebird")},
                             {"HOME", Home()},
                             {"TMPDIR", Home() + "tmp"},
                             {"XDG_CACHE_HOME", Home() + ".cache"},
                             {"XDG_STATE_HOME", Home() + ".local/state"},
                             {"XDG_CONFIG_HOME", Home() + ".config"},
                             {"XDG_CONFIG_DIRS", Home() + "xdg"},
                             {"FIREBIRD", server_->root()},
                             {"FIREBIRD_LOCK", Home() + "locks"},
                             {"CUPS_SERVER", Home() + "no-cups.sock"}});
  }

  std::string Home() const { return folder_.File("home/"); }
  std::string Till() const { return Home() + "till/"; }
  std::string Central() const { return folder_.File("central/central.fdb"); }

  std::unique_ptr<test::FirebirdServerProcess> server_;
  test::ReferenceServiceProcess service_;
  test::TempFolder folder_;
};

// The till database arrives 0644 in a home folder the server's account may not pass: the
// installation lets that account (and no one else) use it, and the copy arrives whole.
TEST_F(TillAccountTest, TheShopsAccountInstallsThroughTheServersOwnAccount) {
  Prepare({.account = kServerAccount});
  const test::ProgramResult run = Cli({kCode});
  ASSERT_EQ(run.exit_code, 0) << run.out << run.err;
  EXPECT_EQ(service_.Customer(kCode)["cp_ps_code"], "120");

  const std::string database = Till() + "LUMTRAK.FDB";
  for (const char* account : {test::kTillAccount, kServerAccount}) {
    EXPECT_TRUE(test::AccountPasses(account, "-r", database)) << account;
    EXPECT_TRUE(test::AccountPasses(account, "-w", database)) << account;
  }
  EXPECT_FALSE(test::AccountPasses(test::kOtherAccount, "-w", database));
  EXPECT_FALSE(test::AccountPasses(test::kOtherAccount, "-x", Home()));
  EXPECT_EQ(ModeOf(Home()) & 07, 0u) << "nothing for others on the home folder";
  EXPECT_EQ(ModeOf(database) & 07, 04u) << "the others' bits as the file came";

  server_->Kill();  // the files are read without it
  const std::string departments =
      "select count(*) || ':' || cast(list(NOM_RAYON, ',') as varchar(4000)) from "
      "(select NOM_RAYON from RAYON order by CODE_RAYON)";
  EXPECT_EQ(test::FirstValue(database, departments), test::FirstValue(Central(), departments));
  EXPECT_EQ(test::FirstValue(database, "select count(*) from CLIENT_CARD"),
            test::FirstValue(Central(), "select count(*) from CLIENT_CARD"));
  EXPECT_EQ(test::FirstValue(Central(), "select count(*) from POSTES where NUM_POSTE = 4"), "1");
}

// Debian's server keeps a SYSDBA password of its own until an administrator sets it: that is
// said as what it is, not as a server that does not run, by the check and by the step.
TEST_F(TillAccountTest, ARefusedAdministratorLoginIsToldApartFromAStoppedServer) {
  Prepare({.account = kServerAccount, .sysdba_password = "debian-own"});
  const test::ProgramResult check = Cli({"--check", kCode});
  EXPECT_EQ(check.exit_code, 7) << check.out << check.err;
  EXPECT_NE(check.out.find("FAIL  database-login  the database server at localhost refuses the "
                           "installation's administrator login"),
            std::string::npos)
      << check.out;
  EXPECT_NE(check.out.find("ok    database-access"), std::string::npos) << check.out;

  const test::ProgramResult run = Cli({"--json", kCode});
  EXPECT_EQ(run.exit_code, 1) << run.err;
  EXPECT_NE(run.out.find("refuses the installation's administrator login"), std::string::npos)
      << run.out;
  EXPECT_EQ(service_.Customer(kCode)["cp_ps_code"], "98");
}

// A folder above the till database that the shop's account may pass but not open to others: the
// step names the account, the folder and what an administrator runs, as the check does first.
TEST_F(TillAccountTest, AFolderNotTheShopsOwnIsNamedWithTheAdministratorsCommand) {
  server_ = std::make_unique<test::FirebirdServerProcess>(
      test::FirebirdServerOptions{.account = kServerAccount});
  const std::string shared = folder_.File("shared");
  test::MakeFolder(shared, 0710);
  ASSERT_EQ(test::RunProgram({"/usr/bin/chgrp", test::kTillAccount, shared}).exit_code, 0);
  Fill(shared + "/till/");
  const std::string why = "the database server's account firebird may not use the till database " +
                          shared + "/till/LUMTRAK.FDB: " + shared +
                          " belongs to root, so this user cannot let firebird pass it; an "
                          "administrator runs: setfacl -m u:firebird:x " +
                          shared;
  const test::ProgramResult check = Cli({"--check", kCode});
  EXPECT_NE(check.out.find("FAIL  database-access  " + why), std::string::npos) << check.out;

  const test::ProgramResult run = Cli({kCode});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.err.find(why), std::string::npos) << run.err;
  EXPECT_EQ(service_.Customer(kCode)["cp_ps_code"], "98");
}

}  // namespace
}  // namespace skarvel
