#include "platform/translation.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/qt_text.h"
#include "platform/qt_translations.h"
#include "tests/support/catalogue.h"

namespace skarvel {
namespace {

class TranslationTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { UseCompiledTranslations(); }
  void TearDown() override { UseLanguage(Language::kEnglish); }
};

// What the programs carry is what the translators wrote, for every text, converted once into
// the domain's code page; in English every text is its source.
TEST_F(TranslationTest, EveryTextOfTheCataloguesIsCompiledIn) {
  for (const auto& [language, file] : {std::pair{Language::kDutch, "skarvel_nl.ts"},
                                       std::pair{Language::kFrench, "skarvel_fr.ts"}}) {
    const std::vector<test::CatalogueText> texts = test::ReadCatalogue(file);
    ASSERT_FALSE(texts.empty()) << file;
    for (const test::CatalogueText& text : texts) {
      const std::string source = ToAnsi(QString::fromStdString(text.source));
      UseLanguage(language);
      EXPECT_EQ(Tr(text.context.c_str(), source.c_str()),
                ToAnsi(QString::fromStdString(text.translation)))
          << text.source;
      UseLanguage(Language::kEnglish);
      EXPECT_EQ(Tr(text.context.c_str(), source.c_str()), source);
    }
  }
}

TEST_F(TranslationTest, AnUnknownTextStaysAsWritten) {
  UseLanguage(Language::kFrench);
  EXPECT_EQ(Tr("Network", "A sentence nobody translated."), "A sentence nobody translated.");
  EXPECT_EQ(Tr("Elsewhere", "Close"), "Close");  // the context is part of the key
}

TEST_F(TranslationTest, TheRecordsCodeChoosesTheLanguageAndAnUnknownOneKeepsIt) {
  const std::pair<const char*, std::optional<Language>> codes[] = {
      {"NL", Language::kDutch},    {" nl ", Language::kDutch}, {"FR", Language::kFrench},
      {" FR ", Language::kFrench}, {"fra", Language::kFrench}, {"ENG", Language::kEnglish},
      {"TST", std::nullopt},       {"", std::nullopt}};
  for (const auto& [code, language] : codes) EXPECT_EQ(LanguageOfCode(code), language) << code;
  UseLanguage(Language::kDutch);
  UseLanguageOfCode("TST");
  EXPECT_EQ(LanguageInUse(), Language::kDutch);
  UseLanguageOfCode("fr");
  EXPECT_EQ(LanguageInUse(), Language::kFrench);
}

TEST(FillTest, PutsEachValueWhereItsTranslationWantsIt) {
  EXPECT_EQ(Fill("%2 refused %1.", {"the file", "The server"}), "The server refused the file.");
  EXPECT_EQ(Fill("%1 and %1", {"x"}), "x and x");
  // A value is never read again: a URL's %20 or a Firebird text's %2 stay as they are.
  EXPECT_EQ(Fill("%1 at %2", {"a%20b%2", "host"}), "a%20b%2 at host");
  EXPECT_EQ(Fill("100% of %1, %3 missing", {"x"}), "100% of x, %3 missing");
}

}  // namespace
}  // namespace skarvel
