// Whole installations against what real shops bring: central databases of other layouts and
// settings, printers and folders named as people name them.

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/installation_fixture.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;
using test::Contents;
using test::ProgramResult;

constexpr auto npos = std::string::npos;

using ShopVariationsTest = test::InstallationTest;

// A newer central database (version above 2030500) is opened a second time in Windows-1252.
// This one refuses such connections: the database step fails with its report and its messages,
// and the program ends normally.
TEST_F(ShopVariationsTest, ACentralThatRefusesTheSecondConnectionFailsStepNine) {
  PrepareCentralDatabase(4);
  CentralExecute("update ZVTYPE set VALEUR = 2030501 where CODE_TYPE = 'VERSI'");
  CentralExecute("create exception WIN1252_REFUSED 'Windows-1252 connections are refused here'");
  CentralExecute(
      "create trigger REFUSE_WIN1252 on connect as begin if ((select MON$CHARACTER_SET_ID from "
      "MON$ATTACHMENTS where MON$ATTACHMENT_ID = current_connection) = 53) then exception "
      "WIN1252_REFUSED; end");
  const ProgramResult result = Run({kFreshCustomer});
  EXPECT_EQ(result.exit_code, 1) << result.out << result.err;
  EXPECT_NE(result.out.find("step 9 failed, reported 98"), npos) << result.out;
  EXPECT_EQ(ReportedStatuses().back(), "98");
  EXPECT_NE(service_.Requests("UpdateStatus").back()["params"]["info"], "error_connect");
  EXPECT_NE(result.err.find("DEVISES : Erreur the central database is not open"), npos)
      << result.err;
  EXPECT_NE(result.err.find("Windows-1252 connections are refused here"), npos) << result.err;
}

}  // namespace
}  // namespace skarvel
