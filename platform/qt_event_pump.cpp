#include "platform/qt_event_pump.h"

#include <QCoreApplication>

namespace skarvel {

void QtEventPump::ProcessMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

bool QtEventPump::Terminating() const {
  return termination_requested_ || QCoreApplication::closingDown();
}

}  // namespace skarvel
