#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <tuple>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/support/cups_server_process.h"
#include "tests/support/installation_fixture.h"
#include "tests/support/sockets.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using test::ProgramResult;

constexpr auto npos = std::string::npos;

// Every line of the output as a JSON object; a line that is no JSON fails the test.
std::vector<json> JsonLines(const std::string& out) {
  std::vector<json> lines;
  std::istringstream stream(out);
  for (std::string line; std::getline(stream, line);) {
    json object = json::parse(line, nullptr, false);
    EXPECT_TRUE(object.is_object()) << "not a JSON object: " << line;
    if (object.is_object()) lines.push_back(std::move(object));
  }
  return lines;
}

// The check events by name.
std::map<std::string, json> Checks(const std::vector<json>& lines) {
  std::map<std::string, json> checks;
  for (const json& line : lines) {
    if (line.value("event", "") == "check") checks[line["check"]] = line;
  }
  return checks;
}

class PreflightTest : public test::InstallationTest {
 protected:
  ProgramResult Check(const std::string& code) { return Run({"--check", "--json", code}); }
};

// A customer whose packages, central database and disks are all there: every check passes, and
// the check leaves the service, the work folder and the temporary folder as they were.
TEST_F(PreflightTest, APreparedCustomerCanBeInstalledAndNothingChanges) {
  PrepareCentralDatabase(2);
  const ProgramResult result = Check(kFreshCustomer);
  ASSERT_EQ(result.exit_code, 0) << result.out << result.err;
  const std::vector<json> lines = JsonLines(result.out);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.front()["event"], "start");
  EXPECT_EQ(lines.front()["mode"], "check");
  EXPECT_EQ(lines.front()["code"], kFreshCustomer);
  EXPECT_EQ(lines.back()["event"], "end");
  EXPECT_EQ(lines.back()["exit_code"], 0);
  EXPECT_EQ(lines.back()["status"], 20);

  const auto checks = Checks(lines);
  for (const char* name : {"service", "code", "download-server", "package:srv", "package:zip",
                           "package:lumtrak650", "package:firebird", "package:templates",
                           "central-database", "disk-space", "archive-tool"}) {
    ASSERT_TRUE(checks.count(name)) << name << "\n" << result.out;
    EXPECT_TRUE(checks.at(name)["ok"].get<bool>()) << checks.at(name).dump();
  }
  EXPECT_NE(checks.at("code")["detail"].get<std::string>().find("step 2"), npos);
  const std::string till_package = checks.at("package:lumtrak650")["detail"];
  EXPECT_TRUE(std::regex_match(till_package, std::regex(R"(1 file, [0-9]+\.[0-9] kB)")))
      << till_package;
  EXPECT_NE(checks.at("central-database")["detail"].get<std::string>().find("version"), npos);
  EXPECT_EQ(checks.count("printing-system"), 0u) << "the customer has no receipt printer";
  // A plain deployment is said to be one, for the person and for machines.
  for (const auto& [name, words] : {std::pair{"service", "over plain HTTP (not encrypted)"},
                                    std::pair{"download-server", "in plain FTP (not encrypted)"}}) {
    EXPECT_NE(checks.at(name)["detail"].get<std::string>().find(words), npos) << checks.at(name);
    EXPECT_EQ(checks.at(name)["connection"], json({{"tls", false}})) << checks.at(name);
  }
  // Beside each line, what it found for machines: numbers as numbers, the version as one.
  const json& disk = checks.at("disk-space")["details"];
  EXPECT_GT(disk["work_bytes_free"].get<std::int64_t>(),
            disk["work_bytes_needed"].get<std::int64_t>())
      << disk;
  EXPECT_GT(disk["till_bytes_needed"].get<std::int64_t>(), 0) << disk;
  EXPECT_TRUE(disk["same_disk"].is_boolean()) << disk;
  EXPECT_GT(checks.at("central-database")["details"]["version"].get<std::int64_t>(), 0);
  const json& package = checks.at("package:lumtrak650")["details"];
  EXPECT_EQ(package["files"], 1);
  EXPECT_GT(package["bytes"].get<std::int64_t>(), 1000) << package;
  EXPECT_EQ(checks.at("code")["details"]["next_step"], 2);
  EXPECT_EQ(lines.front()["format"], 1);

  // Human text goes to standard error with --json; the log records every check.
  EXPECT_NE(result.err.find("ok    central-database"), npos) << result.err;
  EXPECT_NE(LogText().find("check: ok    disk-space"), npos) << LogText();
  EXPECT_TRUE(service_.Requests("UpdateStatus").empty());
  EXPECT_EQ(CustomerStatus(kFreshCustomer), "20");
  EXPECT_FALSE(fs::exists(WorkFolder()));
  for (const auto& entry : fs::directory_iterator(folder_.path())) {
    EXPECT_EQ(entry.path().filename().string().find("skarvel-check"), npos) << entry.path();
  }
}

// What would stop the installation is each named with its reason, and the installation
// would not run: a missing package folder, a central database that is not there. A printing
// system that does not answer is said too, as a warning: the till sells without its printer.
TEST_F(PreflightTest, EachObstacleIsNamedWithItsReason) {
  service_.SetField(kFreshCustomer, "cus_base_pos", folder_.File("missing-central.fdb"));
  service_.SetField(kFreshCustomer, "CP_GENTEXT", "TICKETS");
  fs::remove_all(download_root_.File("lumtrak650"));
  const ProgramResult result = Run({"--check", kFreshCustomer});
  EXPECT_EQ(result.exit_code, 7) << result.out << result.err;
  EXPECT_NE(result.out.find("FAIL  package:lumtrak650"), npos) << result.out;
  EXPECT_NE(result.out.find("ok    package:templates"), npos) << result.out;
  EXPECT_NE(result.out.find("FAIL  central-database  " + folder_.File("missing-central.fdb")), npos)
      << result.out;
  EXPECT_NE(result.out.find("WARN  printing-system  no printing system answers"), npos)
      << result.out;
  // The advice names every check that would stop the installation, and only those.
  EXPECT_NE(result.err.find("would not succeed (package:lumtrak650: "), npos) << result.err;
  EXPECT_NE(result.err.find("; central-database: "), npos) << result.err;
  EXPECT_EQ(result.err.find("printing-system"), npos) << result.err;
  EXPECT_TRUE(service_.Requests("UpdateStatus").empty());
}

// With a scheduler of its own the printing check passes; a stopped installation is no
// installation that can run, and the check says how to go on.
TEST_F(PreflightTest, AStoppedInstallationNeedsUndoAndAPrinterNeedsAScheduler) {
  test::CupsServerProcess cups;
  cups_server_ = std::getenv("CUPS_SERVER");
  PrepareCentralDatabase(3);
  service_.SetField(kFreshCustomer, "CP_GENTEXT", "TICKETS");
  service_.SetField(kFreshCustomer, "cp_ps_code", "58");
  const ProgramResult result = Check(kFreshCustomer);
  EXPECT_EQ(result.exit_code, 7) << result.out << result.err;
  const auto checks = Checks(JsonLines(result.out));
  ASSERT_TRUE(checks.count("printing-system")) << result.out;
  EXPECT_TRUE(checks.at("printing-system")["ok"].get<bool>()) << checks.at("printing-system");
  EXPECT_FALSE(checks.at("printing-system")["blocking"].get<bool>());
  EXPECT_TRUE(checks.at("code")["blocking"].get<bool>());
  ASSERT_TRUE(checks.count("code"));
  EXPECT_FALSE(checks.at("code")["ok"].get<bool>());
  EXPECT_NE(checks.at("code")["detail"].get<std::string>().find("skarvel-cli --undo " +
                                                                std::string(kFreshCustomer)),
            npos);
}

// Without a service or with a code it does not know, nothing more can be checked: each has its
// own exit code, and the end says what to do.
TEST_F(PreflightTest, AnUnknownCodeAndAnUnreachableServiceEndTheCheck) {
  const ProgramResult unknown = Check("9999999999999");
  EXPECT_EQ(unknown.exit_code, 2) << unknown.out << unknown.err;
  auto lines = JsonLines(unknown.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(lines.back()["status"].is_null());
  EXPECT_NE(lines.back()["advice"].get<std::string>().find("did not accept the customer code"),
            npos);

  const ProgramResult unreachable = Run({"--check", "--json", kFreshCustomer},
                                        "127.0.0.1:" + std::to_string(test::RefusingPort()));
  EXPECT_EQ(unreachable.exit_code, 3) << unreachable.out << unreachable.err;
  lines = JsonLines(unreachable.out);
  ASSERT_EQ(lines.size(), 3u) << unreachable.out;  // start, the service check, end
  EXPECT_EQ(lines[1]["check"], "service");
  EXPECT_FALSE(lines[1]["ok"].get<bool>());
  EXPECT_EQ(lines[2]["exit_code"], 3);
}

// An installation with --json: every line is one JSON object, each reported step with its
// status and time, and the end with the exit code and the status the service holds.
TEST_F(PreflightTest, AnInstallationWithJsonGivesEachStepAndTheEnd) {
  PrepareCentralDatabase(4);
  const ProgramResult result = Run({"--json", kFreshCustomer});
  ASSERT_EQ(result.exit_code, 0) << result.out << result.err;
  const std::vector<json> lines = JsonLines(result.out);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.front()["mode"], "install");
  std::vector<int> statuses;
  for (const json& line : lines) {
    if (line["event"] != "step") continue;
    statuses.push_back(line["status"]);
    EXPECT_TRUE(line["acknowledged"].get<bool>()) << line;
    EXPECT_GE(line["seconds"].get<double>(), 0.0) << line;
  }
  EXPECT_EQ(statuses,
            (std::vector<int>{29, 39, 39, 39, 39, 49, 59, 69, 79, 89, 99, 109, 119, 120}));
  EXPECT_EQ(lines.back()["event"], "end");
  EXPECT_EQ(lines.back()["exit_code"], 0);
  EXPECT_EQ(lines.back()["status"], 120);
  EXPECT_EQ(lines.back()["advice"], "");
  EXPECT_EQ(lines.back()["changed"], true);
  EXPECT_EQ(lines.back()["warnings"], json::array());
  // The human text went to standard error, without a line written over.
  EXPECT_NE(result.err.find("step 12 done, reported 120"), npos) << result.err;
  EXPECT_EQ(result.err.find('\r'), npos) << result.err;
}

// The steps carry their captions, and the downloads, the unpacking and each table of the copy
// their progress: each piece in its step, never past its total, its last event its end.
TEST_F(PreflightTest, AnInstallationWithJsonGivesTheProgressOfItsWork) {
  PrepareCentralDatabase(5);
  const ProgramResult result = Run({"--json", kFreshCustomer});
  ASSERT_EQ(result.exit_code, 0) << result.out << result.err;
  const std::vector<json> lines = JsonLines(result.out);
  std::map<int, std::string> captions;
  std::map<std::string, json> last;  // each piece's last event, by kind and name
  for (const json& line : lines) {
    if (line["event"] == "step") captions[line["step"]] = line["step_caption"];
    if (line["event"] != "progress") continue;
    const std::string piece =
        line["kind"].get<std::string>() + " " + line["name"].get<std::string>();
    EXPECT_FALSE(last.count(piece) && last[piece]["ended"].get<bool>())
        << "after its end: " << line;
    if (!line["total"].is_null()) {
      EXPECT_LE(line["done"], line["total"]) << line;
    }
    last[piece] = line;
  }
  EXPECT_EQ(captions[3], "Download the packages");
  EXPECT_EQ(captions[9], "Fill the till database");
  for (const auto& [piece, step, unit] :
       {std::tuple("download lumtrak650", 3, "bytes"), std::tuple("download templates", 3, "bytes"),
        std::tuple("unpack lumtrak650.zip", 4, "percent")}) {
    ASSERT_TRUE(last.count(piece)) << piece << "\n" << result.out;
    EXPECT_EQ(last[piece]["step"], step) << last[piece];
    EXPECT_EQ(last[piece]["unit"], unit) << last[piece];
    EXPECT_TRUE(last[piece]["ended"].get<bool>()) << last[piece];
    EXPECT_EQ(last[piece]["done"], last[piece]["total"]) << last[piece];
  }
  EXPECT_EQ(last["download lumtrak650"]["file"], "lumtrak650.zip");
  int tables = 0;
  for (const auto& [piece, line] : last) {
    if (line["kind"] != "table") continue;
    ++tables;
    EXPECT_EQ(line["step"], 9) << line;
    EXPECT_EQ(line["unit"], "rows") << line;
    EXPECT_TRUE(line["ended"].get<bool>()) << line;
  }
  EXPECT_GE(tables, 10) << result.out;
}

// A step that fails: its step line says so, the message it showed is a message event, and the
// end carries the advice the terminal got.
TEST_F(PreflightTest, AFailedInstallationCarriesItsAdviceInTheEnd) {
  // Status 40, nothing downloaded, and the till package is not on the download server either.
  service_.SetField("5412345000020", "pv_filename", "lumtrak651.zip");
  const ProgramResult result = Run({"--json", "5412345000020"});
  EXPECT_EQ(result.exit_code, 1) << result.out << result.err;
  const std::vector<json> lines = JsonLines(result.out);
  ASSERT_FALSE(lines.empty());
  bool failed_step = false;
  for (const json& line : lines) {
    if (line["event"] == "step" && line["status"] == 48) {
      failed_step = line["outcome"] == "failed" && line["step"] == 4;
    }
  }
  EXPECT_TRUE(failed_step) << result.out;
  // The error window it would have shown, as an error, with its cause.
  bool window = false;
  for (const json& line : lines) {
    if (line["event"] == "message" && line["severity"] == "error" && line.contains("cause")) {
      window = window || line["cause"].get<std::string>().find("lumtrak651.zip") != npos;
    }
  }
  EXPECT_NE(lines.back().value("cause", "").find("lumtrak651.zip"), npos) << lines.back();

  EXPECT_TRUE(window) << result.out;
  EXPECT_EQ(lines.back()["status"], 48);
  EXPECT_NE(lines.back()["advice"].get<std::string>().find("skarvel-cli --undo 5412345000020"),
            npos)
      << lines.back();
  EXPECT_NE(result.err.find("skarvel-cli --undo 5412345000020"), npos);
}

}  // namespace
}  // namespace skarvel
