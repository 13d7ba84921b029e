#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <ostream>
#include <set>
#include <string>

#include "app/install_state.h"
#include "app/step_report.h"
#include "app/wizard_view.h"
#include "app/work_progress.h"
#include "platform/run_log.h"

namespace skarvel {

// The wizard's windows as lines on a terminal, for the unattended program. It never waits for a
// person: the only question it meets is the cancel question after Ctrl-C, which it answers yes.
// On a terminal each download, unpacking and table of the copy has a line of its own, written
// over as the work goes on; otherwise only plain lines are written. Everything it prints also
// goes to the run log.
class TerminalView final : public WizardView {
 public:
  // Error windows go to err, as the terminal's other programs say what went wrong; the rest to
  // out. width: the terminal's, in characters (progress lines stay shorter).
  TerminalView(std::ostream& out, std::ostream& err, bool terminal, RunLog& log, std::string code,
               bool no_restart, std::size_t width = 80);
  // Ends a line left open for a progress line to write over.
  ~TerminalView() override;
  TerminalView(const TerminalView&) = delete;
  TerminalView& operator=(const TerminalView&) = delete;

  // The state whose customer the view prints when the installation page shows.
  void ShowStateOf(const InstallState& state) { state_ = &state; }

  void SetCaption(Control, const std::string&) override {}
  void SetEnabled(Control, bool) override {}
  void SetChecked(Control, bool) override {}
  void ShowPage(int page) override;
  std::string CustomerCode() const override { return code_; }
  void SetCustomerCode(const std::string& code) override { code_ = code; }
  void SetCustomerSummary(const std::vector<std::string>&) override {}
  void SetStepCaption(int box, const std::string& caption) override;
  void SetStepTicked(int box, bool ticked) override;
  void SetStepFailed(int box) override;
  void SetMemInfo(const std::string& text) override;
  void AddMemInfoLine(const std::string& line) override;
  // The bars are drawn as the progress lines of ShowWorkProgress.
  void SetProgress(ProgressBar, int, int) override {}
  void SetProgressVisible(ProgressBar, bool) override {}
  void SetProgressText(ProgressBar, const std::string&) override {}
  void ShowWorkProgress(const WorkProgress& progress) override;
  int ShowErrorWindow(const ErrorWindowTexts& texts) override;
  void ShowRestartWindow(const RestartWindowTexts& texts, RestartCountdown& countdown) override;
  int ShowChoiceDialog(const ChoiceQuestion& question) override;
  void CloseMainForm() override { closed_ = true; }
  void SetStatusLine(const std::string& text) override {
    if (!text.empty()) Say(text);
  }
  // On a terminal the note stands on a line of its own (or over a transfer's line), renewed in
  // place and wiped when the peer answers; otherwise its first second and every tenth after it
  // are printed, so that a log shows the wait without a line a second.
  void SetSilenceNote(const std::string& text) override;
  void SetStopNote(const std::string& text) override;

  // Prints a line as the view prints its own, and logs it at level.
  void Say(const std::string& ansi_text, RunLog::Level level = RunLog::Level::kInfo);
  // Ends a line left open, before something else writes to the terminal (standard error).
  void BreakLine();
  // The step the installation driver runs now; its reports are its outcome lines.
  void StepStarted(int step) {
    running_step_ = step;
    download_.clear();
  }
  // Prints the outcome of the running step (of status / 10 outside a run) from its status report
  // (10k+9 done, 10k+8 failed), with the download it followed and the time since the previous
  // report, or since the installation page showed.
  void SayReport(int status, const std::string& answer);

  // Told of each step's report, of each window shown, and of the progress of the work (at most
  // four times a second, besides the first and the last report of each piece, which a reader
  // never misses), for the machine-readable output.
  std::function<void(const StepReport& report)> on_report;
  std::function<void(const ErrorWindowTexts& texts)> on_window;
  std::function<void(int step, const MeasuredProgress& progress)> on_progress;

  bool Closed() const { return closed_; }
  // What the completion window said could not be done.
  const std::vector<std::string>& Warnings() const { return warnings_; }
  bool RestartArranged() const { return restart_arranged_; }
  const std::set<ErrorKind>& KindsShown() const { return kinds_shown_; }
  // The text and the cause of the last error window shown; empty when none was.
  const std::string& LastErrorText() const { return last_error_text_; }
  const std::string& LastCause() const { return last_cause_; }

 private:
  // What the last line written is, when it was left open to be written over.
  enum class OpenLine { kNone, kLabel, kProgress, kSilence };

  void PrintCustomer();
  // An error window's lines: the text, the step, the cause and the details.
  void SayError(const ErrorWindowTexts& texts);
  void EndOpenLine();
  // Writes text over the open line when it has the key (or is of a kind in over), else on a line
  // of its own, and leaves it open as kind with key.
  void WriteOver(const std::string& ansi_text, OpenLine kind, const std::string& key,
                 std::initializer_list<OpenLine> over);
  // A memo line: on a terminal left open, for a table's progress to write over its label.
  void SayLabel(const std::string& ansi_text);

  std::ostream& out_;
  std::ostream& err_;
  bool terminal_;
  std::size_t width_;
  RunLog& log_;
  const InstallState* state_ = nullptr;
  std::string code_;
  bool no_restart_;
  std::array<std::string, 13> captions_;
  std::array<char, 13> boxes_ = {};  // box 1..12 as the list shows it: ' ', 'x' done, '!' failed
  OpenLine open_ = OpenLine::kNone;
  std::string open_key_;
  int silence_notes_ = 0;  // since the peer last answered
  int running_step_ = 0;
  std::chrono::steady_clock::time_point stretch_start_ = std::chrono::steady_clock::now();
  ProgressRate rate_;
  ProgressPace line_pace_{std::chrono::milliseconds(100), true};
  ProgressPace machine_pace_{std::chrono::milliseconds(250), true};
  std::string download_;  // the download since the last report
  bool closed_ = false;
  bool restart_arranged_ = false;
  std::set<ErrorKind> kinds_shown_;
  std::string last_error_text_;
  std::string last_cause_;
  std::vector<std::string> warnings_;
};

}  // namespace skarvel
