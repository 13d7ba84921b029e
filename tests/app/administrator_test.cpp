// The administrator's part as a till's own account meets it: polkit for real, in a system of
// the test's own, with the package's action and rules.

#include <filesystem>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/qt_translations.h"
#include "platform/translation.h"
#include "platform/windows1252.h"
#include "tests/support/cups_server_process.h"
#include "tests/support/installation_fixture.h"
#include "tests/support/polkit_sandbox.h"
#include "tests/support/till_accounts.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;

using test::ProgramResult;

struct Owner {
  unsigned uid = 0;
  unsigned mode = 0;
};

Owner OwnerOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return {info.st_uid, info.st_mode & 07777};
}

unsigned UidOf(const std::string& account) {
  return static_cast<unsigned>(std::stoul(test::RunProgram({"/usr/bin/id", "-u", account}).out));
}

// A fresh customer whose installation needs the administrator three times: its till folder is
// to be made where the shop's account may not write, it has a receipt printer the account may
// not add, and it installs its database server.
class AdministratorTest : public test::InstallationTest {
 protected:
  void SetUp() override {
    for (const std::string& why :
         {test::TillAccountsMissing(), test::PolkitSandbox::Unavailable()}) {
      if (!why.empty()) GTEST_SKIP() << why;
    }
  }

  // The whole test folder is the account's; the till folder's parent is the system's.
  void Prepare(const std::string& account, const std::string& rules) {
    sandbox_ = std::make_unique<test::PolkitSandbox>(rules);
    cups_ = std::make_unique<test::CupsServerProcess>(
        test::CupsServerProcess::Printers::kAdministrators);
    sandbox_->UsePrinting(cups_->socket());
    PrepareCentralDatabase(3);
    test::MakeFolder(folder_.File("locks"), 0700);
    test::GiveTo(folder_.path(), account);
    test::MakeFolder(folder_.File("system-owned"), 0755);
    const std::pair<const char*, std::string> fields[] = {
        {"cp_ps_code", "30"}, {"PPA_POSPATH", TillFolder()}, {"PPA_POSPATH2", TillFolder()},
        {"CP_INST_FB", "1"},  {"CP_VERS_FB", "2.5"},         {"CP_GENTEXT", "BONPRINTER"},
        {"ppo_port", "COM1"}};
    for (const auto& [field, value] : fields) service_.SetField(kFreshCustomer, field, value);
  }

  ProgramResult RunAs(const std::string& account, const std::vector<std::string>& arguments,
                      const std::map<std::string, std::string>& settings = {}) {
    std::vector<std::string> argv{SKARVEL_CLI_PROGRAM};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::map<std::string, std::string> environment = Environment(service_.host());
    environment["FIREBIRD_LOCK"] = folder_.File("locks");
    environment["CUPS_SERVER"] = cups_->socket();
    for (const auto& [name, value] : settings) environment[name] = value;
    return test::RunProgram(sandbox_->Command(test::AsAccount(account, argv)), environment);
  }

  // The helper asked directly through pkexec, as the account.
  ProgramResult Helper(const std::string& account, const std::vector<std::string>& arguments) {
    std::vector<std::string> argv{"/bin/sh",
                                  "-c",
                                  "\"$@\"; exit $?",
                                  "sh",
                                  "/usr/bin/pkexec",
                                  "--disable-internal-agent",
                                  SKARVEL_ADMIN_PROGRAM};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return test::RunProgram(sandbox_->Command(test::AsAccount(account, argv)));
  }

  bool PrinterExists() {
    return test::RunProgram({"/usr/bin/lpstat", "-h", cups_->socket(), "-v", "BONPRINTER"})
               .out.find("serial:/dev/ttyS0") != std::string::npos;
  }

  std::string TillFolder() const { return folder_.File("system-owned/lumtrak/till/"); }

  std::unique_ptr<test::PolkitSandbox> sandbox_;
  std::unique_ptr<test::CupsServerProcess> cups_;
};

TEST_F(AdministratorTest, AMemberOfTheRulesGroupGetsTheAdministratorsPartWithoutAPassword) {
  Prepare(test::kTillAccount, test::PolkitSandbox::PackageRulesFor(test::kTillAccount));
  // The check foresees it, changing nothing.
  const ProgramResult check = RunAs(test::kTillAccount, {"--check", kFreshCustomer});
  EXPECT_EQ(check.exit_code, 0) << check.out << check.err;
  EXPECT_NE(check.out.find("polkit allows it without a password"), std::string::npos) << check.out;
  EXPECT_FALSE(fs::exists(TillFolder()));
  const ProgramResult run = RunAs(test::kTillAccount, {kFreshCustomer});
  ASSERT_EQ(run.exit_code, 0) << run.out << run.err;
  EXPECT_EQ(CustomerStatus(kFreshCustomer), "120");

  const unsigned till_uid = UidOf(test::kTillAccount);
  EXPECT_EQ(OwnerOf(TillFolder()).uid, till_uid);
  EXPECT_EQ(OwnerOf(TillFolder()).mode, 0755u);
  // Only the till folder is the account's; what the helper made above it stays root's.
  EXPECT_EQ(OwnerOf(folder_.File("system-owned/lumtrak/")).uid, 0u);
  EXPECT_EQ(OwnerOf(folder_.File("system-owned")).uid, 0u);
  EXPECT_TRUE(fs::exists(TillFolder() + "lumcaisse.exe"));
  EXPECT_TRUE(PrinterExists());
  // The server's setup program ran as root, from the account's work folder.
  EXPECT_EQ(test::Contents(WorkFolder() + "/setup-called.txt"), "install.sh -silent\n");
  EXPECT_EQ(OwnerOf(WorkFolder() + "/setup-called.txt").uid, 0u);

  // Each request recorded as it starts and as it ends, with who asked.
  std::vector<std::string> operations;
  for (auto& entry : sandbox_->JournalEntries()) {
    EXPECT_EQ(entry["SYSLOG_IDENTIFIER"], "skarvel-admin");
    EXPECT_EQ(entry["SKARVEL_USER"], test::kTillAccount);
    const std::string& message = entry["MESSAGE"];
    operations.push_back(entry["SKARVEL_OPERATION"] + message.substr(message.rfind(": ")));
  }
  EXPECT_EQ(operations, (std::vector<std::string>{
                            "make-till-folder: running", "make-till-folder: done",
                            "add-printer: running", "add-printer: done",
                            "setup-database-server: running", "setup-database-server: done"}));
  // What the server's setup said reaches the run log, through the helper.
  EXPECT_NE(LogText().find("install.sh -silent ended with exit code 0"), std::string::npos)
      << LogText();
}

TEST_F(AdministratorTest, AUserTheRulesDoNotNameIsRefusedAndNothingIsDone) {
  Prepare(test::kOtherAccount, test::PolkitSandbox::PackageRulesFor(test::kTillAccount));
  // The machine's own services root, as on a till, so that the error goes to the (sandbox's)
  // journal too; the run stops before anything would look at a service.
  const ProgramResult run =
      RunAs(test::kOtherAccount, {kFreshCustomer}, {{"SKARVEL_SYSTEMD_ROOT", "/"}});
  EXPECT_EQ(run.exit_code, 1) << run.out << run.err;
  EXPECT_NE(run.err.find("needs an administrator: making the till folder " + TillFolder()),
            std::string::npos)
      << run.err;
  // pkexec's own reason reaches the person, and the advice says how to grant it.
  EXPECT_NE(run.err.find("was not allowed (Error executing command as another user"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("adds skarvel-other to the group skarvel"), std::string::npos) << run.err;
  EXPECT_EQ(CustomerStatus(kFreshCustomer), "58");
  EXPECT_FALSE(fs::exists(folder_.File("system-owned/lumtrak")));
  EXPECT_FALSE(PrinterExists());
  // The helper never ran; the program's error is in the journal with its step and the code.
  bool step_logged = false;
  for (auto& entry : sandbox_->JournalEntries()) {
    EXPECT_EQ(entry["SYSLOG_IDENTIFIER"], "skarvel-cli") << entry["MESSAGE"];
    step_logged =
        step_logged || (entry["SKARVEL_STEP"] == "5" && entry["SKARVEL_CODE"] == kFreshCustomer);
  }
  EXPECT_TRUE(step_logged);
}

// Consent covers the helper's own operations only, each argument checked: a member's request
// for anything else is refused, and the refusal is in the system's log.
TEST_F(AdministratorTest, TheHelperRefusesWhatIsNotOnItsList) {
  Prepare(test::kTillAccount, test::PolkitSandbox::PackageRulesFor(test::kTillAccount));
  const std::pair<std::vector<std::string>, std::string> requests[] = {
      {{"remove-folder", "/etc"}, "\"remove-folder\" is no operation of the administrator's part"},
      {{"make-till-folder", "/etc/lumtrak"}, "is in the system's /etc"},
      {{"make-till-folder", folder_.File("system-owned/../system-owned/till")},
       "is not written as it resolves"},
      {{"setup-database-server", WorkFolder(), "2.5", folder_.path()},
       "is not inside the work folder"},
      {{"add-printer", "BON PRINTER", "COM1", "receipts"}, "is no queue name"}};
  fs::create_directories(WorkFolder());
  fs::permissions(WorkFolder(), fs::perms::owner_all);
  test::GiveTo(WorkFolder(), test::kTillAccount);
  for (const auto& [request, why] : requests) {
    const ProgramResult refused = Helper(test::kTillAccount, request);
    EXPECT_EQ(refused.exit_code, 2) << request[0];
    EXPECT_NE(refused.err.find(why), std::string::npos) << refused.err;
  }
  const auto entries = sandbox_->JournalEntries();
  ASSERT_EQ(entries.size(), std::size(requests));
  EXPECT_EQ(entries[0].at("PRIORITY"), "3");
  EXPECT_NE(entries[0].at("MESSAGE").find("skarvel-till (uid"), std::string::npos);
  EXPECT_FALSE(fs::exists("/etc/lumtrak"));

  // The caller's language, which pkexec would not pass on, goes first: the refusal reads as the
  // rest of a French run.
  const ProgramResult french =
      Helper(test::kTillAccount, {"--language=FR", "make-till-folder", "/etc/lumtrak"});
  EXPECT_EQ(french.exit_code, 2);
  UseCompiledTranslations();
  UseLanguage(Language::kFrench);
  const std::string why =
      Fill(Tr("Program", "the till folder %1 is in the system's %2"), {"/etc/lumtrak", "/etc"});
  UseLanguage(Language::kEnglish);
  EXPECT_NE(why.find("/etc/lumtrak"), std::string::npos);
  EXPECT_NE(french.err.find(Utf8FromAnsi(why)), std::string::npos) << french.err;
}

// What --check finds for an account that may neither write in the till folder (mounted
// read-only) nor add printers, where polkit allows the administrator's part to nobody.
TEST_F(AdministratorTest, TheCheckForeseesAReadOnlyTillFolderAndMissingPrinterRights) {
  Prepare(test::kTillAccount,
          "polkit.addRule(function (action, subject) {\n"
          "  if (action.id == \"org.skarvel.install-till\") return polkit.Result.NO;\n});\n");
  fs::create_directories(folder_.File("till"));
  test::GiveTo(folder_.File("till"), test::kTillAccount);
  service_.SetField(kFreshCustomer, "PPA_POSPATH", folder_.File("till/"));
  sandbox_->MakeReadOnly(folder_.File("till"));
  const ProgramResult check = RunAs(test::kTillAccount, {"--check", kFreshCustomer});
  EXPECT_EQ(check.exit_code, 7) << check.out << check.err;
  EXPECT_NE(check.out.find("FAIL  till-folder  the till folder " + folder_.File("till/") +
                           " cannot be written by skarvel-till (Read-only file system)"),
            std::string::npos)
      << check.out;
  EXPECT_NE(check.out.find("WARN  printer-rights  skarvel-till may not add printers"),
            std::string::npos)
      << check.out;
  EXPECT_NE(check.out.find("polkit does not allow it"), std::string::npos) << check.out;
  EXPECT_NE(check.out.find("FAIL  administrator  skarvel-till is no administrator; installing "
                           "the database server 2.5 needs the administrator's part"),
            std::string::npos)
      << check.out;
}

}  // namespace
}  // namespace skarvel
