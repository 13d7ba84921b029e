#pragma once

#include <functional>

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace skarvel::test {

// Acts on the next modal window once it is up (the flow shows them from deep inside a click).
class ModalWatcher {
 public:
  explicit ModalWatcher(std::function<void(QWidget&)> action) : action_(std::move(action)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr || modal == seen_.data()) return;
      seen_ = modal;
      ++count;
      action_(*modal);
    });
    timer_.start(20);
  }
  int count = 0;

 private:
  std::function<void(QWidget&)> action_;
  QTimer timer_;
  // Guarded: a window made after the last one was destroyed may take its address.
  QPointer<QWidget> seen_;
};

inline void Click(QWidget& dialog, const char* button_name) {
  auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(button_name));
  QVERIFY2(button != nullptr, button_name);
  button->click();
}

}  // namespace skarvel::test
