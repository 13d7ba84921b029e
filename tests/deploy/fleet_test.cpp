// A chain's rollout with the Ansible role: ansible-playbook, forks 4, over eight local hosts of
// two shops (each shop's four tills sharing its central database on one Firebird server) and a
// ninth host whose code the service does not know.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/support/child_process.h"
#include "tests/support/download_tree.h"
#include "tests/support/installation_fixture.h"
#include "tests/support/shop_chain.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using test::ProgramResult;

constexpr auto npos = std::string::npos;
constexpr const char* kUnknownHost = "unknown-code";

struct Recap {
  int ok = -1;
  int changed = -1;
  int failed = -1;
};

// The play's recap, by host.
std::map<std::string, Recap> RecapOf(const std::string& out) {
  std::map<std::string, Recap> recap;
  const std::regex line(R"((\S+)\s+: ok=(\d+)\s+changed=(\d+)\s+unreachable=\d+\s+failed=(\d+))");
  for (std::sregex_iterator match(out.begin(), out.end(), line), end; match != end; ++match) {
    recap[(*match)[1]] = {std::stoi((*match)[2]), std::stoi((*match)[3]), std::stoi((*match)[4])};
  }
  return recap;
}

// The message of the task that failed on host: the text after "fatal: [host]: FAILED! => ".
std::string FailureOf(const std::string& out, const std::string& host) {
  const std::string marker = "fatal: [" + host + "]: FAILED! => ";
  const std::size_t at = out.find(marker);
  if (at == npos) return "";
  const std::size_t start = at + marker.size();
  return out.substr(start, out.find('\n', start) - start);
}

// The role over local hosts: the chain's tills, each with its own folders.
class RoleTest : public testing::Test {
 protected:
  RoleTest(int shops, int tills_per_shop, bool with_unknown_code, bool over_tls = false)
      : chain_(shops, tills_per_shop, over_tls) {
    const std::string tree = chain_.folder().File("collections/ansible_collections/skarvel");
    fs::create_directories(tree);
    fs::create_directory_symlink(SKARVEL_DEPLOY_DIR "/ansible", tree + "/till");
    std::ofstream(chain_.folder().File("ansible.cfg")) << "[defaults]\n";
    WriteInventory(with_unknown_code);
  }

  // Every till of the chain, and with_unknown_code a host with a code the service does not know.
  void WriteInventory(bool with_unknown_code) {
    json hosts = json::object();
    for (const test::ChainTill& till : chain_.tills()) {
      hosts[till.name] = {{"skarvel_till_code", till.code},
                          {"skarvel_till_environment", till.environment}};
    }
    json unknown = hosts[chain_.tills().front().name];
    const std::string home = chain_.folder().File(kUnknownHost);
    fs::create_directories(home);
    unknown["skarvel_till_code"] = "5499009999990";
    for (auto& [name, value] : unknown["skarvel_till_environment"].items()) {
      if (value.get<std::string>().rfind(chain_.tills().front().home, 0) == 0) {
        value = home + value.get<std::string>().substr(chain_.tills().front().home.size());
      }
    }
    if (with_unknown_code) hosts[kUnknownHost] = unknown;
    json vars = {{"ansible_connection", "local"},
                 {"ansible_python_interpreter", "/usr/bin/python3"},
                 {"skarvel_till_cli", SKARVEL_CLI_PROGRAM},
                 {"skarvel_till_service_host", chain_.service().host()},
                 {"skarvel_till_ftp_port", chain_.ftp_port()},
                 {"skarvel_till_simulate_restart", true},
                 {"skarvel_till_busy_delay", 1}};
    if (chain_.over_tls()) {
      // The shop's settings, and the maker's authority copied as root (by su: the host has no
      // sudo) into a folder of the test's own.
      vars.update({{"skarvel_till_service_url", chain_.service().url()},
                   {"skarvel_till_ftp_tls", "required"},
                   {"skarvel_till_ca_file", test::TestCertificates::Get().Authority()},
                   {"skarvel_till_ca_path", CaPath()},
                   {"ansible_become_method", "su"},
                   {"ansible_become_flags", "-s /bin/sh"}});
    }
    const json inventory = {
        {"all", {{"children", {{"tills", {{"vars", vars}, {"hosts", hosts}}}}}}}};
    std::ofstream(Inventory()) << inventory.dump(1);
  }

  std::string Inventory() const { return chain_.folder().File("inventory.json"); }
  std::string CaPath() const { return chain_.folder().File("host-etc/skarvel/maker-ca.pem"); }

  ProgramResult Play(const std::vector<std::string>& options = {}) {
    std::vector<std::string> argv = {"/usr/bin/ansible-playbook",
                                     "--forks",
                                     "4",
                                     "-i",
                                     Inventory(),
                                     SKARVEL_DEPLOY_DIR "/ansible/playbooks/tills.yml"};
    argv.insert(argv.end(), options.begin(), options.end());
    const std::string folder = chain_.folder().path();
    return test::RunProgram(argv, {{"ANSIBLE_CONFIG", folder + "/ansible.cfg"},
                                   {"ANSIBLE_COLLECTIONS_PATH", folder + "/collections"},
                                   {"ANSIBLE_HOME", folder + "/ansible-home"},
                                   {"ANSIBLE_LOCAL_TEMP", folder + "/ansible-tmp"},
                                   {"ANSIBLE_REMOTE_TEMP", folder + "/ansible-tmp"},
                                   {"ANSIBLE_NOCOLOR", "1"},
                                   {"ANSIBLE_RETRY_FILES_ENABLED", "0"}});
  }

  std::string Status(const std::string& code) {
    return chain_.service().Customer(code)["cp_ps_code"];
  }
  std::string Central(int shop, const std::string& sql) {
    return test::FirstValue(chain_.CentralDatabase(shop), sql);
  }

  test::ShopChain chain_;
};

class FleetTest : public RoleTest {
 protected:
  FleetTest() : RoleTest(2, 4, true) {}
};

TEST_F(FleetTest, RollsOutAChainOfShopsAndChangesNothingTheSecondTime) {
  const std::vector<test::ChainTill>& tills = chain_.tills();
  ASSERT_EQ(tills.size(), 8u);
  const test::ChainTill& without_package = tills.back();

  // Ansible's check mode: only the checks run. The till whose package folder the download server
  // lacks fails with that reason, the unknown code with the service's; nothing is installed.
  chain_.service().SetField(without_package.code, "pv_path", "lumtrak651");
  const ProgramResult checked = Play({"--check"});
  std::map<std::string, Recap> recap = RecapOf(checked.out);
  ASSERT_EQ(recap.size(), 9u) << checked.out << checked.err;
  for (const test::ChainTill& till : tills) {
    EXPECT_EQ(recap[till.name].changed, 0) << till.name;
    EXPECT_EQ(recap[till.name].failed, till.name == without_package.name ? 1 : 0) << till.name;
  }
  EXPECT_NE(FailureOf(checked.out, without_package.name).find("package:lumtrak651: "), npos)
      << checked.out;
  EXPECT_NE(FailureOf(checked.out, kUnknownHost).find("did not accept the customer code"), npos)
      << checked.out;
  EXPECT_TRUE(chain_.service().Requests("UpdateStatus").empty());
  EXPECT_FALSE(fs::exists(tills.front().till_folder));

  // The rollout: every till installs, through its simulated restart, side by side with the
  // others of its shop; the unknown code fails alone.
  chain_.service().SetField(without_package.code, "pv_path", "lumtrak650");
  const ProgramResult rollout = Play();
  recap = RecapOf(rollout.out);
  ASSERT_EQ(recap.size(), 9u) << rollout.out << rollout.err;
  for (const test::ChainTill& till : tills) {
    EXPECT_GT(recap[till.name].changed, 0) << till.name << "\n" << rollout.out;
    EXPECT_EQ(recap[till.name].failed, 0) << till.name << "\n" << rollout.out;
    EXPECT_EQ(Status(till.code), "120") << till.name << "\n" << rollout.out;
    EXPECT_NE(rollout.out.find(till.name + " would restart now"), npos) << till.name;
  }
  EXPECT_EQ(recap[kUnknownHost].failed, 1);
  EXPECT_NE(FailureOf(rollout.out, kUnknownHost).find("did not accept the customer code"), npos);

  // Every till database holds the reference data; each shop's central database one postes row
  // and one closing for each of its tills, none overwritten by another.
  for (const test::ChainTill& till : tills) {
    const std::string database = till.till_folder + "LUMTRAK.FDB";
    EXPECT_EQ(test::FirstValue(database, "select count(*) from APPELPRIX"),
              std::to_string(chain_.sizes().products))
        << till.name;
    EXPECT_EQ(test::FirstValue(database, "select count(*) from CLIENT_CARD"),
              std::to_string(chain_.sizes().cards))
        << till.name;
    const std::string number = std::to_string(till.number);
    EXPECT_EQ(Central(till.shop,
                      "select count(*) || '/' || max(POS_PKEY) || '/' || "
                      "max(VERSI) from POSTES where NUM_POSTE = " +
                          number),
              "1/" + std::to_string(till.key) + "/7200")
        << till.name;
    EXPECT_EQ(Central(till.shop,
                      "select count(*) || '/' || max(NUM_CLOTURE) from "
                      "CENTRALISATIONS where NUM_POSTECAISSE = " +
                          number),
              "1/" + std::to_string(10 + till.number))
        << till.name;
    std::ifstream settings(till.till_folder + "LUMTRAK.pos");
    const std::string text((std::istreambuf_iterator<char>(settings)), {});
    EXPECT_NE(text.find("\r\nPoste=" + number + "\r\n"), npos) << till.name;
    EXPECT_NE(text.find("\r\nNumCloture=" + std::to_string(11 + till.number) + "\r\n"), npos)
        << till.name << "\n"
        << text;
  }
  for (int shop : {1, 2}) {
    EXPECT_EQ(Central(shop, "select count(*) from POSTES"), "4") << shop;
    EXPECT_EQ(Central(shop, "select count(*) from CENTRALISATIONS"), "4") << shop;
  }

  // A second run finds each till installed: nothing changes, nothing is reported.
  const std::size_t reports = chain_.service().Requests("UpdateStatus").size();
  const ProgramResult again = Play();
  recap = RecapOf(again.out);
  ASSERT_EQ(recap.size(), 9u) << again.out << again.err;
  for (const test::ChainTill& till : tills) {
    EXPECT_EQ(recap[till.name].changed, 0) << till.name << "\n" << again.out;
    EXPECT_EQ(recap[till.name].failed, 0) << till.name << "\n" << again.out;
  }
  EXPECT_EQ(recap[kUnknownHost].failed, 1);
  EXPECT_EQ(chain_.service().Requests("UpdateStatus").size(), reports);
}

// One till whose installation fails after its check passed, as a damaged package does.
class RoleRecoveryTest : public RoleTest {
 protected:
  RoleRecoveryTest() : RoleTest(1, 1, false) {}
  const test::ChainTill& Till() { return chain_.tills().front(); }
  std::string Package() { return chain_.download_root().File("lumtrak650/lumtrak650.zip"); }
};

// The host fails when the installation fails after a passing check, and stays failed until the
// cause is put right and the role is told to install again; a boolean given on the command line
// (a string there) means what it says.
TEST_F(RoleRecoveryTest, AFailureAfterThePassingCheckFailsTheHostAndAReinstallMendsIt) {
  const std::string host = Till().name;
  fs::copy_file(Package(), Package() + ".good");
  std::ofstream(Package(), std::ios::binary | std::ios::trunc) << std::string(4096, 'x');
  const ProgramResult damaged = Play();
  EXPECT_EQ(RecapOf(damaged.out)[host].failed, 1) << damaged.out;
  EXPECT_NE(FailureOf(damaged.out, host).find("exit code 1 (status 48)"), npos) << damaged.out;
  EXPECT_EQ(Status(Till().code), "48");

  // Put right, the failure status still stops the check, which says how to go on.
  fs::rename(Package() + ".good", Package());
  const ProgramResult stopped = Play();
  EXPECT_EQ(RecapOf(stopped.out)[host].failed, 1) << stopped.out;
  EXPECT_NE(FailureOf(stopped.out, host).find("--undo"), npos) << stopped.out;

  const ProgramResult reinstalled = Play({"-e", "skarvel_till_reinstall=true"});
  EXPECT_EQ(RecapOf(reinstalled.out)[host].failed, 0) << reinstalled.out;
  EXPECT_GT(RecapOf(reinstalled.out)[host].changed, 0) << reinstalled.out;
  EXPECT_EQ(Status(Till().code), "120");

  const std::size_t reports = chain_.service().Requests("UpdateStatus").size();
  const ProgramResult left = Play({"-e", "skarvel_till_reinstall=false"});
  EXPECT_EQ(RecapOf(left.out)[host].changed, 0) << left.out;
  EXPECT_EQ(RecapOf(left.out)[host].failed, 0) << left.out;
  EXPECT_EQ(chain_.service().Requests("UpdateStatus").size(), reports);

  // A completed till installed again, on request.
  const ProgramResult again = Play({"-e", "skarvel_till_reinstall=yes"});
  EXPECT_EQ(RecapOf(again.out)[host].failed, 0) << again.out;
  EXPECT_GT(chain_.service().Requests("UpdateStatus").size(), reports);
  EXPECT_EQ(Status(Till().code), "120");
}

// "false" on the command line does not simulate the restart: the role restarts the host, which
// Ansible refuses to do over a local connection.
TEST_F(RoleRecoveryTest, ARestartNotToBeSimulatedIsAttempted) {
  const ProgramResult result = Play({"-e", "skarvel_till_simulate_restart=false"});
  EXPECT_NE(result.out.find("would reboot the control node"), npos) << result.out;
  EXPECT_EQ(result.out.find("would restart now"), npos) << result.out;
  EXPECT_EQ(Status(Till().code), "19");
}

// One shop whose tills reach the maker over TLS.
class RoleTlsTest : public RoleTest {
 protected:
  RoleTlsTest() : RoleTest(1, 1, false, Available()) {}
  void SetUp() override {
    if (!Available()) GTEST_SKIP() << test::WhyFtpServerUnavailable(test::FtpServerKind::kVsftpd);
  }
  static bool Available() {
    return test::WhyFtpServerUnavailable(test::FtpServerKind::kVsftpd).empty();
  }
};

// The role copies the maker's authority and passes the shop's settings: the till installs to the
// end with every request and every transfer inside TLS (the service speaks nothing else, the
// download server requires it).
TEST_F(RoleTlsTest, AShopOverTlsInstallsWithTheMakersAuthority) {
  const test::ChainTill& till = chain_.tills().front();
  const ProgramResult result = Play();
  const std::map<std::string, Recap> recap = RecapOf(result.out);
  EXPECT_EQ(recap.at(till.name).failed, 0) << result.out << result.err;
  EXPECT_EQ(Status(till.code), "120") << result.out;
  EXPECT_EQ(test::Contents(CaPath()), test::Contents(test::TestCertificates::Get().Authority()));
  EXPECT_EQ(fs::status(CaPath()).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::others_read);
  const std::vector<std::string> commands = chain_.ftp().Commands();
  const auto logins = std::count(commands.begin(), commands.end(), "USER skarvel");
  EXPECT_GT(logins, 0);
  EXPECT_EQ(std::count(commands.begin(), commands.end(), "AUTH TLS"), logins);
}

}  // namespace
}  // namespace skarvel
