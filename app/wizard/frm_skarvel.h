#pragma once

#include <functional>
#include <memory>

#include <QWidget>

#include "app/wizard_flow.h"
#include "app/wizard_view.h"
#include "platform/run_log.h"

class QProgressBar;
class QPushButton;

namespace Ui {
class TfrmSkarvel;
}

namespace skarvel {

class StepBox;
class TfrmErrwindow;
class TfrmRestWindows;

// The wizard's main window: three pages, the step boxes and the navigation buttons. It shows
// what the flow tells it and forwards every click to the flow; the rules live in the flow.
class TfrmSkarvel : public QWidget, public WizardView {
  Q_OBJECT

 signals:
  // The wizard is done: its window closed and no work of the flow is left to finish. The
  // program then ends.
  void wizardEnded();

 public:
  explicit TfrmSkarvel(RunLog& log, QWidget* parent = nullptr);
  ~TfrmSkarvel() override;

  // The secondary windows, created after the main form as the program entry does.
  void SetWindows(TfrmErrwindow* error_window, TfrmRestWindows* restart_window);
  // Connects the controls to the flow; call once before showing the window.
  void SetFlow(WizardFlow* flow);
  // Called when the window closes while no installation runs: every wait then gives up at once.
  void SetOnIdleClose(std::function<void()> action) { on_idle_close_ = std::move(action); }

  Ui::TfrmSkarvel& ui() { return *ui_; }

  // Brings the wizard to the front of the desktop (a second start asks for it), with the window
  // it waits on, if any.
  void BringToFront();
  // The page's default button, which Enter activates wherever the focus is on the page (unless
  // the focus is on another button, which Enter then activates).
  QPushButton* DefaultButton() const;

  // WizardView
  void SetCaption(Control control, const std::string& caption) override;
  void SetEnabled(Control control, bool enabled) override;
  void SetChecked(Control control, bool checked) override;
  void ShowPage(int page) override;
  std::string CustomerCode() const override;
  void SetCustomerCode(const std::string& code) override;
  void SetCustomerSummary(const std::vector<std::string>& lines) override;
  void SetStepCaption(int box, const std::string& caption) override;
  void SetStepTicked(int box, bool ticked) override;
  void SetStepFailed(int box) override;
  void SetMemInfo(const std::string& text) override;
  void AddMemInfoLine(const std::string& line) override;
  void SetProgress(ProgressBar bar, int position, int maximum) override;
  void SetProgressVisible(ProgressBar bar, bool visible) override;
  void SetProgressText(ProgressBar bar, const std::string& text) override;
  int ShowErrorWindow(const ErrorWindowTexts& texts) override;
  void ShowRestartWindow(const RestartWindowTexts& texts, RestartCountdown& countdown) override;
  int ShowChoiceDialog(const ChoiceQuestion& question) override;
  void CloseMainForm() override;
  void SetStatusLine(const std::string& text) override;
  void SetSilenceNote(const std::string& text) override;
  void SetStopNote(const std::string& text) override;

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // Enter activates the focused button, else the page's default; on the code page, what is
  // typed or scanned goes into the code field wherever the focus is.
  void keyPressEvent(QKeyEvent* event) override;
  // A window manager that ignores the missing minimise button may still minimise the window:
  // it comes back at once, so that the wizard is never out of sight and lost.
  void changeEvent(QEvent* event) override;
  // The title bar's close box (and alt+F4) is the cancel button: the same questions, the same
  // rules; only the flow's own close shuts the window.
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* Widget(Control control) const;
  QProgressBar* Bar(ProgressBar bar) const;
  StepBox* Box(int box) const;
  // After a code step that left the code page: the code is selected, so that the next scan
  // replaces it instead of being cut off at thirteen characters.
  void ReadyForAnotherCode();
  void FormActivate();
  void UpperCaseCode(const QString& text);
  // Runs a handler of the flow. Windows the flow shows must be able to wait for the person, so
  // the wizard ends only when the outermost handler has returned after the window closed.
  using FlowHandler = void (WizardFlow::*)();
  void RunFlow(FlowHandler handler);
  void EndWhenIdle();
  // The design's window has one size on every page.
  void FixSize();

  std::unique_ptr<Ui::TfrmSkarvel> ui_;
  RunLog& log_;
  WizardFlow* flow_ = nullptr;
  TfrmErrwindow* error_window_ = nullptr;
  TfrmRestWindows* restart_window_ = nullptr;
  bool activating_ = false;
  int flow_depth_ = 0;
  bool close_confirmed_ = false;
  bool closed_ = false;
  std::function<void()> on_idle_close_;
  QString mem_info_;  // MemInfo's text without a silence note
};

}  // namespace skarvel
