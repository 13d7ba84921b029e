#include "workstation/archive_progress.h"

#include <regex>

#include "platform/windows1252.h"

namespace skarvel {
namespace {

// "45%", " 45% 12 - lumtrak/lumcaisse.exe": the percentage, the number of files done (left
// out before the first), and the operation's mark with the file.
const std::regex& ReportPattern() {
  static const std::regex pattern(R"(^\s*(\d{1,3})%(?:\s+\d+)?(?:\s+\S\s+(.*\S))?\s*$)");
  return pattern;
}

}  // namespace

void ArchiveProgressReader::Add(const std::string& piece) {
  for (const char c : piece) {
    if (c != '\b' && c != '\n' && c != '\r') {
      fragment_ += c;
      continue;
    }
    // A report is taken back with backspaces; a line end ends a line of another kind.
    std::smatch match;
    if (c == '\b' && std::regex_match(fragment_, match, ReportPattern()) && on_progress_) {
      on_progress_({std::stoi(match[1].str()), AnsiFromUtf8(match[2].str())});
    }
    fragment_.clear();
  }
}

std::string WithoutProgressReports(const std::string& output) {
  std::string kept;
  for (const char c : output) {
    if (c != '\b') {
      kept += c;
      continue;
    }
    // What a backspace takes back is the report on the line's end.
    const std::size_t line_end = kept.find_last_of('\n');
    kept.erase(line_end == std::string::npos ? 0 : line_end + 1);
  }
  return kept;
}

}  // namespace skarvel
