#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/catalogue.h"
#include "tests/support/installation_fixture.h"
#include "tests/support/sockets.h"

namespace skarvel {
namespace {

using test::ProgramResult;

// The English of every text the catalogues translate, cut at its placeholders: the pieces of
// three words or more, each a phrase no Dutch or French line of the project holds.
std::vector<std::string> EnglishPhrases() {
  std::vector<std::string> phrases;
  const std::regex placeholder("%[0-9]");
  const std::regex edges("^[\\s(),.:;\"']+|[\\s(),.:;\"']+$");
  for (const test::CatalogueText& text : test::ReadCatalogue("skarvel_fr.ts")) {
    for (auto piece =
             std::sregex_token_iterator(text.source.begin(), text.source.end(), placeholder, -1);
         piece != std::sregex_token_iterator(); ++piece) {
      const std::string phrase = std::regex_replace(piece->str(), edges, "");
      if (std::count(phrase.begin(), phrase.end(), ' ') >= 2) phrases.push_back(phrase);
    }
  }
  EXPECT_GT(phrases.size(), 50u);
  return phrases;
}

// A word of English that neither Dutch nor French has, and that the peers' own words these runs
// pass on (libcurl's, Firebird's, the system's) do not use.
const std::regex kEnglishWord(
    "\\b(the|could|cannot|which|reported|does|with|from|not|stopped|done|again|step|customer|"
    "unknown|exactly)\\b",
    std::regex::icase);

class LanguagesTest : public test::InstallationTest {
 protected:
  // The central database's server is one that refuses the connection: a database server of
  // the machine's own on the default port would answer in words of its own state (a refused
  // login, a missing file), which these runs pass on as they come.
  LanguagesTest() {
    std::ofstream(download_root_.File("srv/serveurs.cfg"))
        << "[SRV]\r\nSRV1=127.0.0.1/" << test::RefusingPort() << "\r\n";
  }

  // skarvel-cli with the system's language lang ("nl_BE.UTF-8").
  ProgramResult RunIn(const char* lang, std::vector<std::string> arguments,
                      const std::string& host = "") {
    std::map<std::string, std::string> environment =
        Environment(host.empty() ? service_.host() : host);
    environment["LANG"] = lang;
    environment["LC_ALL"] = "";
    environment["LC_MESSAGES"] = "";
    arguments.insert(arguments.begin(), SKARVEL_CLI_PROGRAM);
    return test::RunProgram(arguments, environment);
  }

  // Each line of the run's output holding an English phrase of the project; with words, also
  // each holding a word only English has (for a run whose every text, the service's too, is in
  // the person's language).
  static std::string EnglishLines(const ProgramResult& result, bool words) {
    static const std::vector<std::string> phrases = EnglishPhrases();
    std::string english;
    std::istringstream lines(result.out + "\n" + result.err);
    for (std::string line; std::getline(lines, line);) {
      const bool phrase = std::any_of(phrases.begin(), phrases.end(), [&](const std::string& p) {
        return line.find(p) != std::string::npos;
      });
      if (phrase || (words && std::regex_search(line, kEnglishWord))) english += line + "\n";
    }
    return english;
  }
};

// A French customer from the downloads to the central database, which is not there: every line
// of the run, the failure's cause and the advice included, is French.
TEST_F(LanguagesTest, AFrenchRunHasNoEnglishLine) {
  const ProgramResult result = RunIn("nl_BE.UTF-8", {"5412345000020"});
  EXPECT_EQ(result.exit_code, 1) << result.out << result.err;
  EXPECT_FALSE(result.err.empty());
  EXPECT_EQ(EnglishLines(result, true), "") << result.out << result.err;
  const ProgramResult json = RunIn("nl_BE.UTF-8", {"--json", "--undo", "5412345000020"});
  EXPECT_EQ(json.exit_code, 1) << json.out << json.err;
  EXPECT_NE(json.out.find("\"cause\""), std::string::npos) << json.out;
  EXPECT_EQ(EnglishLines(json, false), "") << json.out << json.err;
}

// A French customer to the end, with a receipt printer no printing system takes: the steps,
// the completion and its warning are French (the printing system's own words pass as they come).
TEST_F(LanguagesTest, AFrenchRunToTheEndHasNoEnglishLine) {
  PrepareCentralDatabase(4);
  service_.SetField("5412345000020", "PPA_POSPATH2", folder_.File("till"));
  service_.SetField("5412345000020", "cus_base_pos", CentralDatabase());
  service_.SetField("5412345000020", "CP_GENTEXT", "BONPRINTER");
  const ProgramResult result = RunIn("nl_BE.UTF-8", {"5412345000020"});
  EXPECT_EQ(result.exit_code, 0) << result.out << result.err;
  EXPECT_EQ(CustomerStatus("5412345000020"), "120");
  EXPECT_NE((result.out + result.err).find("BONPRINTER"), std::string::npos) << result.out;
  EXPECT_EQ(EnglishLines(result, false), "") << result.out << result.err;
}

// A Dutch customer: the check's lines, and a run up to the restart it may not do.
TEST_F(LanguagesTest, ADutchCheckAndRunHaveNoEnglishLine) {
  const ProgramResult check = RunIn("fr_BE.UTF-8", {"--check", "5412345000013"});
  EXPECT_NE(check.exit_code, 0);
  EXPECT_EQ(EnglishLines(check, true), "") << check.out << check.err;
  const ProgramResult run = RunIn("fr_BE.UTF-8", {"--no-restart", "5412345000013"});
  EXPECT_EQ(run.exit_code, 5) << run.out << run.err;
  EXPECT_EQ(EnglishLines(run, true), "") << run.out << run.err;
}

// Before a record names the language, the system's does: an unreachable service and a code the
// service does not know are said in it.
TEST_F(LanguagesTest, BeforeTheRecordTheSystemsLanguageIsSpoken) {
  const std::string nowhere = "127.0.0.1:" + std::to_string(test::RefusingPort());
  for (const char* lang : {"nl_BE.UTF-8", "fr_FR.UTF-8"}) {
    const ProgramResult unreachable = RunIn(lang, {"5412345000020"}, nowhere);
    EXPECT_EQ(unreachable.exit_code, 3);
    EXPECT_EQ(EnglishLines(unreachable, true), "") << lang << unreachable.err;
    // The service's own English table says that the code is unknown; the project's lines are in
    // the system's language.
    const ProgramResult rejected = RunIn(lang, {"0000000000000"});
    EXPECT_EQ(rejected.exit_code, 2);
    EXPECT_EQ(EnglishLines(rejected, false), "") << lang << rejected.err;
    // A command line the program cannot take is said in it too.
    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"--bogus", "5412345000020"}, std::vector<std::string>{},
          std::vector<std::string>{"54123450000200"}}) {
      const ProgramResult usage = RunIn(lang, wrong);
      EXPECT_EQ(usage.exit_code, 64);
      EXPECT_EQ(EnglishLines(usage, true), "") << lang << usage.err;
    }
    // And so is a setting it cannot take.
    const ProgramResult setting = RunIn(lang, {"5412345000020"}, "127.0.0.1:70000");
    EXPECT_EQ(setting.exit_code, 64);
    EXPECT_NE(setting.err.find("SKARVEL_SERVICE_HOST"), std::string::npos) << setting.err;
    EXPECT_EQ(EnglishLines(setting, true), "") << lang << setting.err;
  }
  const ProgramResult english = RunIn("en_US.UTF-8", {"5412345000020"}, nowhere);
  EXPECT_NE(EnglishLines(english, true), "") << english.err;
}

}  // namespace
}  // namespace skarvel
