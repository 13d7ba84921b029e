#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/install_state.h"
#include "app/installation_driver.h"
#include "app/logged_notifier.h"
#include "app/view_silence.h"
#include "app/wizard_flow.h"
#include "app/workstation_operations.h"
#include "platform/autostart.h"
#include "platform/deployment_settings.h"
#include "platform/reboot.h"
#include "platform/run_log.h"

namespace skarvel {

// Everything a run of the wizard or of the unattended program puts together at start-up: the
// service context with the process-wide state, the operations on this workstation, the driver
// and the flow, all talking to one view. Every request and its answer goes to the log.
// The work folder of this user: the state folder + "work/", which survives the restart a
// resumed installation needs and no cache cleaner empties; it must be this user's alone
// (MakePrivateFolder), and so must the state folder.
std::string DefaultWorkFolder();
// The lock file that keeps a second installation of this user out: in the state folder, beside
// the work folder, so that emptying the work folder leaves it.
std::string InstanceLockPath();
// Where the running wizard listens for a second start, beside the lock.
std::string RunningWizardSocketPath();
// What a second start says and does when an installation runs already for this user.
std::string AlreadyRunningMessage(const std::string& holder);

// Why the work folder cannot be used, as a sentence saying what to do; empty when it can (it is
// then made, this user's alone).
std::string WorkFolderProblem();
// The same for a check, which only writes its log: the state folder is made (or tightened) as
// an installation makes it, the work folder only looked at.
std::string CheckedFolderProblem();

// Starts a run's entries in the log: its start marked with the program, its version and what it
// was asked (what), and from then on its errors also go to the journal of the running system
// (not of a system image that SKARVEL_SYSTEMD_ROOT names), with the customer code.
void OpenRunLog(RunLog& log, const std::string& program, const std::string& what,
                const std::string& code, const DeploymentSettings& settings);

// What the autostart entry runs, before the customer code, to resume the installation after the
// restart: the wizard beside this program, given the deployment's settings this run was given.
std::vector<std::string> ResumeCommand(const DeploymentSettings& settings);

// The status a status report's URL sends; 0 when it is no status report.
int ReportedStatus(const std::string& url);

class InstallSession {
 public:
  InstallSession(const DeploymentSettings& settings, EventPump& pump, Notifier& shown_notifier,
                 WizardView& view, RunLog& log);

  // Also told of every request and its answer, after the log.
  std::function<void(const std::string& url, const std::string& answer)> on_answer;
  // Also told of each step the driver starts, after the log.
  std::function<void(int step)> on_step_started;

  LoggedNotifier notifier;
  ServiceContext context;
  InstallState state;
  ViewSilence silence;
  WorkstationOperations operations;
  XdgAutostart autostart;
  SystemdReboot reboot;
  InstallationDriver driver;
  WizardFlow flow;

 private:
  int step_ = 0;  // the step the driver runs, once it runs one
};

}  // namespace skarvel
