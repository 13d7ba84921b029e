#pragma once

#include "platform/event_pump.h"

namespace skarvel {

// The window's event pump. Needs a QCoreApplication (or one of its subclasses) to exist.
class QtEventPump final : public EventPump {
 public:
  void ProcessMessages() override;
  bool Terminating() const override;

  // Called when the main window closes: every wait still running gives up. Qt itself only says
  // so once the application object is being destroyed, which is too late for a nested wait.
  void RequestTermination() { termination_requested_ = true; }

 private:
  bool termination_requested_ = false;
};

}  // namespace skarvel
