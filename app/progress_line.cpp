#include "app/progress_line.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/data_size.h"
#include "platform/translation.h"

namespace skarvel {
namespace {

// The line's words, in one place.
constexpr const char* kSecondsLeft = SKARVEL_TEXT("Terminal", "%1 s left");
constexpr const char* kMinutesLeft = SKARVEL_TEXT("Terminal", "%1 min left");
constexpr const char* kRows = SKARVEL_TEXT("Terminal", "rows");

constexpr std::size_t kBarWidth = 20;
// A file's name is never shortened below this.
constexpr std::size_t kShortestItem = 12;

std::string Amounts(const WorkProgress& work) {
  switch (work.kind) {
    case WorkProgress::Kind::kDownload:
      return DataSize(work.done) + (work.total > 0 ? " / " + DataSize(work.total) : "");
    case WorkProgress::Kind::kTable:
      return std::to_string(work.done) +
             (work.total > 0 ? " / " + std::to_string(work.total) : "") + " " +
             Tr("Terminal", kRows);
    case WorkProgress::Kind::kUnpack:
      break;  // its percent says it
  }
  return "";
}

std::string Bar(const WorkProgress& work) {
  if (work.total == 0) return "";
  const std::uint64_t done = std::min(work.done, work.total);
  const auto filled = static_cast<std::size_t>(kBarWidth * done / work.total);
  char percent[8];
  std::snprintf(percent, sizeof percent, "%3d%%", static_cast<int>(100 * done / work.total));
  return "[" + std::string(filled, '#') + std::string(kBarWidth - filled, ' ') + "] " + percent;
}

// The middle of text gives way to "~" until it is at most width long.
std::string Shortened(const std::string& text, std::size_t width) {
  if (text.size() <= width) return text;
  const std::size_t keep = std::max<std::size_t>(width, 3) - 1;
  return text.substr(0, keep / 2) + "~" + text.substr(text.size() - (keep - keep / 2));
}

std::string Joined(const std::initializer_list<std::string>& parts) {
  std::string line;
  for (const std::string& part : parts) {
    if (!part.empty()) line += (line.empty() ? "" : "  ") + part;
  }
  return line;
}

}  // namespace

std::string TimeLeft(double seconds) {
  const auto whole = static_cast<long long>(std::ceil(seconds));
  return whole < 100 ? Fill(Tr("Terminal", kSecondsLeft), {std::to_string(whole)})
                     : Fill(Tr("Terminal", kMinutesLeft), {std::to_string((whole + 59) / 60)});
}

std::string ProgressLine(const MeasuredProgress& progress, std::size_t width) {
  const WorkProgress& work = progress.work;
  const std::string speed = work.kind == WorkProgress::Kind::kDownload && progress.per_second
                                ? DataSize(static_cast<std::uint64_t>(*progress.per_second)) + "/s"
                                : "";
  const std::string left = progress.seconds_left ? TimeLeft(*progress.seconds_left) : "";
  const std::string tail = Joined({Amounts(work), Bar(work), speed, left});
  const std::string head = "  " + work.name + (work.item.empty() ? "" : ": ");
  // The file's name gives way first, down to a few characters; then the line is cut.
  const std::size_t fixed = head.size() + 2 + tail.size();
  const std::size_t room = width > fixed ? std::max(width - fixed, kShortestItem) : kShortestItem;
  const std::string line = head + Shortened(work.item, room) + (tail.empty() ? "" : "  " + tail);
  return line.substr(0, width);
}

}  // namespace skarvel
