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
  char number = '1';
  for (const std::string& value : values) {
    const std::string marker = {'%', number++};
    for (std::size_t at = pattern.find(marker); at != std::string::npos;
         at = pattern.find(marker, at + value.size())) {
      pattern.replace(at, marker.size(), value);
    }
  }
  return pattern;
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

void UseLanguage(Language language) { language_in_use = language; }

Language LanguageInUse() { return language_in_use; }

void UseLanguageOfCode(const std::string& code) {
  if (const std::optional<Language> language = LanguageOfCode(code)) UseLanguage(*language);
}

void SetCatalogue(Catalogue lookup) { catalogue = lookup; }

}  // namespace skarvel
