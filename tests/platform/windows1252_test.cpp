#include "platform/windows1252.h"

#include <gtest/gtest.h>

#include "platform/qt_text.h"

namespace skarvel {
namespace {

TEST(Windows1252Test, EveryByteSurvivesTheRoundTripThroughUtf8AndQt) {
  for (int byte = 0; byte < 256; ++byte) {
    const std::string ansi(1, static_cast<char>(byte));
    EXPECT_EQ(AnsiFromUtf8(Utf8FromAnsi(ansi)), ansi) << "byte " << byte;
    EXPECT_EQ(ToAnsi(FromAnsi(ansi)), ansi) << "byte " << byte;
  }
}

TEST(Windows1252Test, MapsTheCodePageCharactersToUnicode) {
  EXPECT_EQ(Utf8FromAnsi("\x80 caf\xE9 \x9F"), "€ café Ÿ");
  EXPECT_EQ(FromAnsi("\x80\xE9\x9C"), QString::fromUtf8("€éœ"));
  EXPECT_EQ(AnsiFromUtf8("Précédent – “ok”"),
            "Pr\xE9"
            "c\xE9"
            "dent \x96 \x93ok\x94");
}

TEST(Windows1252Test, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(AnsiFromUtf8("日本"), "??");
  // One character outside the basic plane is one '?', not one per UTF-16 unit.
  EXPECT_EQ(ToAnsi(QString::fromUtf8("a\U0001F600b")), "a?b");
}

TEST(Windows1252Test, InvalidUtf8BecomesOneQuestionMarkPerByte) {
  EXPECT_EQ(AnsiFromUtf8("a\xC3"), "a?");          // cut short
  EXPECT_EQ(AnsiFromUtf8("\xC0\xAF"), "??");       // overlong '/'
  EXPECT_EQ(AnsiFromUtf8("\xED\xA0\x80"), "???");  // a surrogate
  EXPECT_EQ(AnsiFromUtf8("\xE9t\xE9"), "?t?");     // Windows-1252 passed off as UTF-8
}

}  // namespace
}  // namespace skarvel
