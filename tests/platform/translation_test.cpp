#include "platform/translation.h"

#include <map>
#include <string>
#include <utility>

#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include "platform/qt_text.h"
#include "platform/qt_translations.h"

namespace skarvel {
namespace {

using Texts = std::map<std::pair<std::string, std::string>, QString>;

// Every (context, source) of a catalogue's source file with its translation.
Texts ReadCatalogueSource(const char* name) {
  QFile file(QString::fromUtf8(SKARVEL_SOURCE_DIR "/translations/") + QString::fromLatin1(name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  QXmlStreamReader xml(&file);
  Texts texts;
  std::string context, source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("name")) context = xml.readElementText().toStdString();
    if (xml.name() == QLatin1String("source")) source = xml.readElementText().toStdString();
    if (xml.name() == QLatin1String("translation")) {
      texts[{context, source}] = xml.readElementText();
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return texts;
}

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
    const Texts texts = ReadCatalogueSource(file);
    ASSERT_FALSE(texts.empty()) << file;
    for (const auto& [key, translation] : texts) {
      const std::string source = ToAnsi(QString::fromStdString(key.second));
      UseLanguage(language);
      EXPECT_EQ(Tr(key.first.c_str(), source.c_str()), ToAnsi(translation)) << key.second;
      UseLanguage(Language::kEnglish);
      EXPECT_EQ(Tr(key.first.c_str(), source.c_str()), source);
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
