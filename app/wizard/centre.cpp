#include "app/wizard/centre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace skarvel {

void CentreOnDesktop(QWidget& window) {
  const QScreen* screen =
      window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = window.frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window.move(frame.topLeft());
}

}  // namespace skarvel
