#include "app/terminal_notifier.h"

#include "platform/windows1252.h"

namespace skarvel {

void TerminalNotifier::ShowMessage(const std::string& text) {
  if (before_message) before_message();
  out_ << "skarvel-cli: " << Utf8FromAnsi(text) << std::endl;
  if (on_message) on_message(text);
}

}  // namespace skarvel
