#pragma once

#include <string>

#include "platform/notifier.h"
#include "platform/run_log.h"

namespace skarvel {

// Every message box the person at the workstation saw is in the run log too, so support staff
// read the same words afterwards.
class LoggedNotifier final : public Notifier {
 public:
  LoggedNotifier(Notifier& shown, RunLog& log) : shown_(shown), log_(log) {}

  void ShowMessage(const std::string& text) override {
    log_.Write(RunLog::Level::kError, "message: " + text);
    shown_.ShowMessage(text);
  }

 private:
  Notifier& shown_;
  RunLog& log_;
};

}  // namespace skarvel
