#include "platform/qt_text.h"

#include <QList>

#include "platform/windows1252.h"

namespace skarvel {

QString FromAnsi(std::string_view ansi) {
  QString out;
  out.reserve(static_cast<qsizetype>(ansi.size()));
  // Every character of the code page lies in the basic plane: one UTF-16 unit per byte.
  for (char byte : ansi) out += QChar(static_cast<char16_t>(UnicodeOfAnsi(byte)));
  return out;
}

std::string ToAnsi(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (char32_t character : text.toUcs4()) out += AnsiOfUnicode(character);
  return out;
}

}  // namespace skarvel
