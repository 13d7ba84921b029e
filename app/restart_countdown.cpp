#include "app/restart_countdown.h"

#include "platform/translation.h"

namespace skarvel {

void RestartCountdown::Start() {
  position_ = 0;
  timer_enabled_ = true;
  seconds_label_.clear();
}

void RestartCountdown::Tick() {
  if (position_ < kSeconds) ++position_;
  seconds_label_ = Fill(Tr("Program", "%1 Sec."), {std::to_string(kSeconds - position_)});
  if (position_ == kSeconds) {
    timer_enabled_ = false;
    Restart();
  }
}

void RestartCountdown::RestartNow() { Restart(); }

void RestartCountdown::Restart() {
  if (reboot_.Reboot()) {
    restarting_ = true;
    return;
  }
  refusal_ = reboot_.LastRefusal();
  if (refusal_.empty()) refusal_ = Tr("Program", "the restart was refused");
  // Counting on would only try again at 0 and be refused again, under a text that says the
  // computer restarts by itself.
  timer_enabled_ = false;
}

std::string RestartCountdown::RefusalAdvice(const std::string& refusal) {
  return Fill(Tr("Program",
                 "The computer could not be restarted (%1). Restart it yourself: the installation "
                 "goes on by itself at the next log-on."),
              {refusal});
}

}  // namespace skarvel
