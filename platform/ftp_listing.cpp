#include "platform/ftp_listing.h"

#include <array>
#include <cctype>
#include <optional>

namespace skarvel::wininet {
namespace {

// A word of a line and where it ends.
struct Word {
  std::string text;
  std::size_t end = 0;
};

// The next run of non-blanks from `from`; empty at the end of the line.
Word NextWord(const std::string& line, std::size_t from) {
  const std::size_t start = std::min(line.find_first_not_of(' ', from), line.size());
  const std::size_t end = std::min(line.find(' ', start), line.size());
  return {line.substr(start, end - start), end};
}

bool AllDigits(const std::string& text) {
  if (text.empty() || text.size() > 19) return false;
  for (const char c : text) {
    if (std::isdigit(static_cast<unsigned char>(c)) == 0) return false;
  }
  return true;
}

bool IsMonth(const std::string& word) {
  static constexpr std::array<const char*, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                          "jul", "aug", "sep", "oct", "nov", "dec"};
  if (word.size() != 3) return false;
  std::string lower;
  for (const char c : word) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const char* month : kMonths) {
    if (lower == month) return true;
  }
  return false;
}

// The name after the blank that follows position `from`: a name may start with, and hold, blanks.
std::string NameAfter(const std::string& line, std::size_t from) {
  return from + 1 < line.size() ? line.substr(from + 1) : "";
}

// "-rw-r--r--   1 ftp ftp   100000 Dec 08 10:00 7za.exe": the size is the word before the
// month, however many owner words come before it.
std::optional<FindData> UnixEntry(const std::string& line) {
  const Word mode = NextWord(line, 0);
  if (mode.text.size() < 10 || std::string("-dlbcps").find(mode.text[0]) == std::string::npos) {
    return std::nullopt;
  }
  Word before = NextWord(line, mode.end);
  for (Word word = NextWord(line, before.end); !word.text.empty();
       before = word, word = NextWord(line, word.end)) {
    if (!IsMonth(word.text) || !AllDigits(before.text)) continue;
    const Word day = NextWord(line, word.end);
    const Word time = NextWord(line, day.end);
    if (!AllDigits(day.text) || time.text.empty()) return std::nullopt;
    FindData entry;
    entry.cFileName = NameAfter(line, time.end);
    entry.directory = mode.text[0] == 'd';
    entry.link = mode.text[0] == 'l';
    if (entry.link) entry.cFileName = entry.cFileName.substr(0, entry.cFileName.find(" -> "));
    entry.nFileSize = std::stoull(before.text);
    if (entry.cFileName.empty()) return std::nullopt;
    return entry;
  }
  return std::nullopt;
}

// "12-08-26  10:00AM              100000 7za.exe", "12-08-26  10:00AM  <DIR>  subdir".
std::optional<FindData> WindowsEntry(const std::string& line) {
  const Word date = NextWord(line, 0);
  const Word time = NextWord(line, date.end);
  const Word size = NextWord(line, time.end);
  const bool dated = date.text.size() >= 8 && date.text[2] == '-' && date.text[5] == '-';
  const bool timed =
      time.text.size() >= 6 && (time.text.ends_with("AM") || time.text.ends_with("PM"));
  if (!dated || !timed || (size.text != "<DIR>" && !AllDigits(size.text))) return std::nullopt;
  const std::size_t name_start = line.find_first_not_of(' ', size.end);
  if (name_start == std::string::npos) return std::nullopt;
  FindData entry;
  entry.cFileName = line.substr(name_start);
  entry.directory = size.text == "<DIR>";
  entry.nFileSize = entry.directory ? 0 : std::stoull(size.text);
  entry.size_listed = !entry.directory;
  return entry;
}

}  // namespace

std::vector<FindData> ParseListing(const std::string& listing) {
  std::vector<FindData> entries;
  std::size_t start = 0;
  while (start < listing.size()) {
    std::size_t end = listing.find('\n', start);
    if (end == std::string::npos) end = listing.size();
    std::string line = listing.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (auto entry = UnixEntry(line)) {
      entries.push_back(std::move(*entry));
    } else if (auto windows = WindowsEntry(line)) {
      entries.push_back(std::move(*windows));
    }
  }
  return entries;
}

}  // namespace skarvel::wininet
