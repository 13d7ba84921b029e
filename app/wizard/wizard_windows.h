#pragma once

#include "app/install_session.h"
#include "app/wizard/frm_errwindow.h"
#include "app/wizard/frm_rest_windows.h"
#include "app/wizard/frm_skarvel.h"
#include "app/wizard/qt_notifier.h"
#include "platform/qt_event_pump.h"

namespace skarvel {

// The wizard's windows with the session they show, created in the order of the program entry:
// the main form (whose creation runs FormCreate with the command line), then the restart and the
// error window. Needs a QApplication.
class WizardWindows {
 public:
  // pump is told to end every wait when the window closes while nothing runs.
  WizardWindows(const DeploymentSettings& settings, QtEventPump& pump, RunLog& log,
                const std::vector<std::string>& arguments);

  TfrmSkarvel form;
  QtNotifier notifier;
  InstallSession session;
  TfrmRestWindows restart_window;
  TfrmErrwindow error_window;
};

}  // namespace skarvel
