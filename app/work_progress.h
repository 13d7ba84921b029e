#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>

namespace skarvel {

// How far a long piece of a step's work has got, in more detail than its bar: a download (the
// bytes of a server folder's files), an unpacking (the archive tool's percent), or the copy of
// one table (its rows).
struct WorkProgress {
  enum class Kind { kDownload, kUnpack, kTable };
  Kind kind = Kind::kDownload;
  std::string name;         // the server folder, the archive, the table's label (Windows-1252)
  std::string item;         // the file arriving or being unpacked; empty for a table
  std::uint64_t done = 0;   // bytes, percent or rows
  std::uint64_t total = 0;  // the same; 0 when unknown
  bool ended = false;       // the last report of this piece, whether it succeeded or not
};

// Whether two reports are of the same piece of work.
bool SameWork(const WorkProgress& one, const WorkProgress& other);

// A report with how fast its piece of work goes and how long it has left, where that is known.
struct MeasuredProgress {
  WorkProgress work;
  std::optional<double> per_second;    // units of done a second
  std::optional<double> seconds_left;  // none when the total or the speed is unknown
};

// Measures a piece of work from its reports over time: its speed over the last few seconds, and
// the time left at that speed. A report of another piece starts the measure again.
class ProgressRate {
 public:
  using Clock = std::chrono::steady_clock;

  MeasuredProgress Add(const WorkProgress& progress, Clock::time_point now);

 private:
  WorkProgress last_;
  std::deque<std::pair<Clock::time_point, std::uint64_t>> samples_;  // the last few seconds
};

// Lets a report through at most once an interval; the first report of a piece of work and its
// last one (ended) pass whenever keep_edges is set.
class ProgressPace {
 public:
  ProgressPace(std::chrono::milliseconds interval, bool keep_edges)
      : interval_(interval), keep_edges_(keep_edges) {}

  bool Due(const WorkProgress& progress, ProgressRate::Clock::time_point now);

 private:
  std::chrono::milliseconds interval_;
  bool keep_edges_;
  std::optional<ProgressRate::Clock::time_point> last_passed_;
  std::optional<WorkProgress> last_seen_;
};

}  // namespace skarvel
