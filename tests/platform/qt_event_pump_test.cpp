#include "platform/qt_event_pump.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace skarvel {
namespace {

TEST(QtEventPumpTest, HandlesPendingEventsAndReportsTermination) {
  int argc = 1;
  char name[] = "qt_event_pump_test";
  char* argv[] = {name, nullptr};
  QCoreApplication application(argc, argv);
  QtEventPump pump;
  bool handled = false;
  QTimer::singleShot(0, &application, [&handled] { handled = true; });
  pump.ProcessMessages();
  EXPECT_TRUE(handled);
  EXPECT_FALSE(pump.Terminating());
  pump.RequestTermination();
  EXPECT_TRUE(pump.Terminating());
}

}  // namespace
}  // namespace skarvel
