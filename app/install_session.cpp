#include "app/install_session.h"

#include "platform/ansi_text.h"
#include "platform/file_system.h"
#include "platform/private_folder.h"
#include "platform/state_folder.h"
#include "platform/translation.h"

namespace skarvel {

// The work folder is a folder of its own in the state folder: emptying it at step 2 must leave
// the log and the lock beside it alone.
std::string DefaultWorkFolder() { return ProgramStateFolder() + "work/"; }

std::string InstanceLockPath() { return ProgramStateFolder() + "skarvel.lock"; }

std::string RunningWizardSocketPath() { return ProgramStateFolder() + "skarvel.socket"; }

std::string AlreadyRunningMessage(const std::string& holder) {
  if (holder.empty()) {
    return Tr("Program",
              "An installation is running already for this user. This one ends without touching "
              "anything: let that one end, or end it first.");
  }
  return Fill(Tr("Program",
                 "An installation is running already for this user (%1). This one ends without "
                 "touching anything: let that one end, or end it first."),
              {holder});
}

namespace {

std::string UnusableFolder(const std::string& folder, const std::string& why) {
  return Fill(Tr("Program",
                 "the folder %1 cannot be used: %2. Remove it, or point XDG_STATE_HOME at a "
                 "folder of your own."),
              {folder, why});
}

}  // namespace

std::string WorkFolderProblem() {
  // The state folder holding it is this user's alone too: others could swap the work folder.
  for (const std::string& folder : {ProgramStateFolder(), DefaultWorkFolder()}) {
    if (const std::string why = MakePrivateFolder(folder); !why.empty()) {
      return UnusableFolder(folder, why);
    }
  }
  return "";
}

std::string CheckedFolderProblem() {
  if (const std::string why = MakePrivateFolder(ProgramStateFolder()); !why.empty()) {
    return UnusableFolder(ProgramStateFolder(), why);
  }
  if (const std::string why = PrivateFolderProblem(DefaultWorkFolder()); !why.empty()) {
    return UnusableFolder(DefaultWorkFolder(), why);
  }
  return "";
}

void OpenRunLog(RunLog& log, const std::string& program, const std::string& what,
                const std::string& code, const DeploymentSettings& settings) {
  log.StartRun(program, SKARVEL_VERSION, what);
  log.SetCode(code);
  if (settings.systemd_root == "/") log.SendErrorsToJournal(program);
}

std::vector<std::string> ResumeCommand(const DeploymentSettings& settings) {
  const std::string wizard = OwnProgramFolder() + "skarvel";
  if (settings.assignments.empty()) return {wizard};
  // The session that starts it knows nothing of this deployment's settings.
  std::vector<std::string> command{"/usr/bin/env"};
  command.insert(command.end(), settings.assignments.begin(), settings.assignments.end());
  command.push_back(wizard);
  return command;
}

int ReportedStatus(const std::string& url) {
  const std::size_t status_at = url.find("&status=");
  if (url.find("/UpdateStatus?") == std::string::npos || status_at == std::string::npos) return 0;
  const std::size_t digits = status_at + 8;
  return StrToIntDef(url.substr(digits, url.find('&', digits) - digits), 0);
}

InstallSession::InstallSession(const DeploymentSettings& settings, EventPump& pump,
                               Notifier& shown_notifier, WizardView& view, RunLog& log)
    : notifier(shown_notifier, log),
      context(settings.ServiceBaseUrl(), pump, notifier),
      state(context),
      silence(view, state),
      operations(context, log, notifier, pump, view, settings),
      driver(state, view, operations, autostart, reboot, ResumeCommand(settings)),
      flow(state, view, operations, autostart, driver) {
  context.silence = &silence;
  operations.SetSilenceWatch(&silence);
  state.WorkFolder = DefaultWorkFolder();
  operations.SetPrivateFolder(state.WorkFolder);
  state.FtpAccount = DownloadAccount(settings);
  context.ca_file = settings.ca_file;
  context.on_answer = [this, &log](const std::string& url, const std::string& answer) {
    log.Write("GET " + url + " -> " + answer);
    // An error logged from now on names the status reported last.
    if (const int status = ReportedStatus(url); status != 0) {
      log.SetPlace(step_ != 0 ? step_ : status / 10, std::to_string(status));
    }
    if (on_answer) on_answer(url, answer);
  };
  driver.on_step_started = [this, &log](int step) {
    step_ = step;
    log.SetPlace(step, state.CustPost().cp_ps_code);
    // A code typed into the wizard reaches the log only now: the journal's entries name it too.
    if (!state.CustPost().CustomerCode.empty()) log.SetCode(state.CustPost().CustomerCode);
    if (on_step_started) on_step_started(step);
  };
}

}  // namespace skarvel
