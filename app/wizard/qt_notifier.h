#pragma once

#include "platform/notifier.h"

class QWidget;

namespace skarvel {

// The plain message box of the wizard: the text, an OK button, parented to the wizard; returns
// when it is closed.
class QtNotifier final : public Notifier {
 public:
  explicit QtNotifier(QWidget* parent) : parent_(parent) {}
  void ShowMessage(const std::string& text) override;

 private:
  QWidget* parent_;
};

}  // namespace skarvel
