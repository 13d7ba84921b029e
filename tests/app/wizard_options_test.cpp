#include "app/wizard_options.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace skarvel
