#include "app/json_report.h"

#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace skarvel {
namespace {

using nlohmann::json;

std::vector<json> Lines(const std::string& out) {
  std::vector<json> lines;
  std::istringstream stream(out);
  for (std::string line; std::getline(stream, line);) lines.push_back(json::parse(line));
  return lines;
}

// Each event is one line, "event" first; texts arrive in UTF-8 from Windows-1252, numbers stay
// numbers, and what is not known is null rather than a made-up zero.
TEST(JsonReportTest, WritesEachEventOnALineOfItsOwn) {
  std::ostringstream out;
  JsonReport report(out);
  report.Start("install", "5412345000013", "http://127.0.0.1:3604/skv/skv.dll");
  report.Step({3, 38, false, 1.23456,
               "T\xE9l\xE9"
               "charger",
               "firebird"});
  report.Check({"disk-space",
                false,
                "the work folder needs 1.5 GB",
                {{"work_bytes_needed", std::int64_t{1'500'000'000}},
                 {"same_disk", true},
                 {"folder", std::string("/home/caf\xE9")}}});
  report.Message("Erreur: caf\xE9", Severity::kError);
  report.Progress(3,
                  {{WorkProgress::Kind::kDownload, "lumtrak650", "lumtrak650.zip", 4096, 0, false},
                   2048.0004,
                   std::nullopt});
  report.Progress(
      9, {{WorkProgress::Kind::kTable, "tva", "", 3, 12, true}, std::nullopt, std::nullopt});
  CliOutcome outcome{1, 38, "start skarvel-cli --undo 5412345000013"};
  outcome.changed = true;
  outcome.warnings = {"the receipt printer TICKETS was not added"};
  report.End(outcome);

  const std::vector<json> lines = Lines(out.str());
  ASSERT_EQ(lines.size(), 7u) << out.str();
  std::istringstream text(out.str());
  for (std::string line; std::getline(text, line);) {
    EXPECT_EQ(line.rfind("{\"event\":", 0), 0u) << line;
  }
  EXPECT_EQ(lines[0]["format"], JsonReport::kFormat);
  EXPECT_EQ(lines[0]["program"], "skarvel-cli");
  EXPECT_EQ(lines[1], json::parse(R"({"event":"step","step":3,"step_caption":"Télécharger",
      "status":38,"outcome":"failed","acknowledged":false,"seconds":1.235,
      "package":"firebird"})"));
  EXPECT_EQ(lines[2]["detail"], "the work folder needs 1.5 GB");
  EXPECT_EQ(lines[2]["details"], json::parse(R"({"work_bytes_needed":1500000000,
      "same_disk":true,"folder":"/home/café"})"));
  EXPECT_EQ(lines[3]["severity"], "error");
  EXPECT_EQ(lines[3]["text"], "Erreur: café");
  EXPECT_EQ(lines[4], json::parse(R"({"event":"progress","step":3,"kind":"download",
      "name":"lumtrak650","file":"lumtrak650.zip","unit":"bytes","done":4096,"total":null,
      "per_second":2048.0,"seconds_left":null,"ended":false})"));
  EXPECT_FALSE(lines[5].contains("file")) << "a table has no file";
  EXPECT_EQ(lines[5]["unit"], "rows");
  EXPECT_EQ(lines[5]["total"], 12);
  EXPECT_EQ(lines[6], json::parse(R"({"event":"end","exit_code":1,"status":38,
      "advice":"start skarvel-cli --undo 5412345000013","changed":true,
      "warnings":["the receipt printer TICKETS was not added"]})"));
}

}  // namespace
}  // namespace skarvel
