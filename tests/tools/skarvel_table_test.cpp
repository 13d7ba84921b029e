#include <fstream>

#include <gtest/gtest.h>
#include <httplib.h>

#include "tests/support/child_process.h"
#include "tests/support/reference_service_process.h"
#include "tests/support/serial_bytes.h"
#include "tests/support/temp_folder.h"

namespace skarvel {
namespace {

using test::RunProgram;

std::string SaveAnswer(const test::TempFolder& folder, const std::string& bytes) {
  std::ofstream(folder.File("answer"), std::ios::binary) << bytes;
  return folder.File("answer");
}

TEST(SkarvelTableTest, PrintsWhatTheServiceSentAsTabSeparatedText) {
  test::ReferenceServiceProcess service;
  httplib::Client client("http://" + service.host());
  const auto answer = client.Get("/skv/skv.dll/GetStatus2?LANG=FR");
  ASSERT_TRUE(answer);
  test::TempFolder folder;
  const auto result =
      RunProgram({SKARVEL_TABLE_PROGRAM, "decode", SaveAnswer(folder, answer->body)});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out.substr(0, result.out.find('\n')), "ps_code\tps_name\tpsl_name\tpsl_info");
  EXPECT_NE(result.out.find("\n80\tSETTINGS\tÉcrire les réglages de la caisse\t"),
            std::string::npos)
      << result.out;
}

TEST(SkarvelTableTest, ShowsControlCharactersInsideValuesAsEscapes) {
  using namespace test;
  const std::string row = std::string("a\tb\nc") + std::string(4, '\0') + Little(5, 4);
  const std::string bytes =
      Compress(Inflated(13, 1, Definition("TEXT", 1, 0, 8) + Definition("N", 3, 0, 0), row));
  TempFolder folder;
  const auto result = RunProgram({SKARVEL_TABLE_PROGRAM, "decode", SaveAnswer(folder, bytes)});
  EXPECT_EQ(result.out, "TEXT\tN\na\\tb\\nc\t5\n");
}

TEST(SkarvelTableTest, AMalformedAnswerPrintsTheDecodersErrorAndFails) {
  test::TempFolder folder;
  const auto result =
      RunProgram({SKARVEL_TABLE_PROGRAM, "decode", SaveAnswer(folder, "not a table")});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("could not be decompressed"), std::string::npos) << result.err;
  EXPECT_EQ(RunProgram({SKARVEL_TABLE_PROGRAM, "decode", folder.File("missing")}).exit_code, 1);
  EXPECT_EQ(RunProgram({SKARVEL_TABLE_PROGRAM}).exit_code, 64);
}

}  // namespace
}  // namespace skarvel
