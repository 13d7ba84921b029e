#pragma once

namespace skarvel {

// The one way a long wait keeps the window alive. Every wait in the system (an HTTP answer, a
// transfer, a child program, a pass of the installation driver) calls ProcessMessages between
// its polls and gives up once Terminating() says so. Nothing busy-waits: callers block on their
// own event (a socket, a process) for a bounded slice and pump in between.
class EventPump {
 public:
  virtual ~EventPump() = default;

  // Lets the application handle the window messages that are pending; returns at once when none
  // are. May run any handler of the window, including the cancel button's.
  virtual void ProcessMessages() = 0;

  // True once the application has been asked to terminate.
  virtual bool Terminating() const = 0;
};

// For programs and tests without a window: there is nothing to pump and nobody to ask for the end.
class NullEventPump final : public EventPump {
 public:
  void ProcessMessages() override {}
  bool Terminating() const override { return false; }
};

}  // namespace skarvel
