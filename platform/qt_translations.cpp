#include "platform/qt_translations.h"

#include <memory>
#include <optional>
#include <string>

#include <QLocale>
#include <QString>
#include <QTranslator>

#include "platform/qt_text.h"
#include "platform/translation.h"

namespace skarvel {
namespace {

std::unique_ptr<QTranslator> Load(const char* name) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral(":/i18n/%1.qm").arg(QLatin1String(name)))) return nullptr;
  return translator;
}

// Loaded once; the catalogues are read-only afterwards, so any thread may look up.
const QTranslator* TranslatorFor(Language language) {
  static const std::unique_ptr<QTranslator> dutch = Load("skarvel_nl");
  static const std::unique_ptr<QTranslator> french = Load("skarvel_fr");
  return language == Language::kDutch ? dutch.get() : french.get();
}

std::optional<std::string> Lookup(Language language, const char* context, const char* source) {
  const QTranslator* translator = TranslatorFor(language);
  if (translator == nullptr) return std::nullopt;
  const QString text = translator->translate(context, source);
  if (text.isEmpty()) return std::nullopt;
  return ToAnsi(text);
}

Language SystemLanguage() {
  for (const QString& name : QLocale::system().uiLanguages()) {
    const QString code = name.left(2).toLower();
    if (code == QLatin1String("nl")) return Language::kDutch;
    if (code == QLatin1String("fr")) return Language::kFrench;
    if (code == QLatin1String("en")) return Language::kEnglish;
  }
  return Language::kEnglish;
}

}  // namespace

void UseCompiledTranslations() {
  TranslatorFor(Language::kDutch);
  SetCatalogue(&Lookup);
  UseLanguage(SystemLanguage());
}

}  // namespace skarvel
