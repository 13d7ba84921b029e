#pragma once

#include <string>
#include <string_view>

namespace skarvel {

// Domain text is single-byte Windows-1252 (the design's ANSI code page). These convert it to and
// from Unicode where it leaves or enters the system: the window toolkit, a UTF-8 terminal, the
// reference service's JSON data.

// The Unicode character of one Windows-1252 byte. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, as Windows does, so
// every byte survives a round trip.
char32_t UnicodeOfAnsi(unsigned char byte);

// The Windows-1252 byte of a Unicode character, or '?' when the code page has none (as Windows
// substitutes its default character).
char AnsiOfUnicode(char32_t character);

std::string Utf8FromAnsi(std::string_view ansi);

// Invalid UTF-8 sequences become '?', one per offending byte.
std::string AnsiFromUtf8(std::string_view utf8);

}  // namespace skarvel
