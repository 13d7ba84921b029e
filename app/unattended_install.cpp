#include "app/unattended_install.h"

#include <iostream>

#include "app/install_session.h"
#include "app/terminal_notifier.h"
#include "app/terminal_view.h"
#include "database/engine_shutdown.h"
#include "platform/administrator.h"
#include "platform/ansi_text.h"
#include "platform/engine_lock_folder.h"
#include "platform/instance_lock.h"
#include "platform/interrupt_key.h"
#include "platform/system_account.h"
#include "platform/system_info_linux.h"
#include "platform/terminal.h"
#include "platform/translation.h"

namespace skarvel {
namespace {

// The status step 12 leaves when its report of the end was not acknowledged.
constexpr int kEndNotAcknowledged = 118;

// Thrown past every guard of the flow (they catch std::exception only) when Ctrl-C arrives
// before the installation runs: there is no step in progress to finish.
struct CancelledBeforeTheRun {};

class CancelPump final : public EventPump {
 public:
  void ProcessMessages() override {
    if (!InterruptKeyPressed() || flow == nullptr) return;
    // Before the run the press stays pending: a wait that cannot pass the exception on (a
    // connection being closed) drops it, and the next pump raises it again.
    if (!state->Busy) throw CancelledBeforeTheRun{};
    ClearInterruptKey();
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
CliOutcome OutcomeOf(const TerminalView& view, InstallSession& session, const std::string& code) {
  const InstallState& state = session.state;
  const auto& shown = view.KindsShown();
  if (view.RestartArranged()) return {kRestartRequired, StatusHeldByService(session, code)};
  if (shown.count(ErrorKind::CodeRejected)) return {kCodeRejected};
  if (shown.count(ErrorKind::NoService) || state.FirstActivation) return {kServiceUnreachable};
  const bool completed = shown.count(ErrorKind::InstallDone) != 0 ||
                         StrToIntDef(state.service.CustPost.cp_ps_code, 0) == kStatusNothingToDo;
  const bool cancelled = !completed && (state.AbortRequested || view.Closed());
  // A service that stopped answering is not asked again.
  if (!state.service.last_request_answered) return {cancelled ? kCancelled : kServiceUnreachable};
  const std::optional<int> held = StatusHeldByService(session, code);
  if (cancelled) return {kCancelled, held};
  if (!held) return {kServiceUnreachable};
  if (completed && InstallationComplete(*held)) return {kCompleted, held};
  return {kInstallationError, held};
}

// How an administrator lets this user do the administrator's part.
std::string AdministratorAdvice() {
  return Fill(Tr("Advice",
                 "an administrator adds %1 to the group skarvel and copies "
                 "/usr/share/skarvel/50-skarvel.rules to /etc/polkit-1/rules.d/ (see THE "
                 "ADMINISTRATOR'S PART in man skarvel-cli), or installs it in the wizard, where an "
                 "administrator can "
                 "authenticate."),
              {CurrentAccount().name});
}

// After a failed step: what to put right and how to go on, by the status the run left.
std::string InstallationErrorAdvice(InstallSession& session, const TerminalView& view,
                                    const std::string& code, const std::string& log_path,
                                    bool ended) {
  const std::string status = session.state.service.CustPost.cp_ps_code;
  if (view.LastErrorText().find(Tr("System", kNeedsAdministrator)) != std::string::npos) {
    // kNeedsAdministrator's words, in the sentence.
    return Fill(Tr("Advice",
                   "the installation stopped at step %1 (status %2): it needs an "
                   "administrator: %3 Then start skarvel-cli --undo %4 to install again from "
                   "step 2."),
                {std::to_string(StrToIntDef(status, 0) / 10), status, AdministratorAdvice(), code});
  }
  if (ended && StrToIntDef(status, 0) == kEndNotAcknowledged) {
    return Fill(Tr("Advice",
                   "the installation is complete on this computer, but the configuration "
                   "service did not acknowledge its end (status 120); the log %1 says why. "
                   "Start skarvel-cli %2 again, without --undo, once the service answers: the "
                   "next run sends the report again."),
                {log_path, code});
  }
  if (StrToIntDef(status, 0) % 10 == 8) {
    // A failure status is final: the run would stop at it again.
    return Fill(Tr("Advice",
                   "the installation stopped at step %1 (status %2); the log %3 says why. Put "
                   "the cause right, then start skarvel-cli --undo %4 to install again from "
                   "step 2."),
                {std::to_string(StrToIntDef(status, 0) / 10), status, log_path, code});
  }
  return Fill(Tr("Advice",
                 "the installation stopped; the log %1 says why. Start skarvel-cli %2 again "
                 "to continue from the step that failed."),
              {log_path, code});
}

// What the person running the program does next, when the installation did not complete.
// ended: the run reached its end (the completion window showed).
std::string Advice(const CliOutcome& outcome, InstallSession& session, const TerminalView& view,
                   const std::string& code, const RunLog& log, bool ended) {
  const std::string& log_path = log.path();
  const std::string& service = session.context.ServiceBaseUrl;
  switch (outcome.exit_code) {
    case kServiceUnreachable:
      if (session.state.FirstActivation) {
        return ServiceUnreachableAdvice(ServiceProblem(session.state.service));
      }
      // The service holds the last status it acknowledged: the run goes on from there.
      return Fill(Tr("Advice",
                     "the configuration service at %1 stopped answering during the installation; "
                     "the log %2 says why. When it answers again, start skarvel-cli %3 to "
                     "continue from the step the service holds."),
                  {service, log_path, code});
    case kCodeRejected:
      return CodeRejectedAdvice(code);
    case kRestartRequired:
      return Fill(Tr("Advice",
                     "the computer must restart to continue. After the restart, start skarvel-cli "
                     "%1 to continue (at the next log-on the autostart entry runskarvel starts the "
                     "wizard with the code)."),
                  {code});
    case kCancelled:
      return Fill(Tr("Advice",
                     "the installation was cancelled. Start skarvel-cli %1 to continue from the "
                     "step the service holds."),
                  {code});
    case kInstallationError:
      return InstallationErrorAdvice(session, view, code, log_path, ended);
    default:
      return "";
  }
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
  if (HasInstallationToUndo(status)) {
    flow.rbDelInstallClick();
  } else {
    view.Say(Fill(Tr("Program", "There is no previous installation to undo (status %1)."),
                  {session.state.CustPost().cp_ps_code}));
  }
  flow.btvolgendeClick();
  flow.btvolgendeClick();
}

// Each step's report, each window and message, and the progress of the work also as JSON lines.
void Tell(JsonReport* json, TerminalView& view, TerminalNotifier& notifier) {
  if (json == nullptr) return;
  view.on_report = [json](const StepReport& report) { json->Step(report); };
  view.on_window = [json](const ErrorWindowTexts& texts) {
    json->Message(texts.title + ": " + texts.text,
                  texts.kind == ErrorKind::InstallDone ? Severity::kInfo : Severity::kError,
                  {texts.step, texts.cause, texts.details});
  };
  view.on_progress = [json](int step, const MeasuredProgress& progress) {
    json->Progress(step, progress);
  };
  notifier.on_message = [json](const std::string& text) { json->Message(text, Severity::kError); };
}

// The run's start line in the log: its options, the code and the service.
std::string WhatWasAsked(const CliOptions& options, const DeploymentSettings& settings) {
  return std::string(options.undo ? "--undo " : "") + (options.no_restart ? "--no-restart " : "") +
         options.code + " against " + settings.ServiceBaseUrl();
}

// The requests that change what the service holds: status reports and receipt templates.
bool ChangesTheService(const std::string& url) {
  return ReportedStatus(url) != 0 || url.find("/createtemplate?") != std::string::npos;
}

CliOutcome Install(const CliOptions& options, const DeploymentSettings& settings,
                   std::ostream& human, JsonReport* json) {
  const std::string& code = options.code;
  const EngineLockFolder engine_locks(LinuxSystemInfo().TemporaryFolder());
  const db::EngineShutdown engine;  // goes before the lock folder, after every connection
  RunLog log(RunLog::DefaultPath());
  OpenRunLog(log, "skarvel-cli", WhatWasAsked(options, settings), code, settings);
  CancelPump pump;
  TerminalNotifier notifier(std::cerr);
  const bool terminal = !options.json && OutputIsTerminal();
  TerminalView view(human, std::cerr, terminal, log, code, options.no_restart, OutputWidth());
  notifier.before_message = [&view] { view.BreakLine(); };
  Tell(json, view, notifier);
  InstallSession session(settings, pump, notifier, view, log);
  view.ShowStateOf(session.state);
  bool changed = false;
  session.on_answer = [&view, &changed](const std::string& url, const std::string& answer) {
    changed = changed || ChangesTheService(url);
    if (const int status = ReportedStatus(url); status != 0) view.SayReport(status, answer);
  };
  session.on_step_started = [&view](int step) { view.StepStarted(step); };
  pump.flow = &session.flow;
  pump.state = &session.state;
  CatchInterruptKey();
  CliOutcome outcome{kCancelled};
  try {
    if (options.undo) {
      UndoThenInstall(session, view);
    } else {
      session.flow.FormCreate({code});
      session.flow.FormActivate();
    }
    outcome = OutcomeOf(view, session, code);
  } catch (const CancelledBeforeTheRun&) {
    view.Say(Tr("Program", "Cancelled."));
  }
  view.BreakLine();
  outcome.changed = changed;
  outcome.warnings = view.Warnings();
  if (outcome.exit_code != kCompleted) outcome.cause = view.LastCause();
  outcome.advice = Advice(outcome, session, view, code, log,
                          view.KindsShown().count(ErrorKind::InstallDone) != 0);
  outcome.advice_said = outcome.exit_code == kRestartRequired;  // the view told the restart
  if (!outcome.advice.empty()) {
    log.Write(outcome.exit_code == kCompleted ? RunLog::Level::kInfo : RunLog::Level::kWarning,
              outcome.advice);
  }
  log.EndRun(outcome.exit_code);
  return outcome;
}

}  // namespace

CliOutcome RunUnattendedInstall(const CliOptions& options, const DeploymentSettings& settings,
                                std::ostream& human, JsonReport* json) {
  // The lock lives in the state folder: a folder another user holds is said as such first.
  if (const std::string why = WorkFolderProblem(); !why.empty()) {
    return {kUsage, std::nullopt, why};
  }
  const InstanceLock lock(InstanceLockPath());
  if (!lock.Held()) {
    // The support desk sees the refused start beside the run that holds the lock.
    const std::string message = AlreadyRunningMessage(lock.Holder());
    RunLog log(RunLog::DefaultPath());
    OpenRunLog(log, "skarvel-cli", WhatWasAsked(options, settings), options.code, settings);
    log.Write(RunLog::Level::kWarning, message);
    log.EndRun(kAlreadyRunning);
    return {kAlreadyRunning, std::nullopt, message};
  }
  return Install(options, settings, human, json);
}

}  // namespace skarvel
