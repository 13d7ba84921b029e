#include "platform/ansi_text.h"

#include <gtest/gtest.h>

#include "platform/folder_path.h"

namespace skarvel {
namespace {

struct WholeNumberCase {
  const char* text;
  std::int32_t expected;
};

class StrToIntDefTest : public testing::TestWithParam<WholeNumberCase> {};

TEST_P(StrToIntDefTest, ReadsWholeNumbersAndFallsBackOtherwise) {
  EXPECT_EQ(StrToIntDef(GetParam().text, -99), GetParam().expected)
      << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, StrToIntDefTest,
                         testing::Values(WholeNumberCase{"42", 42}, WholeNumberCase{" 42\t", 42},
                                         WholeNumberCase{"+7", 7}, WholeNumberCase{"-7", -7},
                                         WholeNumberCase{"-2147483648", INT32_MIN},
                                         WholeNumberCase{"2147483647", INT32_MAX},
                                         WholeNumberCase{"2147483648", -99},
                                         WholeNumberCase{"", -99}, WholeNumberCase{"   ", -99},
                                         WholeNumberCase{"+-7", -99}, WholeNumberCase{"-", -99},
                                         WholeNumberCase{"12a", -99}, WholeNumberCase{"1 2", -99},
                                         WholeNumberCase{"0x10", -99},
                                         WholeNumberCase{"1.0", -99}));

TEST(AnsiTextTest, TrimRemovesBlanksAndControlCharactersAtBothEnds) {
  EXPECT_EQ(Trim(" \t FR \r\n"), "FR");
  EXPECT_EQ(Trim("a b"), "a b");
  EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0");  // a no-break space is a character, not a blank
}

// Firebird's texts and systemctl's answers come in lines; a cause stands in one.
TEST(AnsiTextTest, OneLineJoinsLinesWithOneBlank) {
  EXPECT_EQ(OneLine("Unable to complete network request to host \"127.0.0.1\".\r\n"
                    "-Failed to establish a connection.\n"),
            "Unable to complete network request to host \"127.0.0.1\". "
            "-Failed to establish a connection.");
  EXPECT_EQ(OneLine("a \nb\n\nc"), "a b c");
  EXPECT_EQ(OneLine("a\rb"), "a b");
  EXPECT_EQ(OneLine("caf\xE9"), "caf\xE9");
}

TEST(AnsiTextTest, UpperCaseTouchesOnlyAsciiLetters) {
  EXPECT_EQ(UpperCase("abc-xyz 09 \xE9t\xE9"), "ABC-XYZ 09 \xE9T\xE9");
  EXPECT_TRUE(SameText("pos_5", "POS_5"));
  EXPECT_FALSE(SameText("POS_5", "POS_50"));
  EXPECT_FALSE(SameText("\xE9", "\xC9"));
}

TEST(FolderPathTest, AppendsTheSeparatorOnlyWhenMissing) {
  EXPECT_EQ(WithTrailingSeparator(""), "/");
  EXPECT_EQ(WithTrailingSeparator("/opt/lumtrak"), "/opt/lumtrak/");
  EXPECT_EQ(WithTrailingSeparator("/opt/lumtrak/"), "/opt/lumtrak/");
  // A backslash is an ordinary character on this system.
  EXPECT_EQ(WithTrailingSeparator("Dorvello\\"), "Dorvello\\/");
}

}  // namespace
}  // namespace skarvel
