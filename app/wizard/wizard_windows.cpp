#include "app/wizard/wizard_windows.h"

namespace skarvel {

WizardWindows::WizardWindows(const DeploymentSettings& settings, QtEventPump& pump, RunLog& log,
                             const std::vector<std::string>& arguments)
    : form(log),
      notifier(&form),
      session(settings, pump, notifier, form, log),
      restart_window(&form),
      error_window(&form) {
  session.flow.FormCreate(arguments);
  form.SetWindows(&error_window, &restart_window);
  form.SetFlow(&session.flow);
  form.SetOnIdleClose([&pump] { pump.RequestTermination(); });
}

}  // namespace skarvel
