#include "app/wizard_flow.h"

#include <exception>
#include <utility>

#include "app/step_boxes.h"
#include "platform/ansi_text.h"
#include "platform/translation.h"

namespace skarvel {
namespace {

constexpr int kNotANumber = 99;

// ApplyCaptions sets these, in this order.
const std::pair<Control, const char*> kCaptions[] = {
    {Control::Form, "POS_1"},           {Control::paWelcome, "POS_2"},
    {Control::lblCode, "POS_3"},        {Control::btCode, "POS_4"},
    {Control::btvolgende, "POS_5"},     {Control::btVorige, "POS_6"},
    {Control::btEinde, "POS_33"},       {Control::paCustInfo, "POS_9"},
    {Control::paInstInfo, "POS_46"},    {Control::rbNewInstall, "POS_11"},
    {Control::rbContInstall, "POS_12"}, {Control::rbDelInstall, "POS_43"},
    {Control::lblWelcome, "POS_13"},    {Control::lblInformatie, "POS_42"},
};

// The window's texts with why the service failed: its sentence and the transfer's details.
ErrorWindowTexts WithServiceProblem(ErrorWindowTexts texts, const ServiceContext& service) {
  texts.cause = OneLine(ServiceProblem(service));
  texts.details = OneLine(service.last_problem.details);
  return texts;
}

}  // namespace

WizardFlow::WizardFlow(InstallState& state, WizardView& view, InstallOperations& operations,
                       Autostart& autostart, InstallationDriver& driver)
    : state_(state), view_(view), operations_(operations), autostart_(autostart), driver_(driver) {}

void WizardFlow::FormCreate(const std::vector<std::string>& arguments) {
  state_.ResumeMode = false;
  view_.SetEnabled(Control::btvolgende, false);
  // The first page has no page before it, also while the first activation waits.
  view_.SetEnabled(Control::btVorige, false);
  state_.FirstActivation = true;
  if (arguments.size() == 1) {
    state_.ResumeMode = true;
    autostart_.RemoveEntry(kRunEntryName);
    view_.SetCustomerCode(arguments.front());
  }
}

void WizardFlow::FormActivate() {
  if (!state_.FirstActivation) return;
  // Until the service answers, the page has nothing else to show: the person sees what is awaited.
  const std::string& url = state_.service.ServiceBaseUrl;
  view_.SetStatusLine(AskingTheService(url));
  starting_ = true;
  WaitForTheService(true);
  const bool answered = CheckStatus(state_.service, url);
  // The English table is asked within the same wait: a code scanned meanwhile would start a
  // look-up inside it.
  if (answered) GetMessages(state_.service, "ENG");
  WaitForTheService(false);
  starting_ = false;
  view_.SetStatusLine("");
  // Cancelled while waiting: the wizard ends, without a window after the person left it.
  if (state_.service.pump.Terminating()) return;
  if (!answered) {
    const ErrorWindowTexts texts =
        WithServiceProblem(SetKind(ErrorKind::InstallError, state_.PosMessages()), state_.service);
    if (view_.ShowErrorWindow(texts) == kModalResultCancel) view_.CloseMainForm();
    return;
  }
  ApplyCaptions();
  RefreshPage();
  ShowPage(0);
  state_.FirstActivation = false;
  if (state_.ResumeMode) btCodeClick();
}

void WizardFlow::RefreshPage() {
  const cust_post& record = state_.CustPost();
  if (page_ == 1) {
    view_.SetCaption(Control::lblWelcome, record.cus_name);
    if (customer_loaded_) {
      const MessageTable& messages = state_.PosMessages();
      view_.SetCustomerSummary({record.cus_name, LookupMessage(messages, "POS_37"),
                                LookupMessage(messages, "POS_36") + record.cp_post_nr,
                                LookupMessage(messages, "POS_35") + record.cp_pos_nr});
      RefreshInstallTypes();
    } else {
      view_.SetCustomerSummary({"", "", "", ""});
    }
  }
  // A table without the caption leaves the button's caption as it is: a blank button does not
  // say where it leads.
  const std::string next =
      LookupMessage(state_.PosMessages(), page_ == kLastPage ? "POS_45" : "POS_5");
  if (!next.empty()) view_.SetCaption(Control::btvolgende, next);
  view_.SetEnabled(Control::btVorige, page_ != 0);
}

// Only shown: the installation always proceeds from the record's status.
void WizardFlow::RefreshInstallTypes() {
  const int status = StrToIntDef(state_.CustPost().cp_ps_code, kNotANumber);
  if (status < 0 || status > 1000) return;
  const bool fresh = status <= 10;
  view_.SetEnabled(Control::rbNewInstall, fresh);
  view_.SetChecked(Control::rbNewInstall, fresh);
  view_.SetEnabled(Control::rbContInstall, !fresh);
  view_.SetChecked(Control::rbContInstall, !fresh);
  // Undoing goes back to the status after the restart; at that status there is nothing to undo.
  view_.SetEnabled(Control::rbDelInstall, !fresh && status != 19);
}

void WizardFlow::ApplyCaptions() {
  if (!MessagesLoaded(state_.PosMessages())) return;
  for (const auto& [control, code] : kCaptions) {
    view_.SetCaption(control, LookupMessage(state_.PosMessages(), code));
  }
}

void WizardFlow::ShowPage(int page) {
  page_ = page;
  view_.ShowPage(page);
  RefreshPage();
}

void WizardFlow::TranslateAliases() {
  TranslateRecordAliases(state_.CustPost(), operations_, state_.WorkFolder);
}

void WizardFlow::WaitForTheService(bool waiting) {
  waiting_ = waiting;
  view_.SetEnabled(Control::dxBarCode, !waiting);
  view_.SetEnabled(Control::btCode, !waiting);
}

WizardFlow::CodeLookup WizardFlow::LookUpCode() {
  ServiceContext& service = state_.service;
  if (!CheckStatus(service, service.ServiceBaseUrl)) return CodeLookup::kNoService;
  ClearCustPost(state_.CustPost());
  operations_.TakeFailure();  // an earlier attempt's failure is no cause of this one's
  bool accepted = true;
  customer_loaded_ = GetCustInfo(service, view_.CustomerCode());
  if (customer_loaded_ && Trim(state_.CustPost().CP_NEEDCONF) == "1") {
    accepted =
        operations_.GenerateTemplates(state_.CustPost(), state_.WorkFolder, state_.FtpAccount);
  }
  if (accepted) FetchServerList();
  customer_loaded_ = GetCustInfo(service, view_.CustomerCode());
  if (!customer_loaded_ || !accepted) return CodeLookup::kRejected;
  const std::string language = state_.CustPost().cp_lng_code;
  UseLanguageOfCode(language);
  GetMessages(service, language);
  GetStatus2(service, language,
             [this](int box, const std::string& caption) { view_.SetStepCaption(box, caption); });
  TranslateAliases();
  return CodeLookup::kAccepted;
}

void WizardFlow::FetchServerList() {
  try {
    state_.FtpAccount.Passive = state_.CustPost().CP_FTPPASSIF;
    // Left open by the design: on a first run the work folder does not exist yet, the server
    // list could not be stored, and no location would ever be translated.
    operations_.PrepareFolder(state_.WorkFolder, false);
    operations_.FetchFile("srv", state_.WorkFolder, state_.FtpAccount, "serveurs.cfg",
                          ProgressBar::pb10);
    TranslateAliases();
  } catch (const std::exception&) {
    // Without a server list the database locations stay as the service sent them.
  }
}

OperationFailure WizardFlow::RejectionCause() {
  const OperationFailure failure = operations_.TakeFailure();
  if (!customer_loaded_) {
    if (!state_.service.last_request_answered) {
      return {ServiceProblem(state_.service), state_.service.last_problem.details};
    }
    return {Fill(Tr("Window", "the configuration service does not know the customer code %1"),
                 {view_.CustomerCode()}),
            ""};
  }
  return {failure.empty()
              ? Tr("Window", "the receipt templates of the customer could not be made")
              : Fill(Tr("Window", "the receipt templates of the customer could not be made: %1"),
                     {failure.cause}),
          failure.details};
}

void WizardFlow::btCodeClick() {
  // One wait at a time: a code scanned while the service is asked already waits its turn.
  if (waiting_ || state_.Busy) return;
  view_.SetEnabled(Control::btvolgende, false);
  WaitForTheService(true);
  const CodeLookup lookup = LookUpCode();
  WaitForTheService(false);
  // Left while waiting: the wizard ends, without a window or a run after the person left it.
  if (state_.service.pump.Terminating()) return;
  if (lookup == CodeLookup::kNoService) {
    view_.ShowErrorWindow(
        WithServiceProblem(SetKind(ErrorKind::NoService, state_.PosMessages()), state_.service));
    return;
  }
  if (lookup == CodeLookup::kRejected) {
    state_.ResumeMode = false;
    ErrorWindowTexts texts = SetKind(ErrorKind::CodeRejected, state_.PosMessages());
    const OperationFailure cause = RejectionCause();
    texts.cause = OneLine(cause.cause);
    texts.details = OneLine(cause.details);
    view_.ShowErrorWindow(texts);
    return;
  }
  view_.SetEnabled(Control::btvolgende, true);
  state_.TillFolder = state_.CustPost().PPA_POSPATH;
  ApplyCaptions();
  ShowSteps();
  if (state_.ResumeMode) {
    ShowPage(kLastPage);
    RunInstallation();
  } else {
    ShowPage(1);
  }
}

void WizardFlow::ShowSteps() {
  const cust_post& record = state_.CustPost();
  ClearStepBoxes(view_);
  ShowDoneSteps(view_, record.cp_ps_code);
  // The failure an earlier run stopped at shows on the steps page before anything runs; 118 is
  // no failure when it only waits for the end's report to be acknowledged.
  const int status = StrToIntDef(record.cp_ps_code, kNotANumber);
  const int failed = FailedStepBox(status);
  if (failed == 0) return;
  if (status == 118 && operations_.EndAwaitsAcknowledgement(state_.WorkFolder, record.CP_PKEY)) {
    return;
  }
  view_.SetStepFailed(failed);
}

void WizardFlow::RunInstallation() {
  driver_.RunInstallation();
  // Stopped by the person: the wizard ends now that the step in progress has ended (after its
  // error window, when that step failed).
  if (state_.AbortRequested) view_.CloseMainForm();
}

void WizardFlow::btvolgendeClick() {
  RefreshPage();
  if (page_ == kLastPage) RunInstallation();
  if (page_ < kLastPage) ShowPage(page_ + 1);
}

void WizardFlow::btVorigeClick() {
  RefreshPage();
  if (page_ > 0) ShowPage(page_ - 1);
}

void WizardFlow::dxBarCodeChange() { view_.SetEnabled(Control::btvolgende, false); }

bool WizardFlow::Confirm(const char* question) {
  return view_.ShowChoiceDialog(QuestionFor(question, state_.PosMessages())) == kResultYes;
}

void WizardFlow::btEindeClick() {
  // The service has not answered yet: it is unreachable as far as anyone knows, and asking it
  // again would keep the person waiting once more.
  if (starting_) return view_.CloseMainForm();
  if (!state_.Busy) {
    // During the code step the service is being asked already: a second request inside that
    // wait would be one wait in another.
    if ((!waiting_ && !CheckStatus(state_.service, state_.service.ServiceBaseUrl)) ||
        Confirm("POS_38")) {
      view_.CloseMainForm();
    }
    return;
  }
  // Asked and answered once: the run stops after its step.
  if (state_.AbortRequested) return;
  // Without the message table there is no question to ask, so a running installation goes on.
  if (MessagesLoaded(state_.PosMessages()) && Confirm("POS_32")) {
    state_.AbortRequested = true;
    view_.SetEnabled(Control::btEinde, false);
    view_.SetStopNote(StopsAfterThisStep());
  }
}

void WizardFlow::rbDelInstallClick() {
  if (!Confirm("POS_44")) {
    view_.SetChecked(Control::rbContInstall, true);
    return;
  }
  cust_post& record = state_.CustPost();
  record.cp_ps_code = "19";
  ClearStepBoxes(view_);
  ShowDoneSteps(view_, "19");
  RefreshPage();
  UpdateStatus(state_.service, StatusReportUrl(state_.service.ServiceBaseUrl, record.CP_PKEY, "19",
                                               record.cp_ps_code));
}

}  // namespace skarvel
