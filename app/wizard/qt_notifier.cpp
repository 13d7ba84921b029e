#include "app/wizard/qt_notifier.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/qt_text.h"

namespace skarvel {

void QtNotifier::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), FromAnsi(text),
                  QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace skarvel
