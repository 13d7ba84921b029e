#include "platform/program_options.h"

#include <QLocale>
#include <gtest/gtest.h>

#include "platform/data_size.h"
#include "platform/translation.h"

namespace skarvel {
namespace {

using Words = std::vector<std::string>;

const std::vector<ProgramOption> kOptions = {{{"h", "help"}}, {{"json"}}, {{"host"}, true}};

// Options stand before or after the arguments, a value follows "=" or comes as the next word,
// and after "--" every word is an argument, even one that starts with "-".
TEST(ProgramOptionsTest, ReadsOptionsValuesAndArguments) {
  ProgramCommandLine read = ReadCommandLine(
      {"5412345000013", "--json", "--host=127.0.0.1:3604", "--", "-x", "--help"}, kOptions);
  EXPECT_EQ(read.error, "");
  EXPECT_EQ(read.given,
            (std::map<std::string, std::string>{{"json", ""}, {"host", "127.0.0.1:3604"}}));
  EXPECT_EQ(read.arguments, (Words{"5412345000013", "-x", "--help"}));
  read = ReadCommandLine({"--host", "h\xC3\xA9", "-h", "caf\xC3\xA9"}, kOptions);
  EXPECT_EQ(read.given, (std::map<std::string, std::string>{{"h", ""}, {"host", "h\xC3\xA9"}}));
  EXPECT_EQ(read.arguments, Words{"caf\xC3\xA9"});
}

// What is wrong is said with the word as it was written; what could be read is read all the
// same, so that --help is answered beside an unknown option.
TEST(ProgramOptionsTest, NamesAWrongWordAsItWasWritten) {
  for (const auto& [words, error] : std::vector<std::pair<Words, std::string>>{
           {{"--code=5412345000013"}, "unknown option --code=5412345000013"},
           {{"5412345000013", "-x"}, "unknown option -x"},
           {{"--", "a", "--jsonn"}, ""},
           {{"--jsonn", "--", "--jsonn"}, "unknown option --jsonn"},
           {{"--json=1", "5412345000013"}, "the option --json=1 takes no value"},
           {{"5412345000013", "--host"}, "the option --host needs a value"}}) {
    EXPECT_EQ(ReadCommandLine(words, kOptions).error, error) << words.front();
  }
  const ProgramCommandLine read = ReadCommandLine({"--bogus", "--help"}, kOptions);
  EXPECT_EQ(read.error, "unknown option --bogus");
  EXPECT_EQ(read.given.count("h"), 1u);
}

// Sizes in decimal units with one decimal, in the way of the language in use, whatever the
// system's locale.
TEST(DataSizeTest, SaysSizesInTheWayOfTheLanguageInUse) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(DataSize(999), "999 bytes");
  EXPECT_EQ(DataSize(1'500'000), "1.5 MB");
  EXPECT_EQ(DataSize(4'700'000'000), "4.7 GB");
  UseLanguage(Language::kFrench);
  EXPECT_EQ(DataSize(1'500'000).substr(0, 3), "1,5");
  UseLanguage(Language::kDutch);
  EXPECT_EQ(DataSize(1'500'000).substr(0, 3), "1,5");
  UseLanguage(Language::kEnglish);
  QLocale::setDefault(QLocale::c());
}

}  // namespace
}  // namespace skarvel
