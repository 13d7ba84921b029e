#pragma once

#include <functional>
#include <ostream>

#include "platform/notifier.h"

namespace skarvel {

// The message box of the unattended program: the text goes to the given stream (standard error)
// as UTF-8, prefixed with the program's name, and nobody is waited for.
class TerminalNotifier final : public Notifier {
 public:
  explicit TerminalNotifier(std::ostream& out) : out_(out) {}
  void ShowMessage(const std::string& text) override;
  // Told of each message too, for the machine-readable output.
  std::function<void(const std::string& text)> on_message;
  // Called before the text is written: a line the terminal left open ends first.
  std::function<void()> before_message;

 private:
  std::ostream& out_;
};

}  // namespace skarvel
