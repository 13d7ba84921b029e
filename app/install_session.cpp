#include "app/install_session.h"

#include "platform/file_system.h"
#include "platform/private_folder.h"
#include "platform/system_info_linux.h"

namespace skarvel {

std::string DefaultWorkFolder() { return LinuxSystemInfo().CacheFolder() + "skarvel/"; }

std::string InstanceLockPath() { return LinuxSystemInfo().CacheFolder() + "skarvel.lock"; }

std::string AlreadyRunningMessage(const std::string& holder) {
  return "An installation is running already for this user" +
         (holder.empty() ? std::string() : " (" + holder + ")") +
         ". This one ends without touching anything: let that one end, or end it first.";
}

std::string WorkFolderProblem() {
  const std::string folder = DefaultWorkFolder();
  const std::string why = MakePrivateFolder(folder);
  if (why.empty()) return "";
  return "the work folder " + folder + " cannot be used: " + why +
         ". Remove it, or point XDG_CACHE_HOME at a folder of your own.";
}

InstallSession::InstallSession(const DeploymentSettings& settings, EventPump& pump,
                               Notifier& shown_notifier, WizardView& view, RunLog& log)
    : notifier(shown_notifier, log),
      context(ServiceBaseUrlFor(settings.service_host), pump, notifier),
      state(context),
      silence(view, state),
      operations(context, log, notifier, pump, view, settings),
      driver(state, view, operations, autostart, reboot, OwnProgramFolder() + "skarvel"),
      flow(state, view, operations, autostart, driver) {
  context.silence = &silence;
  operations.SetSilenceWatch(&silence);
  state.WorkFolder = DefaultWorkFolder();
  operations.SetPrivateFolder(state.WorkFolder);
  state.FtpAccount = DefaultFtpAccount(settings.DownloadHost(), settings.ftp_port);
  context.on_answer = [this, &log](const std::string& url, const std::string& answer) {
    log.Write("GET " + url + " -> " + answer);
    if (on_answer) on_answer(url, answer);
  };
}

}  // namespace skarvel
