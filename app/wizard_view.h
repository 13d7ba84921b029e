#pragma once

#include <string>
#include <vector>

#include "app/restart_countdown.h"
#include "app/window_texts.h"
#include "app/work_progress.h"

namespace skarvel {

// The controls of the main form whose captions or state the flow sets.
enum class Control {
  Form,
  paWelcome,
  lblCode,
  dxBarCode,
  btCode,
  paCustInfo,
  lblWelcome,
  rbNewInstall,
  rbContInstall,
  rbDelInstall,
  paInstInfo,
  lblInformatie,
  btEinde,
  btVorige,
  btvolgende,
};

enum class ProgressBar { pb10, pbfilldb, pb1 };

// The run log's line when the person stops a running installation (support staff read it in
// English, whatever the person's language).
inline constexpr char kStoppedByPersonLog[] =
    "the person stopped the installation: it ends after the step in progress";

// Everything the flow shows. The flow decides which text, kind and caption; a view only draws
// (the wizard's widgets, or the terminal of the unattended program) and reports what the person
// typed or answered. Modal calls return when the window is closed.
class WizardView {
 public:
  virtual ~WizardView() = default;

  virtual void SetCaption(Control control, const std::string& caption) = 0;
  virtual void SetEnabled(Control control, bool enabled) = 0;
  // The radio buttons of page 2.
  virtual void SetChecked(Control control, bool checked) = 0;
  // Page index 0, 1 or 2.
  virtual void ShowPage(int page) = 0;

  // dxBarCode.
  virtual std::string CustomerCode() const = 0;
  virtual void SetCustomerCode(const std::string& code) = 0;

  // lblWelcome is set through SetCaption; memInfoKlant gets its four lines here.
  virtual void SetCustomerSummary(const std::vector<std::string>& lines) = 0;

  // Step boxes 1..12. A box is open, ticked (done) or failed: ticking or unticking a failed box
  // ends its failure.
  virtual void SetStepCaption(int box, const std::string& caption) = 0;
  virtual void SetStepTicked(int box, bool ticked) = 0;
  // The box of a step that failed: unticked and marked as failed (a cross, not a tick).
  virtual void SetStepFailed(int box) = 0;

  // MemInfo: replace the text, or add a line.
  virtual void SetMemInfo(const std::string& text) = 0;
  virtual void AddMemInfoLine(const std::string& line) = 0;

  // A bar whose maximum is 0 has nothing to show: it is empty.
  virtual void SetProgress(ProgressBar bar, int position, int maximum) = 0;
  virtual void SetProgressVisible(ProgressBar bar, bool visible) = 0;
  // What a bar runs over, shown with its percentage (empty: the percentage alone).
  virtual void SetProgressText(ProgressBar bar, const std::string& text) = 0;
  // How far a download, an unpacking or the copy of a table has got, beside the bars: what the
  // unattended program's terminal and JSON show. A view without the room ignores it.
  virtual void ShowWorkProgress(const WorkProgress&) {}

  // frmErrwindow, modal; its modal result (kModalResultCancel when closed by its button or the
  // window frame).
  virtual int ShowErrorWindow(const ErrorWindowTexts& texts) = 0;
  // frmRestWindows, modal: Start()s the countdown, ticks it every second and offers RestartNow.
  // Returns only when the window closes without a restart taking the program down: after a
  // refused restart, whose advice the view keeps where the person reads it (the wizard: the
  // information text).
  virtual void ShowRestartWindow(const RestartWindowTexts& texts, RestartCountdown& countdown) = 0;
  // The yes/no question; kResultYes (6), kResultNo (7) or another result.
  virtual int ShowChoiceDialog(const ChoiceQuestion& question) = 0;

  // Closes the main form, which ends the program once the current work returns.
  virtual void CloseMainForm() = 0;

  // The status line: what the program waits for where no page says it (empty: nothing).
  virtual void SetStatusLine(const std::string& text) = 0;

  // The person confirmed the stop of the running installation: text says, until the program
  // ends, that it stops after the step in progress; the log records that the person stopped it.
  virtual void SetStopNote(const std::string& text) = 0;

  // Who keeps the program waiting by sending nothing, and for how long ("The download server
  // 127.0.0.1 has not answered for 12 s."), renewed every second: shown with MemInfo's text, or
  // on the status line before the installation page shows. Empty: the peer answered.
  virtual void SetSilenceNote(const std::string& text) = 0;
};

}  // namespace skarvel
