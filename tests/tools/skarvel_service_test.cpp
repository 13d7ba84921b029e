#include <gtest/gtest.h>
#include <httplib.h>

#include "tests/support/child_process.h"
#include "tests/support/reference_service_process.h"
#include "tests/support/temp_folder.h"

namespace skarvel {
namespace {

TEST(SkarvelServiceTest, LogsEveryRequestWithItsParametersAndAnswer) {
  test::ReferenceServiceProcess service;
  httplib::Client client("http://" + service.host());
  ASSERT_TRUE(client.Get("/skv/skv.dll/UpdateStatus?cust=1001&status=19&info=caf%E9"));
  ASSERT_TRUE(client.Get("/skv/skv.dll/getcustinfo?code=5412345000013"));
  const auto requests = service.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0]["op"], "UpdateStatus");
  EXPECT_EQ(requests[0]["params"]["info"], "café");  // sent as Windows-1252, logged as UTF-8
  EXPECT_EQ(requests[0]["answer"], "OKOK");
  EXPECT_EQ(requests[1]["rows"], 1);
  EXPECT_LT(requests[0]["seq"], requests[1]["seq"]);
}

TEST(SkarvelServiceTest, AFaultLastsForTheRequestsItWasGiven) {
  test::ReferenceServiceProcess service;
  httplib::Client client("http://" + service.host());
  service.Fault("checkstatus", "EOF", 0, 2);
  EXPECT_EQ(client.Get("/skv/skv.dll/CheckStatus")->body, "EOF");
  EXPECT_EQ(client.Get("/skv/skv.dll/CheckStatus")->body, "EOF");
  EXPECT_EQ(client.Get("/skv/skv.dll/CheckStatus")->body, "OK");
  EXPECT_EQ(client.Get("/skv/skv.dll/NoSuchOperation")->status, 404);
  EXPECT_EQ(client.Get("/skv/skv.dll/UpdateStatus?cust=nobody&status=1&info=1")->body, "error");
}

TEST(SkarvelServiceTest, RefusesDataItCannotServe) {
  test::TempFolder folder;
  std::ofstream(folder.File("bad.json"))
      << R"({"customers": [{"cus_code": "X", "CP_PKEY": "1", "n": 1.5}]})";
  const auto result =
      test::RunProgram({SKARVEL_SERVICE_PROGRAM, "--data", folder.File("bad.json")});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.err.find("no table can carry"), std::string::npos) << result.err;
  EXPECT_EQ(test::RunProgram({SKARVEL_SERVICE_PROGRAM, "--port", "1"}).exit_code, 64);
}

}  // namespace
}  // namespace skarvel
