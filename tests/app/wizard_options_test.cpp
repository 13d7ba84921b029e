#include "app/wizard_options.h"

#include <gtest/gtest.h>

#include "app/cli_options.h"

namespace skarvel {
namespace {

using Words = std::vector<std::string>;

TEST(WizardOptionsTest, HelpAndVersionAreAnsweredWhereverTheyStand) {
  EXPECT_EQ(ParseWizardOptions({"5412345000013", "--help"}).action, WizardOptions::Action::kHelp);
  EXPECT_EQ(ParseWizardOptions({"-x", "-h"}).action, WizardOptions::Action::kHelp);
  EXPECT_EQ(ParseWizardOptions({"--bogus", "--version"}).action, WizardOptions::Action::kVersion);
  // After "--" every word is an argument, even one that looks like an option.
  const WizardOptions after = ParseWizardOptions({"--", "--help"});
  EXPECT_EQ(after.action, WizardOptions::Action::kRun);
  EXPECT_EQ(after.arguments, Words{"--help"});
}

TEST(WizardOptionsTest, OnlyWordsThatAreNoOptionsReachTheWizard) {
  EXPECT_EQ(ParseWizardOptions({"5412345000013"}).arguments, Words{"5412345000013"});
  EXPECT_EQ(ParseWizardOptions({"a", "b"}).arguments, (Words{"a", "b"}));
  EXPECT_EQ(ParseWizardOptions({"-"}).arguments, Words{"-"});
  for (const char* option : {"-x", "--code", "--code=5412345000013"}) {
    try {
      ParseWizardOptions({"5412345000013", option});
      ADD_FAILURE() << option << " was taken";
    } catch (const UsageError& error) {
      EXPECT_EQ(error.what(), "unknown option " + std::string(option) + " (see --help)");
    }
  }
}

// The unattended program's options stand before or after the code, "--" keeps a code that starts
// with "-", and --help is answered beside anything else; a wrong word is wrong usage.
TEST(CliOptionsTest, OptionsStandAnywhereAndHelpWins) {
  const CliOptions options = ParseCliOptions({"5412345000013", "--json", "--undo", "--check"});
  EXPECT_EQ(options.action, CliOptions::Action::kCheck);
  EXPECT_TRUE(options.json && options.undo && !options.no_restart);
  EXPECT_EQ(options.code, "5412345000013");
  EXPECT_EQ(ParseCliOptions({"--no-restart", "--", "-abc"}).code, "-ABC");
  EXPECT_EQ(ParseCliOptions({"--bogus", "-h"}).action, CliOptions::Action::kHelp);
  EXPECT_EQ(ParseCliOptions({"--version", "a", "b"}).action, CliOptions::Action::kVersion);
  for (const Words& wrong :
       {Words{"--json=1", "5412345000013"}, Words{"--jsn", "5412345000013"}, Words{"a", "b"}}) {
    EXPECT_THROW(ParseCliOptions(wrong), UsageError) << wrong.front();
  }
}

}  // namespace
}  // namespace skarvel
