#include "app/work_progress.h"

namespace skarvel {
namespace {

using std::chrono::duration;
using std::chrono::seconds;

// The speed is the one of the last few seconds: a server that slows down shows it soon.
constexpr seconds kWindow{5};
// Less than this is too short to tell a speed from a burst.
constexpr duration<double> kShortest{0.2};

}  // namespace

bool SameWork(const WorkProgress& one, const WorkProgress& other) {
  return one.kind == other.kind && one.name == other.name;
}

MeasuredProgress ProgressRate::Add(const WorkProgress& progress, Clock::time_point now) {
  if (!SameWork(progress, last_) || progress.done < last_.done) samples_.clear();
  last_ = progress;
  samples_.emplace_back(now, progress.done);
  while (samples_.size() > 2 && now - samples_[1].first >= kWindow) samples_.pop_front();

  MeasuredProgress measured{progress, std::nullopt, std::nullopt};
  const duration<double> span = now - samples_.front().first;
  if (span < kShortest) return measured;
  const double per_second =
      static_cast<double>(progress.done - samples_.front().second) / span.count();
  measured.per_second = per_second;
  if (progress.total >= progress.done && progress.total > 0 && per_second > 0 && !progress.ended) {
    measured.seconds_left = static_cast<double>(progress.total - progress.done) / per_second;
  }
  return measured;
}

bool ProgressPace::Due(const WorkProgress& progress, ProgressRate::Clock::time_point now) {
  const bool edge = progress.ended || !last_seen_ || !SameWork(progress, *last_seen_);
  last_seen_ = progress;
  if (!(keep_edges_ && edge) && last_passed_ && now - *last_passed_ < interval_) return false;
  last_passed_ = now;
  return true;
}

}  // namespace skarvel
