#pragma once

#include <string>
#include <vector>

#include "app/install_operations.h"
#include "app/install_state.h"
#include "app/installation_driver.h"
#include "app/wizard_view.h"
#include "platform/autostart.h"

namespace skarvel {

// The main form's behaviour, free of any window toolkit: start-up, the three pages and their
// captions, the customer-code step, the cancel and undo actions, and the start of the
// installation. The wizard's widgets forward their events here; the unattended program calls
// the same operations.
class WizardFlow {
 public:
  static constexpr int kLastPage = 2;

  WizardFlow(InstallState& state, WizardView& view, InstallOperations& operations,
             Autostart& autostart, InstallationDriver& driver);

  // The command line without the program name: exactly one argument is the customer code and
  // means resume mode; none, or two and more, is an ordinary start.
  void FormCreate(const std::vector<std::string>& arguments);
  // Acts at the first activation only (until the service has once answered).
  void FormActivate();
  // True while the installation driver runs.
  bool Running() const { return state_.Busy; }

  void RefreshPage();
  void ApplyCaptions();
  void ShowPage(int page);  // and what a change of page does: RefreshPage
  int ActivePage() const { return page_; }

  void btCodeClick();
  void btvolgendeClick();
  void btVorigeClick();
  void dxBarCodeChange();
  void btEindeClick();
  void rbDelInstallClick();
  // The installation driver; when the person stopped the run, the wizard then ends.
  void RunInstallation();

 private:
  enum class CodeLookup { kNoService, kRejected, kAccepted };

  void RefreshInstallTypes();
  void TranslateAliases();
  bool Confirm(const char* question);
  // While the service is asked, the code field and its button wait too.
  void WaitForTheService(bool waiting);
  // The customer-code step's requests: the record, the receipt templates, the server list and,
  // for an accepted code, the customer's messages and step captions.
  CodeLookup LookUpCode();
  // Why the code was not accepted, from the look-up just made.
  OperationFailure RejectionCause();
  void FetchServerList();
  // The step boxes as the record's status shows them: done steps ticked, a failed one crossed.
  void ShowSteps();

  InstallState& state_;
  WizardView& view_;
  InstallOperations& operations_;
  Autostart& autostart_;
  InstallationDriver& driver_;
  int page_ = 0;
  bool starting_ = false;  // the first activation waits for the service
  bool waiting_ = false;   // the first activation or the code step waits for the service
  bool customer_loaded_ = false;
};

}  // namespace skarvel
