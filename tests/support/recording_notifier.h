#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/event_pump.h"
#include "platform/notifier.h"

namespace skarvel::test {

// Keeps every message the code under test would have shown.
class RecordingNotifier final : public Notifier {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

// Counts the pumps of a wait, and can play an application that is asked to terminate.
class CountingPump final : public EventPump {
 public:
  void ProcessMessages() override {
    ++pumped;
    if (on_pump) on_pump();
  }
  bool Terminating() const override { return terminate_after >= 0 && pumped > terminate_after; }
  int pumped = 0;
  int terminate_after = -1;
  std::function<void()> on_pump;  // what the window would do meanwhile
};

}  // namespace skarvel::test
