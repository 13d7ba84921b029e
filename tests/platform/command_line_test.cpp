#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace skarvel {
namespace {

using Arguments = std::vector<std::string>;

TEST(SplitCommandLineTest, BlanksSeparateAndQuotesGroup) {
  EXPECT_EQ(SplitCommandLine("x /tmp/a.zip -tzip -r"),
            (Arguments{"x", "/tmp/a.zip", "-tzip", "-r"}));
  EXPECT_EQ(SplitCommandLine("  a \t b  "), (Arguments{"a", "b"}));
  EXPECT_EQ(SplitCommandLine("a -tzip \"/tmp/my folder/k.zip\"  \"/t/*.txt*\" "),
            (Arguments{"a", "-tzip", "/tmp/my folder/k.zip", "/t/*.txt*"}));
  // A quote in the middle of an argument groups the rest of it, as after -o.
  EXPECT_EQ(SplitCommandLine("-o\"/tmp/till folder/\" -y"),
            (Arguments{"-o/tmp/till folder/", "-y"}));
  EXPECT_EQ(SplitCommandLine("a \"\" b"), (Arguments{"a", "", "b"}));
  EXPECT_TRUE(SplitCommandLine("   ").empty());
}

TEST(SplitCommandLineTest, QuotedIfBlankComesBackWhole) {
  for (const std::string path : {"/tmp/plain", "/tmp/with blank/", "tab\there"}) {
    EXPECT_EQ(SplitCommandLine("x " + QuotedIfBlank(path) + " -y"), (Arguments{"x", path, "-y"}));
  }
  EXPECT_EQ(QuotedIfBlank("/tmp/plain"), "/tmp/plain");
}

}  // namespace
}  // namespace skarvel
