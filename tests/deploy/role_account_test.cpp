// The role as a chain's administrator runs it on a Debian till: it installs the package and does
// the administrator's part as root, then installs the till as the shop's own account, whose
// administrator's part polkit grants through the package's rules. In a system of the test's
// own: the package, the groups and the rules land in overlays of /usr, /var and /etc.

#include <filesystem>
#include <fstream>
#include <regex>
#include <sys/stat.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "database/data_module.h"
#include "tests/support/cups_server_process.h"
#include "tests/support/installation_fixture.h"
#include "tests/support/polkit_sandbox.h"
#include "tests/support/till_accounts.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

class RoleAccountTest : public test::InstallationTest {
 protected:
  void SetUp() override {
    for (const std::string& why :
         {test::TillAccountsMissing(), test::PolkitSandbox::Unavailable()}) {
      if (!why.empty()) GTEST_SKIP() << why;
    }
    if (!fs::exists("/usr/lib/python3/dist-packages/apt")) {
      GTEST_SKIP() << "the role's apt tasks need python3-apt";
    }
  }

  std::string Ansible(const std::string& name) const { return folder_.File("ansible/" + name); }
  std::string TillFolder() const { return folder_.File("system-owned/lumtrak/till/"); }
};

TEST_F(RoleAccountTest, TheAdministratorsPartAsRootThenTheInstallationAsTheTillsUser) {
  // No rules yet: the role installs the package's.
  test::PolkitSandbox sandbox("", true);
  for (const char* tree : {"/etc", "/usr", "/var"}) sandbox.Overlay(tree);
  test::CupsServerProcess cups(test::CupsServerProcess::Printers::kAdministrators);
  sandbox.UsePrinting(cups.socket());
  PrepareCentralDatabase(5);
  test::MakeFolder(folder_.File("locks"), 0700);
  test::GiveTo(folder_.path(), test::kTillAccount);
  test::MakeFolder(folder_.File("system-owned"), 0755);
  const std::pair<const char*, std::string> fields[] = {
      {"cp_ps_code", "30"}, {"PPA_POSPATH", TillFolder()}, {"PPA_POSPATH2", TillFolder()},
      {"CP_INST_FB", "1"},  {"CP_VERS_FB", "2.5"},         {"CP_GENTEXT", "BONPRINTER"},
      {"ppo_port", "COM1"}};
  for (const auto& [field, value] : fields) service_.SetField(kFreshCustomer, field, value);

  json environment = Environment(service_.host());
  environment["FIREBIRD_LOCK"] = folder_.File("locks");
  environment["CUPS_SERVER"] = cups.socket();
  environment.erase("SKARVEL_SERVICE_HOST");
  environment.erase("SKARVEL_FTP_PORT");
  const json host = {{"ansible_connection", "local"},
                     {"ansible_python_interpreter", "/usr/bin/python3"},
                     {"ansible_become_method", "su"},
                     {"ansible_become_flags", "-s /bin/sh"},
                     {"skarvel_till_code", kFreshCustomer},
                     {"skarvel_till_service_host", service_.host()},
                     {"skarvel_till_ftp_port", ftp_->port()},
                     {"skarvel_till_package_path", SKARVEL_TEST_PACKAGE},
                     {"skarvel_till_user", test::kTillAccount},
                     {"skarvel_till_environment", environment}};
  fs::create_directories(Ansible("collections/ansible_collections/skarvel"));
  fs::create_directory_symlink(SKARVEL_DEPLOY_DIR "/ansible",
                               Ansible("collections/ansible_collections/skarvel/till"));
  std::ofstream(Ansible("ansible.cfg")) << "[defaults]\n";
  std::ofstream(Ansible("inventory.json"))
      << json{{"all", {{"children", {{"tills", {{"hosts", {{"till", host}}}}}}}}}}.dump(1);
  // Ansible's own files stay in the test's folder; the till's user reads them after root.
  fs::create_directories(Ansible("tmp"));
  fs::permissions(Ansible("tmp"), fs::perms::all | fs::perms::sticky_bit);

  const test::ProgramResult play = test::RunProgram(
      sandbox.Command({"/usr/bin/ansible-playbook", "-i", Ansible("inventory.json"),
                       SKARVEL_DEPLOY_DIR "/ansible/playbooks/tills.yml"}),
      {{"ANSIBLE_CONFIG", Ansible("ansible.cfg")},
       {"ANSIBLE_COLLECTIONS_PATH", Ansible("collections")},
       {"ANSIBLE_HOME", Ansible("home")},
       {"ANSIBLE_LOCAL_TEMP", Ansible("tmp")},
       {"ANSIBLE_REMOTE_TEMP", Ansible("tmp")},
       {"ANSIBLE_NOCOLOR", "1"},
       {"ANSIBLE_RETRY_FILES_ENABLED", "0"}});
  ASSERT_EQ(play.exit_code, 0) << play.out << play.err;
  EXPECT_TRUE(std::regex_search(
      play.out, std::regex(R"(till\s+: ok=\d+\s+changed=\d+\s+unreachable=0\s+failed=0)")))
      << play.out;
  EXPECT_EQ(CustomerStatus(kFreshCustomer), "120");

  // The package went in, and its copy went again.
  EXPECT_TRUE(fs::exists(sandbox.OverlayChanges("/usr") + "/bin/skarvel-cli"));
  const std::string copy = sandbox.OverlayChanges("/var") + "/cache/" +
                           fs::path(SKARVEL_TEST_PACKAGE).filename().string();
  EXPECT_FALSE(fs::exists(copy));
  // The till's user is in the rules' group and the printing system's, the rules are in place.
  const std::string groups = test::Contents(sandbox.OverlayChanges("/etc") + "/group");
  EXPECT_TRUE(std::regex_search(groups, std::regex("\nskarvel:x:\\d+:skarvel-till\n"))) << groups;
  EXPECT_TRUE(std::regex_search(groups, std::regex("\nlpadmin:x:\\d+:[^\n]*skarvel-till")))
      << groups;
  EXPECT_TRUE(fs::exists(sandbox.RulesFolder() + "/50-skarvel.rules"));
  // The installation ran as the till's user, with the administrator's part through the rules.
  struct stat till {};
  ASSERT_EQ(::stat(TillFolder().c_str(), &till), 0);
  EXPECT_NE(till.st_uid, 0u);
  EXPECT_EQ(test::RunProgram({"/usr/bin/id", "-u", test::kTillAccount}).out,
            std::to_string(till.st_uid) + "\n");
  EXPECT_EQ(test::RunProgram({"/usr/bin/lpstat", "-h", cups.socket(), "-v", "BONPRINTER"})
                    .out.find("serial:/dev/ttyS0") != std::string::npos,
            true);
}

// Debian's database server, as the role installs and runs it when asked, keeps the SYSDBA
// password it has unless the role is asked to give it the installation's; once given, the role
// finds it given and changes nothing. No systemd runs in the sandbox: the host is one whose
// services start through their init scripts, which the role's service tasks then use.
TEST_F(RoleAccountTest, DebiansDatabaseServerTakesTheInstallationsPasswordOnlyWhenAsked) {
  test::PolkitSandbox sandbox("");
  for (const char* tree : {"/etc", "/usr", "/var"}) sandbox.Overlay(tree);
  sandbox.IsolateNetwork();  // the server takes its standard port inside alone
  const std::string machine_password_file = test::Contents("/etc/firebird/3.0/SYSDBA.password");
  fs::create_directories(Ansible("collections/ansible_collections/skarvel"));
  fs::create_directory_symlink(SKARVEL_DEPLOY_DIR "/ansible",
                               Ansible("collections/ansible_collections/skarvel/till"));
  std::ofstream(Ansible("ansible.cfg")) << "[defaults]\n";
  std::ofstream(Ansible("administrator.yml")) << "- hosts: all\n  gather_facts: false\n  tasks:\n"
                                                 "    - name: The administrator's part alone\n"
                                                 "      ansible.builtin.include_role:\n"
                                                 "        name: skarvel.till.skarvel_till\n"
                                                 "        tasks_from: administrator.yml\n";
  std::ofstream(Ansible("run.sh"))
      // Debian's server as it runs on a host, its locks in the sandbox's own /run.
      << "unset FIREBIRD\nmkdir -m 1777 /run/firebird-lock\n"
         "export FIREBIRD_LOCK=/run/firebird-lock\n"
         "rm -f /usr/sbin/init\n"
         "play() {\n"
         "  ansible-playbook -i localhost, -c local -e ansible_python_interpreter=/usr/bin/python3"
         " -e skarvel_till_database_server=true -e skarvel_till_grant_user=false \"$@\" "
      << Ansible("administrator.yml") << " >>" << Ansible("plays.log")
      << " 2>&1\n"
         "}\n"
         "login() {\n"
         "  if fbsvcmgr localhost:service_mgr -user SYSDBA -password '"
      << db::kDatabasePassword
      << "' info_server_version >/dev/null 2>&1\n"
         "  then echo \"$1: takes the installation's\"; else echo \"$1: refuses the "
         "installation's\"; fi\n"
         "}\n"
         "play && login 'not asked'\n"
         "play -e skarvel_till_set_sysdba_password=true && login asked\n"
         "play -e skarvel_till_set_sysdba_password=true && tail -n 2 "
      << Ansible("plays.log")
      << "\n"
         "/etc/init.d/firebird3.0 stop >/dev/null\n";
  const test::ProgramResult run =
      test::RunProgram(sandbox.Command({"/bin/sh", Ansible("run.sh")}),
                       {{"ANSIBLE_CONFIG", Ansible("ansible.cfg")},
                        {"ANSIBLE_COLLECTIONS_PATH", Ansible("collections")},
                        {"ANSIBLE_HOME", Ansible("home")},
                        {"ANSIBLE_LOCAL_TEMP", Ansible("tmp")},
                        {"ANSIBLE_REMOTE_TEMP", Ansible("tmp")},
                        {"ANSIBLE_NOCOLOR", "1"}});
  const std::string plays = test::Contents(Ansible("plays.log"));
  EXPECT_NE(
      run.out.find("not asked: refuses the installation's\nasked: takes the installation's\n"),
      std::string::npos)
      << run.out << run.err << plays;
  // The third play found the password given: nothing changed.
  EXPECT_TRUE(std::regex_search(
      run.out, std::regex(R"(localhost\s+: ok=\d+\s+changed=0\s+unreachable=0\s+failed=0)")))
      << run.out << plays;
  // The server's password file went with it, inside; the machine's is as it was.
  EXPECT_NE(test::Contents(sandbox.OverlayChanges("/etc") + "/firebird/3.0/SYSDBA.password")
                .find(std::string("ISC_PASSWORD=\"") + db::kDatabasePassword + "\""),
            std::string::npos);
  EXPECT_EQ(test::Contents("/etc/firebird/3.0/SYSDBA.password"), machine_password_file);
}

}  // namespace
}  // namespace skarvel
