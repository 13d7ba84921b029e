// skarvel-cli: the unattended run of the installation flow, for technicians and scripts.

#include <iostream>
#include <optional>
#include <signal.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/install_session.h"
#include "app/terminal_notifier.h"
#include "app/terminal_view.h"
#include "database/engine_shutdown.h"
#include "platform/ansi_text.h"
#include "platform/engine_lock_folder.h"
#include "platform/instance_lock.h"
#include "platform/private_folder.h"
#include "platform/system_info_linux.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

enum ExitCode {
  kCompleted = 0,
  kInstallationError = 1,
  kCodeRejected = 2,
  kServiceUnreachable = 3,
  kCancelled = 4,
  kRestartRequired = 5,
  kAlreadyRunning = 6,
  kUsage = 64,
};

constexpr std::size_t kCodeLength = 13;
constexpr int kInstalled = 120;
constexpr int kNothingToDo = 999;

constexpr char kHelp[] =
    R"(Usage: skarvel-cli [--no-restart] [--undo] CODE
       skarvel-cli --help | --version

Installs the till of the 13-character customer CODE without a window: looks the
customer up on the configuration service, then runs the installation from the
step the service holds for the customer, reporting every step, exactly as the
wizard does when it is started with the code.

  --no-restart  when the installation needs the computer restarted, say so and
                stop instead of restarting; start skarvel-cli CODE again after
                the restart to continue
  --undo        undo the customer's previous installation first (as the wizard's
                choice to undo it does), then install again from step 2; the way
                on after a step failed, once its cause is put right

It never waits for a person. The wizard's questions are answered thus: Ctrl-C
is the cancel button; during an installation the question whether to stop it
is answered yes, and the installation stops after the step in progress (press
Ctrl-C again to stop at once). Before the restart the program arranges the
resume (autostart entry "runskarvel" starting skarvel CODE).

Settings (environment):
  SKARVEL_SERVICE_HOST  host or host:port of the configuration service
                        (default localhost); the download server is the same host
  SKARVEL_FTP_PORT      port of the download server (default 21)
  SKARVEL_FIREBIRD_ROOT the database server's folder (default /opt/firebird): its
                        libraries and console go there; its setup decides where it
                        installs
  SKARVEL_SYSTEMD_ROOT  the root whose systemd unit files say which services are
                        installed (default /)
  XDG_CACHE_HOME        the work folder is its skarvel/ (default ~/.cache/skarvel/);
                        it must be this user's alone

Log: $XDG_STATE_HOME/skarvel/skarvel.log (default ~/.local/state/skarvel/),
every request, report and step outcome; the wizard writes the same log.

Exit codes:
  0   the installation completed (the service holds status 120), or there was
      nothing to do (999)
  1   the installation stopped with an error
  2   the service did not accept the customer code
  3   the configuration service could not be reached, or stopped answering
  4   cancelled (Ctrl-C)
  5   the computer must restart to continue (the restart was arranged)
  6   an installation is running already for this user; nothing was done
  64  wrong usage, an unusable setting, or a work folder others may write in
)";

volatile sig_atomic_t cancel_pressed = 0;

void OnInterrupt(int) { cancel_pressed = 1; }

// Ctrl-C is the cancel button: the click is handled where the wizard would handle it, at the
// next pump. SA_RESETHAND lets a second Ctrl-C stop the program at once.
void CatchInterrupt() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  action.sa_flags = SA_RESETHAND;
  sigaction(SIGINT, &action, nullptr);
}

// Thrown past every guard of the flow (they catch std::exception only) when Ctrl-C arrives
// before the installation runs: there is no step in progress to finish.
struct CancelledBeforeTheRun {};

class CancelPump final : public EventPump {
 public:
  void ProcessMessages() override {
    if (cancel_pressed == 0 || flow == nullptr) return;
    // Before the run the press stays pending: a wait that cannot pass the exception on (a
    // connection being closed) drops it, and the next pump raises it again.
    if (!state->Busy) throw CancelledBeforeTheRun{};
    cancel_pressed = 0;
    flow->btEindeClick();
  }
  bool Terminating() const override { return false; }
  WizardFlow* flow = nullptr;
  const InstallState* state = nullptr;
};

// The status the service holds for the customer now; none when it does not answer.
std::optional<int> StatusHeldByService(InstallSession& session, const std::string& code) {
  ServiceContext& service = session.context;
  const cust_post record = service.CustPost;
  const bool found = GetCustInfo(service, code);
  const std::string held = service.CustPost.cp_ps_code;
  service.CustPost = record;
  if (!found) return std::nullopt;
  return StrToIntDef(held, -1);
}

// The outcome of the run as the windows it showed tell it, checked against the status the
// service holds: a completion window after a last report nobody acknowledged is no success.
int ExitCodeOf(const TerminalView& view, InstallSession& session, const std::string& code) {
  const InstallState& state = session.state;
  const auto& shown = view.KindsShown();
  if (view.RestartArranged()) return kRestartRequired;
  if (shown.count(ErrorKind::CodeRejected)) return kCodeRejected;
  if (shown.count(ErrorKind::NoService) || state.FirstActivation) return kServiceUnreachable;
  const bool completed = shown.count(ErrorKind::InstallDone) != 0 ||
                         StrToIntDef(state.service.CustPost.cp_ps_code, 0) == kNothingToDo;
  if (!completed && (state.AbortRequested || view.Closed())) return kCancelled;
  if (!state.service.last_request_answered) return kServiceUnreachable;
  const std::optional<int> held = StatusHeldByService(session, code);
  if (!held) return kServiceUnreachable;
  if (completed && (*held == kInstalled || *held == kNothingToDo)) return kCompleted;
  return kInstallationError;
}

// The status a report URL sends, or 0 when it is no status report.
int ReportedStatus(const std::string& url) {
  const std::size_t status_at = url.find("&status=");
  if (url.find("/UpdateStatus?") == std::string::npos || status_at == std::string::npos) return 0;
  const std::size_t digits = status_at + 8;
  return StrToIntDef(url.substr(digits, url.find('&', digits) - digits), 0);
}

// What the person running the program does next, when the installation stopped with an error;
// said on standard error and in the log.
std::string WhatToDo(InstallSession& session, const std::string& code, const RunLog& log) {
  const std::string status = session.state.service.CustPost.cp_ps_code;
  const int value = StrToIntDef(status, 0);
  const std::string again = "skarvel-cli " + Utf8FromAnsi(code);
  const std::string why = "; the log " + log.path() + " says why. ";
  if (value % 10 == 8) {
    // A failure status is final: the run would stop at it again.
    return "the installation stopped at step " + std::to_string(value / 10) + " (status " + status +
           ")" + why + "Put the cause right, then start skarvel-cli --undo " + Utf8FromAnsi(code) +
           " to install again from step 2.";
  }
  return "the installation stopped" + why + "Start " + again +
         " again to continue from the step that failed.";
}

// The wizard's way with a code typed on its first page: look the customer up, undo the previous
// installation when there is one to undo (the question is answered yes), then go on through
// the pages to the installation.
void UndoThenInstall(InstallSession& session, TerminalView& view) {
  WizardFlow& flow = session.flow;
  flow.FormCreate({});
  flow.FormActivate();
  if (session.state.FirstActivation) return;
  flow.btCodeClick();
  if (flow.ActivePage() != 1) return;
  const int status = StrToIntDef(session.state.CustPost().cp_ps_code, 0);
  if (status > 10 && status != 19) {
    flow.rbDelInstallClick();
  } else {
    view.Say("There is no previous installation to undo (status " +
             session.state.CustPost().cp_ps_code + ").");
  }
  flow.btvolgendeClick();
  flow.btvolgendeClick();
}

int Install(const std::string& code, bool no_restart, bool undo,
            const DeploymentSettings& settings) {
  const InstanceLock lock(InstanceLockPath());
  if (!lock.Held()) {
    std::cerr << "skarvel-cli: " << Utf8FromAnsi(AlreadyRunningMessage(lock.Holder())) << "\n";
    return kAlreadyRunning;
  }
  if (const std::string why = WorkFolderProblem(); !why.empty()) {
    std::cerr << "skarvel-cli: " << Utf8FromAnsi(why) << "\n";
    return kUsage;
  }
  const EngineLockFolder engine_locks(LinuxSystemInfo().TemporaryFolder());
  const db::EngineShutdown engine;  // goes before the lock folder, after every connection
  RunLog log(RunLog::DefaultPath());
  log.Write("skarvel-cli " + code + " against " + settings.service_host);
  CancelPump pump;
  TerminalNotifier notifier(std::cerr);
  TerminalView view(std::cout, isatty(STDOUT_FILENO) != 0, log, code, no_restart);
  InstallSession session(settings, pump, notifier, view, log);
  view.ShowStateOf(session.state);
  session.on_answer = [&view](const std::string& url, const std::string& answer) {
    if (const int status = ReportedStatus(url); status != 0) view.SayReport(status, answer);
  };
  session.driver.on_step_started = [&view](int step) { view.StepStarted(step); };
  pump.flow = &session.flow;
  pump.state = &session.state;
  CatchInterrupt();
  int exit_code = kCancelled;
  try {
    if (undo) {
      UndoThenInstall(session, view);
    } else {
      session.flow.FormCreate({code});
      session.flow.FormActivate();
    }
    exit_code = ExitCodeOf(view, session, code);
  } catch (const CancelledBeforeTheRun&) {
    view.Say("Cancelled.");
  }
  log.Write("skarvel-cli ends with exit code " + std::to_string(exit_code));
  if (exit_code == kServiceUnreachable && !session.state.FirstActivation) {
    // The service holds the last status it acknowledged: the run goes on from there.
    const std::string advice = "the configuration service at " + session.context.ServiceBaseUrl +
                               " stopped answering during the installation; the log " + log.path() +
                               " says why. When it answers again, start skarvel-cli " +
                               Utf8FromAnsi(code) + " to continue from the step the service holds.";
    log.Write(AnsiFromUtf8(advice));
    std::cerr << "skarvel-cli: " << advice << "\n";
  } else if (exit_code == kServiceUnreachable) {
    std::cerr << "skarvel-cli: the configuration service at " << session.context.ServiceBaseUrl
              << " does not answer. Check the network and SKARVEL_SERVICE_HOST, then try again.\n";
  } else if (exit_code == kCodeRejected) {
    std::cerr << "skarvel-cli: the service did not accept the customer code " << Utf8FromAnsi(code)
              << ". Check the code and try again, or call the helpdesk.\n";
  } else if (exit_code == kInstallationError) {
    const std::string advice = WhatToDo(session, code, log);
    log.Write(AnsiFromUtf8(advice));
    std::cerr << "skarvel-cli: " << advice << "\n";
  }
  return exit_code;
}

int Run(int argc, char** argv) {
  std::vector<std::string> codes;
  bool no_restart = false;
  bool undo = false;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      std::cout << kHelp;
      return kCompleted;
    }
    if (argument == "--version") {
      std::cout << "skarvel-cli " << SKARVEL_VERSION << "\n";
      return kCompleted;
    }
    if (argument == "--no-restart") {
      no_restart = true;
    } else if (argument == "--undo") {
      undo = true;
    } else {
      codes.push_back(argument);
    }
  }
  if (codes.size() != 1) {
    std::cerr << "skarvel-cli: give exactly one customer code (see --help).\n";
    return kUsage;
  }
  // The code field of the wizard takes upper case and at most 13 characters; so does this.
  const std::string code = UpperCase(AnsiFromUtf8(codes.front()));
  if (code.size() > kCodeLength) {
    std::cerr << "skarvel-cli: a customer code has at most 13 characters; \"" << codes.front()
              << "\" has more.\n";
    return kUsage;
  }
  try {
    return Install(code, no_restart, undo, ReadDeploymentSettings());
  } catch (const SettingsError& error) {
    std::cerr << "skarvel-cli: " << error.what() << "\n";
    return kUsage;
  }
}

}  // namespace
}  // namespace skarvel

int main(int argc, char** argv) { return skarvel::Run(argc, argv); }
