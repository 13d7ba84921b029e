#include <gtest/gtest.h>

#include "tests/support/child_process.h"
#include "tests/support/reference_service_process.h"

namespace skarvel {
namespace {

using test::ProgramResult;
using test::RunProgram;

class SkarvelCliTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { service_ = new test::ReferenceServiceProcess(); }
  static void TearDownTestSuite() { delete service_; }

  ProgramResult Run(const std::vector<std::string>& arguments, const std::string& host) {
    std::vector<std::string> argv = {SKARVEL_CLI_PROGRAM};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return RunProgram(argv, {{"SKARVEL_SERVICE_HOST", host}});
  }
  ProgramResult Run(const std::vector<std::string>& arguments) {
    return Run(arguments, service_->host());
  }

  static test::ReferenceServiceProcess* service_;
};

test::ReferenceServiceProcess* SkarvelCliTest::service_ = nullptr;

TEST_F(SkarvelCliTest, ShowsTheCustomerAndItsDoneStepsInItsLanguage) {
  const ProgramResult result = Run({"5412345000020"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_NE(result.out.find("Boulangerie Dupré"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("Numéro de poste : 3"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("Numéro de caisse : 2"), std::string::npos) << result.out;
  // Status 40: the first three steps are done.
  EXPECT_NE(result.out.find("[x]  3  Télécharger les paquets"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("[ ]  4  Décompresser le paquet de caisse"), std::string::npos);
  EXPECT_EQ(service_->Requests("Getmessages").back()["params"]["lang"], "FR");
}

TEST_F(SkarvelCliTest, TakesTheCodeInAnyCase) {
  const ProgramResult result = Run({"test000000002"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_NE(result.out.find("Passive Zero"), std::string::npos);
}

TEST_F(SkarvelCliTest, ExitCodesSayWhatWentWrong) {
  EXPECT_EQ(Run({"0000000000000"}).exit_code, 2);
  const ProgramResult unreachable =
      Run({"5412345000020"}, "127.0.0.1:" + std::to_string(test::UnusedPort()));
  EXPECT_EQ(unreachable.exit_code, 3);
  EXPECT_NE(unreachable.err.find("does not answer"), std::string::npos);
  EXPECT_EQ(Run({}).exit_code, 64);
  EXPECT_EQ(Run({"5412345000020", "5412345000037"}).exit_code, 64);
  EXPECT_EQ(Run({"54123450000200"}).exit_code, 64);  // fourteen characters
  EXPECT_EQ(Run({"5412345000020"}, "bad host/x").exit_code, 64);
}

TEST_F(SkarvelCliTest, HelpDocumentsTheExitCodes) {
  const ProgramResult result = Run({"--help"});
  EXPECT_EQ(result.exit_code, 0);
  for (const char* line : {"0   the customer", "2   the service did not accept",
                           "3   the configuration", "SKARVEL_SERVICE_HOST", "SKARVEL_FTP_PORT"}) {
    EXPECT_NE(result.out.find(line), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace skarvel
