#include "platform/command_line.h"

namespace skarvel {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& text) {
  std::vector<std::string> arguments;
  std::string current;
  bool in_argument = false;
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') {
      quoted = !quoted;
      in_argument = true;
    } else if (IsBlank(c) && !quoted) {
      if (in_argument) arguments.push_back(current);
      current.clear();
      in_argument = false;
    } else {
      current += c;
      in_argument = true;
    }
  }
  if (in_argument) arguments.push_back(current);
  return arguments;
}

std::string QuotedIfBlank(const std::string& argument) {
  for (const char c : argument) {
    if (IsBlank(c)) return "\"" + argument + "\"";
  }
  return argument;
}

}  // namespace skarvel
