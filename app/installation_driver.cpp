#include "app/installation_driver.h"

#include <exception>
#include <functional>

#include "app/step_boxes.h"
#include "app/work_folder_packages.h"
#include "platform/ansi_text.h"
#include "platform/folder_path.h"
#include "platform/translation.h"

namespace skarvel {
namespace {

constexpr int kNotANumber = 99;
constexpr char kTillPrograms[][14] = {"lumcaisse.exe", "lumk.exe", "article.exe", "ticket.exe"};

// A cause set inside a sentence of another's loses its full stop.
std::string WithoutFinalStop(std::string sentence) {
  if (!sentence.empty() && sentence.back() == '.') sentence.pop_back();
  return sentence;
}

// A step's failure status (18, 28, ... 118): the stop of a run, whose cause that run kept.
bool IsStepFailure(int status) {
  return status % 10 == 8 && status / 10 >= 1 && status / 10 <= kStepCount;
}

}  // namespace

InstallationDriver::InstallationDriver(InstallState& state, WizardView& view,
                                       InstallOperations& operations, Autostart& autostart,
                                       RebootAction& reboot,
                                       std::vector<std::string> resume_command)
    : state_(state),
      view_(view),
      operations_(operations),
      autostart_(autostart),
      reboot_(reboot),
      resume_command_(std::move(resume_command)) {}

void InstallationDriver::RunInstallation() {
  SetBusy(state_, view_, false);
  try {
    for (const char* program : kTillPrograms) operations_.KillProcess(program);
  } catch (const std::exception&) {
    // Till programs that cannot be stopped are left to the steps that need them gone.
  }
  stop_ = false;
  done_ = false;
  restart_refused_ = false;
  warnings_ = operations_.KeptWarnings(state_.CustPost().CP_PKEY);
  report_unanswered_ = false;
  earlier_failure_ = false;
  state_.AbortRequested = false;
  TranslateAliases();
  try {
    RunLoop();
  } catch (const std::exception& error) {
    // An error no step guards ends the run like a failed step, with its own text for support.
    SetBusy(state_, view_, false);
    if (step_ != 0) view_.SetStepFailed(step_);
    ErrorWindowTexts texts = SetKind(ErrorKind::InstallError, state_.PosMessages());
    texts.cause = OneLine(error.what());
    view_.ShowErrorWindow(texts);
    return;
  }
  SetBusy(state_, view_, false);
  if (restart_refused_) {
    // The view keeps the advice to restart by hand; the installation goes on after that
    // restart, from the autostart entry, and nothing here may run step 1 again meanwhile.
    view_.SetEnabled(Control::btvolgende, false);
    view_.SetEnabled(Control::btVorige, false);
    return;
  }
  if (stop_) {
    KeepFailureForLater();
    view_.ShowErrorWindow(StopTexts());
  }
  if (done_) {
    ErrorWindowTexts texts = SetKind(ErrorKind::InstallDone, state_.PosMessages());
    texts.warnings = warnings_;
    const int result = view_.ShowErrorWindow(texts);
    if (result == kModalResultCancel) view_.CloseMainForm();
  }
}

void InstallationDriver::RunLoop() {
  int status = StrToIntDef(state_.CustPost().cp_ps_code, kNotANumber);
  while (status != kStatusNothingToDo && !stop_ && !state_.AbortRequested && !done_) {
    SetBusy(state_, view_, true);
    step_ = 0;
    cause_ = {};
    service_cause_ = {};
    operations_.TakeFailure();  // a failure of earlier work is no cause of this pass's
    if (!CheckStatus(state_.service, state_.service.ServiceBaseUrl)) {
      stop_ = true;
      service_cause_ = {Tr("Steps", "the configuration service stopped answering"), ""};
    }
    // Here the cancel button's click is handled.
    state_.service.pump.ProcessMessages();
    status = StrToIntDef(state_.CustPost().cp_ps_code, kNotANumber);
    ShowDoneSteps(view_, std::to_string(status));
    const PassEnd end = RunStep(status);
    // The first cause stands: a step's own, else that of the operation that failed.
    if (OperationFailure taken = operations_.TakeFailure(); cause_.empty()) cause_ = taken;
    // A failure status names no step: the stop is that of an earlier run, whose cause it kept.
    if (step_ == 0 && IsStepFailure(status)) {
      step_ = status / 10;
      cause_ = EarlierFailure(status);
      earlier_failure_ = true;
    }
    const int failed = FailedBoxOfPass();
    if (failed != 0) view_.SetStepFailed(failed);
    if (end == PassEnd::kLeaveAtOnce) return;
    if (const int box = BoxOfStatus(status); box != 0 && box != failed) {
      view_.SetStepTicked(box, true);
    }
  }
}

int InstallationDriver::FailedBoxOfPass() const {
  // The run that reached its end leaves 118 when the service did not acknowledge the end: that
  // is no failure of step 11, whose box says so.
  if (done_) return 0;
  return FailedStepBox(StrToIntDef(state_.CustPost().cp_ps_code, kNotANumber));
}

InstallationDriver::PassEnd InstallationDriver::RunStep(int status) {
  switch (status) {
    case 9:
    case 10:
      RestartWindows();
      break;
    case 19:
    case 20:
      PrepareWorkFolder();
      break;
    case 29:
    case 30:
      DownloadPackages();
      break;
    case 39:
    case 40:
      UnpackTillPackage();
      break;
    case 49:
    case 50:
      InstallTillPrograms();
      break;
    case 59:
    case 60:
      return InstallDatabaseServer();
    case 69:
    case 70:
      UnpackTemplates();
      break;
    case 79:
    case 80:
      WriteTillSettings();
      break;
    case 89:
    case 90:
      FillTillDatabase();
      break;
    case 99:
    case 100:
      StoreClosingNumber();
      break;
    case 109:
    case 110:
      CreateShortcuts();
      break;
    case 119:
    case 120:
      Finish();
      break;
    case 118:
      // Also step 11's failure: only this computer's note tells the end's report from it.
      if (operations_.EndAwaitsAcknowledgement(state_.WorkFolder, state_.CustPost().CP_PKEY)) {
        Finish();
        break;
      }
      stop_ = true;
      break;
    default:
      // Any other status names nothing this program can do.
      if (!IsStepFailure(status)) {
        cause_ = {Tr("Steps",
                     "the configuration service holds an installation status that names no step "
                     "of the installation: ask the helpdesk to set the customer's status"),
                  Fill(Tr("Steps", "installation status %1"), {std::to_string(status)})};
      }
      stop_ = true;
  }
  return PassEnd::kContinue;
}

void InstallationDriver::TranslateAliases() {
  TranslateRecordAliases(state_.CustPost(), operations_, state_.WorkFolder);
}

bool InstallationDriver::Report(int code) { return Report(code, state_.CustPost().cp_ps_code); }

bool InstallationDriver::Report(int code, const std::string& info) {
  // A report the service never answered may still reach it whenever it wakes, after any report
  // sent later: the service would end holding whichever came last. Sending none after it, the
  // last status this run sent is the one the service ends with.
  if (report_unanswered_) return false;
  const std::string url = StatusReportUrl(state_.service.ServiceBaseUrl, state_.CustPost().CP_PKEY,
                                          std::to_string(code), info);
  const std::string answer = UpdateStatus(state_.service, url);
  if (answer == "OKOK") return true;
  report_unanswered_ = !state_.service.last_request_answered;
  if (service_cause_.empty()) {
    const std::string report = std::to_string(code);
    service_cause_ =
        !state_.service.last_request_answered
            ? OperationFailure{Tr("Steps", "the configuration service stopped answering"),
                               Fill(Tr("Steps", "status report %1 got no answer"), {report})}
            : OperationFailure{
                  Tr("Steps", "the configuration service did not take the step's report"),
                  Fill(Tr("Steps", "status report %1 answered \"%2\""), {report, answer})};
  }
  return false;
}

ErrorWindowTexts InstallationDriver::StopTexts() const {
  ErrorWindowTexts texts = SetKind(ErrorKind::InstallError, state_.PosMessages());
  if (step_ != 0) {
    const std::string caption =
        FindStatusEntry(state_.service.PosStatuses, std::to_string(10 * step_)).psl_name;
    texts.step = caption.empty() ? Fill(Tr("Steps", "step %1"), {std::to_string(step_)}) : caption;
  }
  const OperationFailure& cause = !cause_.empty() ? cause_ : service_cause_;
  texts.cause = OneLine(cause.cause);
  texts.details = OneLine(cause.details);
  return texts;
}

OperationFailure InstallationDriver::EarlierFailure(int status) {
  const OperationFailure kept = operations_.RecallFailure(state_.CustPost().CP_PKEY, status);
  if (kept.empty()) {
    return {Tr("Steps",
               "the installation stopped at this step before; put the cause right, then undo the "
               "installation to install again"),
            Fill(Tr("Steps", "status %1 at the start of the run"), {std::to_string(status)})};
  }
  return {Fill(Tr("Steps",
                  "the installation stopped at this step before: %1; put the cause right, then "
                  "undo the installation to install again"),
               {WithoutFinalStop(kept.cause)}),
          kept.details};
}

void InstallationDriver::KeepFailureForLater() {
  const int status = StrToIntDef(state_.CustPost().cp_ps_code, kNotANumber);
  const OperationFailure& cause = !cause_.empty() ? cause_ : service_cause_;
  // Only a failure of this run's own: an earlier one is kept already.
  if (status % 10 != 8 || cause.empty() || earlier_failure_) return;
  operations_.RememberFailure(state_.CustPost().CP_PKEY, status, cause);
}

void InstallationDriver::SetStatus(int code) {
  state_.CustPost().cp_ps_code = std::to_string(code);
}

void InstallationDriver::Fail(int code) {
  Report(code);
  SetStatus(code);
  stop_ = true;
}

void InstallationDriver::AdvanceOnAcknowledgement(bool acknowledged, int next) {
  if (acknowledged) SetStatus(next);
}

void InstallationDriver::Describe(int code) {
  step_ = code / 10;
  if (on_step_started) on_step_started(step_);
  view_.SetMemInfo(FindStatusEntry(state_.service.PosStatuses, std::to_string(code)).psl_info);
}

std::string InstallationDriver::TillFolder() const {
  return WithTrailingSeparator(state_.service.CustPost.PPA_POSPATH);
}

}  // namespace skarvel
