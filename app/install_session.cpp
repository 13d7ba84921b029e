#include "app/install_session.h"

#include "platform/file_system.h"
#include "platform/system_info_linux.h"

namespace skarvel {

InstallSession::InstallSession(const DeploymentSettings& settings, EventPump& pump,
                               Notifier& shown_notifier, WizardView& view, RunLog& log)
    : notifier(shown_notifier, log),
      context(ServiceBaseUrlFor(settings.service_host), pump, notifier),
      state(context),
      operations(context, log, notifier, pump, view, settings),
      driver(state, view, operations, autostart, reboot, OwnProgramFolder() + "skarvel"),
      flow(state, view, operations, autostart, driver) {
  state.WorkFolder = LinuxSystemInfo().TemporaryFolder() + "skarvel/";
  state.FtpAccount = DefaultFtpAccount(settings.DownloadHost(), settings.ftp_port);
  context.on_answer = [this, &log](const std::string& url, const std::string& answer) {
    log.Write("GET " + url + " -> " + answer);
    if (on_answer) on_answer(url, answer);
  };
}

}  // namespace skarvel
