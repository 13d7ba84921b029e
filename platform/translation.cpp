#include "platform/translation.h"

#include <algorithm>
#include <atomic>
#include <cctype>

namespace skarvel {
namespace {

std::atomic<Language> language_in_use{Language::kEnglish};
std::atomic<Catalogue> catalogue{nullptr};

std::string Upper(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (!std::isspace(static_cast<unsigned char>(c))) {
      out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
  }
  return out;
}

}  // namespace

std::string Tr(const char* context, const char* source) {
  const Catalogue lookup = catalogue.load();
  const Language language = language_in_use.load();
  if (lookup == nullptr || language == Language::kEnglish) return source;
  return lookup(language, context, source).value_or(source);
}

std::string Fill(std::string pattern, std::initializer_list<std::string> values) {
  // One pass over the pattern: a value that holds "%2" itself (a URL, a Firebird text) stays as
  // it is.
  std::string text;
  for (std::size_t at = 0; at < pattern.size(); ++at) {
    const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
    const std::size_t index = static_cast<std::size_t>(next - '1');
    if (pattern[at] == '%' && next >= '1' && next <= '9' && index < values.size()) {
      text += values.begin()[index];
      ++at;
    } else {
      text += pattern[at];
    }
  }
  return text;
}

std::optional<Language> LanguageOfCode(const std::string& code) {
  const std::string upper = Upper(code);
  const auto any_of = [&upper](std::initializer_list<const char*> codes) {
    return std::any_of(codes.begin(), codes.end(), [&upper](const char* c) { return upper == c; });
  };
  if (any_of({"NL", "NLD", "NED", "DUT", "VL"})) return Language::kDutch;
  if (any_of({"FR", "FRA", "FRE"})) return Language::kFrench;
  if (any_of({"EN", "ENG", "UK", "US", "GB"})) return Language::kEnglish;
  return std::nullopt;
}

const char* CodeOfLanguage(Language language) {
  switch (language) {
    case Language::kDutch:
      return "NL";
    case Language::kFrench:
      return "FR";
    case Language::kEnglish:
      break;
  }
  return "EN";
}

void UseLanguage(Language language) { language_in_use = language; }

Language LanguageInUse() { return language_in_use; }

void UseLanguageOfCode(const std::string& code) {
  if (const std::optional<Language> language = LanguageOfCode(code)) UseLanguage(*language);
}

void SetCatalogue(Catalogue lookup) { catalogue = lookup; }

}  // namespace skarvel
