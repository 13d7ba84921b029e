#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace skarvel {

// The text rules the design relies on, for Windows-1252 text.

// Removes the characters up to and including the blank (control characters and spaces) from both
// ends.
std::string Trim(std::string_view text);

// Converts the ASCII letters a..z to upper case and leaves every other byte, accented letters
// included, as it is.
std::string UpperCase(std::string_view text);

// Equal after UpperCase.
bool SameText(std::string_view a, std::string_view b);

// The whole number a text holds: optional blanks around an optional sign and decimal digits,
// within the 32-bit range. Anything else, the empty text included, gives nothing.
std::optional<std::int32_t> WholeNumber(std::string_view text);

// WholeNumber, or fallback when the text holds none.
std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback);

// The text on one line, its line breaks become blanks: a cause or a detail stands in a sentence
// or a line of its own, while Firebird's and other programs' texts come in several lines.
std::string OneLine(std::string_view text);

}  // namespace skarvel
