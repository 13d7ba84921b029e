#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace skarvel {

// One JSON object written on one line, its members in the order they are added. Texts are
// Windows-1252 and come out as UTF-8 with JSON's escapes, so a line is always valid JSON.
class JsonLine {
 public:
  JsonLine& Add(const std::string& name, const std::string& text);
  JsonLine& Add(const std::string& name, const char* text) { return Add(name, std::string(text)); }
  JsonLine& Add(const std::string& name, std::int64_t number);
  JsonLine& Add(const std::string& name, int number) { return Add(name, std::int64_t{number}); }
  JsonLine& Add(const std::string& name, double number);
  JsonLine& Add(const std::string& name, bool value);
  // An array of texts.
  JsonLine& Add(const std::string& name, const std::vector<std::string>& texts);
  // null when there is no value.
  JsonLine& Add(const std::string& name, const std::optional<int>& number);
  // An object within this one.
  JsonLine& Add(const std::string& name, const JsonLine& object) {
    return Member(name, object.Text());
  }

  // The object, "{...}", without a line end.
  std::string Text() const { return "{" + members_ + "}"; }

 private:
  JsonLine& Member(const std::string& name, const std::string& value);
  std::string members_;
};

// The text as a JSON string literal, quotes included.
std::string JsonString(const std::string& ansi_text);

}  // namespace skarvel
