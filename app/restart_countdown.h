#pragma once

#include <string>

#include "platform/reboot.h"

namespace skarvel {

// The restart window's countdown (ProgressBar1 0..30, lblSec, Timer1 at one second). The window
// shows it and calls Tick every second while TimerEnabled() holds; the rules live here.
class RestartCountdown {
 public:
  static constexpr int kSeconds = 30;

  explicit RestartCountdown(RebootAction& reboot) : reboot_(reboot) {}

  // FormShow: the bar at 0, the timer on, lblSec empty until the first tick.
  void Start();
  // Timer1Timer: one step on; "29 Sec." after the first tick; at the thirtieth the timer stops
  // and the restart is requested.
  void Tick();
  // btRestartClick: the restart at once (the timer keeps running while it may be accepted).
  void RestartNow();

  int Position() const { return position_; }
  bool TimerEnabled() const { return timer_enabled_; }
  const std::string& SecondsLabel() const { return seconds_label_; }
  // True once a restart request was accepted. A refused one, whether at the end of the
  // countdown or from the button, stops the timer and leaves the window open with the button
  // there to try again.
  bool Restarting() const { return restarting_; }
  // The system's words for the last refused request; empty while none was refused. Once one
  // was, the window may be closed: the person restarts the computer by hand, and the autostart
  // entry resumes the installation at the next log-on.
  const std::string& Refusal() const { return refusal_; }
  // What the person is told after a refusal (English: no message of the table says it).
  static std::string RefusalAdvice(const std::string& refusal);

 private:
  void Restart();

  RebootAction& reboot_;
  int position_ = 0;
  bool timer_enabled_ = false;
  bool restarting_ = false;
  std::string seconds_label_;
  std::string refusal_;
};

}  // namespace skarvel
