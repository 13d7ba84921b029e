#include "app/json_line.h"

#include <cmath>
#include <cstdio>

#include "platform/windows1252.h"

namespace skarvel {

std::string JsonString(const std::string& ansi_text) {
  std::string out = "\"";
  for (const unsigned char c : Utf8FromAnsi(ansi_text)) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

JsonLine& JsonLine::Member(const std::string& name, const std::string& value) {
  if (!members_.empty()) members_ += ",";
  members_ += JsonString(name) + ":" + value;
  return *this;
}

JsonLine& JsonLine::Add(const std::string& name, const std::string& text) {
  return Member(name, JsonString(text));
}

JsonLine& JsonLine::Add(const std::string& name, std::int64_t number) {
  return Member(name, std::to_string(number));
}

JsonLine& JsonLine::Add(const std::string& name, double number) {
  if (!std::isfinite(number)) return Member(name, "null");
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", number);
  return Member(name, text);
}

JsonLine& JsonLine::Add(const std::string& name, bool value) {
  return Member(name, value ? "true" : "false");
}

JsonLine& JsonLine::Add(const std::string& name, const std::vector<std::string>& texts) {
  std::string array;
  for (const std::string& text : texts) array += (array.empty() ? "" : ",") + JsonString(text);
  return Member(name, "[" + array + "]");
}

JsonLine& JsonLine::Add(const std::string& name, const std::optional<int>& number) {
  return number ? Add(name, *number) : Member(name, "null");
}

}  // namespace skarvel
