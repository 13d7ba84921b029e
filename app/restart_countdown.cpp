#include "app/restart_countdown.h"

namespace skarvel {

void RestartCountdown::Start() {
  position_ = 0;
  timer_enabled_ = true;
  seconds_label_.clear();
}

void RestartCountdown::Tick() {
  if (position_ < kSeconds) ++position_;
  seconds_label_ = std::to_string(kSeconds - position_) + " Sec.";
  if (position_ == kSeconds) {
    timer_enabled_ = false;
    Restart();
  }
}

void RestartCountdown::RestartNow() { Restart(); }

void RestartCountdown::Restart() { restarting_ = reboot_.Reboot() || restarting_; }

}  // namespace skarvel
