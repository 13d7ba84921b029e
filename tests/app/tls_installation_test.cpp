// skarvel-cli against a deployment whose servers are reached over TLS: the service over HTTPS
// and Debian's vsftpd requiring explicit TLS, both presenting certificates of the tests' own
// authority, which SKARVEL_CA_FILE names.

#include <algorithm>
#include <filesystem>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/support/installation_fixture.h"
#include "tests/support/test_certificates.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using test::ProgramResult;

class TlsInstallationTest : public test::InstallationTest {
 protected:
  TlsInstallationTest() : InstallationTest(OverTls{}) {}
  void SetUp() override {
    if (!tls_unavailable_.empty()) GTEST_SKIP() << tls_unavailable_;
    service_.SetField(kFreshCustomer, "cp_ps_code", "30");
  }

  const test::TestCertificates& certificates_ = test::TestCertificates::Get();

  // How many logins the download server saw, and how many of them inside TLS.
  std::pair<long, long> Logins() const {
    const std::vector<std::string> commands = ftp_->Commands();
    long logins = 0;
    long protected_logins = 0;
    for (std::size_t i = 0; i < commands.size(); ++i) {
      if (commands[i] != "USER skarvel") continue;
      ++logins;
      if (i > 0 && commands[i - 1] == "AUTH TLS") ++protected_logins;
    }
    return {logins, protected_logins};
  }
  // Files of the work folder, a half-downloaded one among them.
  std::vector<std::string> WorkFiles() const {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(WorkFolder(), error)) {
      if (entry.is_regular_file()) files.push_back(entry.path().filename().string());
    }
    return files;
  }
};

// From the downloads through the database step to the end, every request and every transfer
// inside TLS; the design's account and commands travel unchanged.
TEST_F(TlsInstallationTest, AnInstallationFromStatus30TravelsInsideTlsToTheEnd) {
  PrepareCentralDatabase(11);
  const ProgramResult result = Run({kFreshCustomer});
  for (const char* step : {"step 3 done, reported 39", "step 4 done, reported 49",
                           "step 9 done, reported 99", "step 11 done, reported 119"}) {
    EXPECT_NE(result.out.find(step), std::string::npos) << step << "\n" << result.out;
  }
  EXPECT_EQ(result.exit_code, 0) << result.out << result.err;
  EXPECT_EQ(CustomerStatus(kFreshCustomer), "120");
  EXPECT_TRUE(fs::exists(TillDatabase()));
  const auto [logins, protected_logins] = Logins();
  EXPECT_GE(logins, 4);  // the four packages at least
  EXPECT_EQ(protected_logins, logins);
  const std::vector<std::string> commands = ftp_->Commands();
  EXPECT_EQ(std::count(commands.begin(), commands.end(), "PROT P"), logins);
  EXPECT_NE(std::find(commands.begin(), commands.end(), "RETR lumtrak650.zip"), commands.end());
}

// --check says per server that it was reached over TLS, whom its certificate names and until
// when; in JSON as an object of its own.
TEST_F(TlsInstallationTest, TheCheckNamesEachServersCertificate) {
  PrepareCentralDatabase(2);
  const ProgramResult json_run = Run({"--check", "--json", kFreshCustomer});
  ASSERT_EQ(json_run.exit_code, 0) << json_run.out << json_run.err;
  std::map<std::string, json> checks;
  std::istringstream lines(json_run.out);
  for (std::string line; std::getline(lines, line);) {
    const json object = json::parse(line, nullptr, false);
    if (object.is_object() && object.value("event", "") == "check")
      checks[object["check"]] = object;
  }
  const std::regex iso_time(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)");
  for (const char* name : {"service", "download-server"}) {
    ASSERT_TRUE(checks.count(name)) << name << "\n" << json_run.out;
    const json& connection = checks[name]["connection"];
    EXPECT_EQ(connection["tls"], true) << name;
    EXPECT_EQ(connection["certificate"]["names"], json::array({"127.0.0.1", "localhost"})) << name;
    EXPECT_NE(connection["certificate"]["issuer"].get<std::string>().find("Skarvel Test CA"),
              std::string::npos);
    EXPECT_TRUE(
        std::regex_match(connection["certificate"]["valid_until"].get<std::string>(), iso_time))
        << connection;
  }
  const ProgramResult human = Run({"--check", kFreshCustomer});
  EXPECT_EQ(human.exit_code, 0) << human.out << human.err;
  EXPECT_NE(human.out.find("answers over TLS (certificate for 127.0.0.1, localhost, issued by"),
            std::string::npos)
      << human.out;
  EXPECT_NE(human.out.find("accepts the login over TLS (certificate for 127.0.0.1, localhost"),
            std::string::npos)
      << human.out;
}

// A download server whose certificate fails: the download step fails with the reason, the
// account is never sent, and nothing lies half-downloaded in the work folder.
TEST_F(TlsInstallationTest, EachBadDownloadCertificateFailsItsStepWithItsReason) {
  const struct {
    const test::ServerCertificate& certificate;
    std::string sentence;
  } cases[] = {
      {certificates_.Expired(), "The certificate of the download server 127.0.0.1 has expired."},
      {certificates_.OtherName(),
       "The certificate of the download server 127.0.0.1 is made out for another name."},
  };
  for (const auto& [certificate, sentence] : cases) {
    RestartDownloadServer({.kind = test::FtpServerKind::kVsftpd, .tls = certificate});
    service_.SetField(kFreshCustomer, "cp_ps_code", "30");
    const ProgramResult result = Run({kFreshCustomer});
    EXPECT_EQ(result.exit_code, 1) << result.out << result.err;
    EXPECT_NE(result.out.find("step 3 failed, reported 38"), std::string::npos) << result.out;
    EXPECT_NE((result.out + result.err + LogText()).find(sentence), std::string::npos)
        << sentence << "\n"
        << result.out << result.err;
    EXPECT_EQ(Logins().first, 0);
    EXPECT_EQ(WorkFiles(), std::vector<std::string>{}) << sentence;
  }
}

// A service whose certificate fails is not reached at all: the run stops before the first step
// and says why.
TEST_F(TlsInstallationTest, AServiceWhoseCertificateFailsIsNamedWithItsReason) {
  const test::ReferenceServiceProcess expired({}, certificates_.Expired());
  ProgramResult result = Run({kFreshCustomer}, expired.host());
  EXPECT_EQ(result.exit_code, 3) << result.out << result.err;
  EXPECT_NE((result.out + result.err)
                .find("The certificate of the configuration service at " + expired.host() +
                      " has expired."),
            std::string::npos)
      << result.out << result.err;
  EXPECT_TRUE(expired.Requests("CheckStatus").empty());

  ca_file_ = certificates_.OtherAuthority();
  result = Run({"--check", kFreshCustomer});
  EXPECT_EQ(result.exit_code, 3) << result.out << result.err;
  EXPECT_NE((result.out + result.err)
                .find("The certificate of the configuration service at " + service_.host() +
                      " comes from an authority this computer does not trust."),
            std::string::npos)
      << result.out << result.err;
}

}  // namespace
}  // namespace skarvel
