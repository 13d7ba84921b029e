#include "platform/desktop_entry_text.h"

namespace skarvel {
namespace {

std::string ExecArgument(const std::string& argument) {
  static const std::string kReserved = " \t\n\"'\\><~|&;$*?#()`";
  const bool reserved = argument.empty() || argument.find_first_of(kReserved) != std::string::npos;
  std::string quoted;
  for (const char c : argument) {
    if (reserved && (c == '"' || c == '`' || c == '$' || c == '\\')) quoted += '\\';
    quoted += c == '%' ? std::string("%%") : std::string(1, c);
  }
  return reserved ? '"' + quoted + '"' : quoted;
}

}  // namespace

std::string DesktopStringValue(const std::string& text) {
  std::string value;
  for (std::size_t i = 0; i < text.size(); ++i) {
    switch (text[i]) {
      case '\\':
        value += "\\\\";
        break;
      case '\n':
        value += "\\n";
        break;
      case '\t':
        value += "\\t";
        break;
      case '\r':
        value += "\\r";
        break;
      case ' ':
        value += i == 0 ? "\\s" : " ";
        break;
      default:
        value += text[i];
    }
  }
  return value;
}

std::string DesktopExecValue(const std::vector<std::string>& arguments) {
  std::string command;
  for (const std::string& argument : arguments) {
    command += (command.empty() ? "" : " ") + ExecArgument(argument);
  }
  return DesktopStringValue(command);
}

}  // namespace skarvel
