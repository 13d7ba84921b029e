#pragma once

#include <string>

namespace skarvel {

// The plain message box: shows an error's own text to the person at the workstation. The wizard
// shows a modal box and returns when it is closed; the unattended program writes the text to
// standard error and its log and returns at once.
class Notifier {
 public:
  virtual ~Notifier() = default;

  // text is Windows-1252.
  virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace skarvel
