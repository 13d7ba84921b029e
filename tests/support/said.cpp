#include "tests/support/said.h"

#include "platform/qt_translations.h"
#include "platform/windows1252.h"

namespace skarvel::test {

std::string Said(Language language, const char* context, const char* source,
                 std::initializer_list<std::string> values) {
  static const bool loaded = (UseCompiledTranslations(), true);
  (void)loaded;
  const Language before = LanguageInUse();
  UseLanguage(language);
  const std::string text = Fill(Tr(context, source), values);
  UseLanguage(before);
  return Utf8FromAnsi(text);
}

}  // namespace skarvel::test
