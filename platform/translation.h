#pragma once

#include <initializer_list>
#include <optional>
#include <string>

namespace skarvel {

// The project's own sentences for the person, in the person's language: English as written in
// the code, Dutch and French from the catalogue compiled into the programs. The service's texts
// (its message table, step captions) come translated already and never pass through here.

enum class Language { kEnglish, kDutch, kFrench };

// Marks a text where it is defined (a table of sentences) for the translation tools; it is
// translated where it is used, with Tr.
#define SKARVEL_TEXT(context, text) text

// The text in the language in use (Windows-1252); the source itself when there is no
// translation. context groups the texts for the translators ("Network", "Check", ...).
std::string Tr(const char* context, const char* source);

// pattern with %1, %2, ... replaced by values, in order; a translation may move them about.
std::string Fill(std::string pattern, std::initializer_list<std::string> values);

// The language of a customer record's code (cp_lng_code: "NL", "FR", "ENG", any case and
// spacing); none for a code that names none of the three.
std::optional<Language> LanguageOfCode(const std::string& code);

// The code LanguageOfCode reads back: "EN", "NL" or "FR"; for handing the language on to
// another program of ours.
const char* CodeOfLanguage(Language language);

// Which language Tr answers in from now on, for the whole process.
void UseLanguage(Language language);
Language LanguageInUse();

// Switches to the language of a record's code; a code naming none keeps the language in use.
void UseLanguageOfCode(const std::string& code);

// The seam to the catalogue: the translation of source (Windows-1252), or nullopt. Without one,
// every text stays English.
using Catalogue = std::optional<std::string> (*)(Language language, const char* context,
                                                 const char* source);
void SetCatalogue(Catalogue catalogue);

}  // namespace skarvel
