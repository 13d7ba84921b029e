#include "platform/windows1252.h"

#include <array>

namespace skarvel {
namespace {

// 0x80..0x9F; the other bytes are their own Unicode values.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead < 0xE0) return 2;
  if (lead >= 0xE0 && lead < 0xF0) return 3;
  if (lead >= 0xF0 && lead < 0xF5) return 4;
  return 0;
}

// Decodes one UTF-8 character at text[pos]; returns its length, or 0 for an invalid sequence.
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& out) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const std::size_t length = SequenceLength(lead);
  if (length == 0 || pos + length > text.size()) return 0;
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return 0;
    c = (c << 6) | (next & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  out = c;
  return length;
}

}  // namespace

char32_t UnicodeOfAnsi(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
}

char AnsiOfUnicode(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
    return static_cast<char>(character);
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == character) return static_cast<char>(0x80 + i);
  }
  return '?';
}

std::string Utf8FromAnsi(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size());
  for (char byte : ansi) AppendUtf8(out, UnicodeOfAnsi(static_cast<unsigned char>(byte)));
  return out;
}

std::string AnsiFromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    char32_t c = 0;
    const std::size_t length = DecodeUtf8(utf8, pos, c);
    out += length == 0 ? '?' : AnsiOfUnicode(c);
    pos += length == 0 ? 1 : length;
  }
  return out;
}

}  // namespace skarvel
