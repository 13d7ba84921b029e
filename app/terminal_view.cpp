#include "app/terminal_view.h"

#include <cstdio>

#include "app/step_boxes.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

constexpr int kBarWidth = 40;

}  // namespace

TerminalView::TerminalView(std::ostream& out, std::ostream& err, bool terminal, RunLog& log,
                           std::string code, bool no_restart)
    : out_(out),
      err_(err),
      terminal_(terminal),
      log_(log),
      code_(std::move(code)),
      no_restart_(no_restart) {}

void TerminalView::Say(const std::string& ansi_text) {
  EndProgressLine();
  out_ << Utf8FromAnsi(ansi_text) << std::endl;
  log_.Write(ansi_text);
}

void TerminalView::SayError(const ErrorWindowTexts& texts) {
  EndProgressLine();
  std::vector<std::string> lines{texts.title + ": " + texts.text};
  if (!texts.step.empty()) lines.push_back("  " + texts.step);
  if (!texts.cause.empty()) lines.push_back("  " + texts.cause);
  if (!texts.details.empty()) lines.push_back("  (details: " + texts.details + ")");
  for (const std::string& line : lines) {
    err_ << Utf8FromAnsi(line) << std::endl;
    log_.Write(line);
  }
}

void TerminalView::EndProgressLine() {
  if (!progress_line_open_) return;
  out_ << "\n";
  progress_line_open_ = false;
}

void TerminalView::ShowPage(int page) {
  if (page == 2 && state_ != nullptr) PrintCustomer();
  stretch_start_ = std::chrono::steady_clock::now();
}

void TerminalView::SayReport(int status, const std::string& answer) {
  const auto now = std::chrono::steady_clock::now();
  const std::chrono::duration<double> taken = now - stretch_start_;
  stretch_start_ = now;
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.2f s", taken.count());
  const char* outcome = status % 10 == 8 ? "failed" : "done";
  const bool acknowledged = answer == "\"OKOK\"";
  // Step 12 reports 118 when its 120 was not acknowledged: still step 12's outcome.
  const int step = running_step_ != 0 ? running_step_ : status / 10;
  if (on_report) on_report(step, status, acknowledged, taken.count());
  Say("  step " + std::to_string(step) + " " + outcome + ", reported " + std::to_string(status) +
      (acknowledged ? "" : " (not acknowledged: " + answer + ")") + "  [" + seconds + "]");
}

void TerminalView::PrintCustomer() {
  const cust_post& record = state_->service.CustPost;
  const MessageTable& messages = state_->service.PosMessages;
  Say("Customer " + record.CustomerCode);
  Say("  " + record.cus_name);
  Say("  " + LookupMessage(messages, "POS_37"));
  Say("  " + LookupMessage(messages, "POS_36") + record.cp_post_nr);
  Say("  " + LookupMessage(messages, "POS_35") + record.cp_pos_nr);
  Say("Installation status " + record.cp_ps_code);
  for (int box = 1; box <= kStepCount; ++box) {
    Say(std::string("  [") + (boxes_[box] == 0 ? ' ' : boxes_[box]) + "] " + (box < 10 ? " " : "") +
        std::to_string(box) + "  " + captions_[box]);
  }
}

void TerminalView::SetStepCaption(int box, const std::string& caption) { captions_[box] = caption; }

// The boxes are printed with the customer; during the run each step's outcome is printed from
// its status report, which says more than a tick.
void TerminalView::SetStepTicked(int box, bool ticked) { boxes_[box] = ticked ? 'x' : ' '; }

void TerminalView::SetStepFailed(int box) { boxes_[box] = '!'; }

void TerminalView::SetStopNote(const std::string& text) {
  log_.Write(kStoppedByPersonLog);
  Say(text);
}

void TerminalView::SetMemInfo(const std::string& text) {
  if (!text.empty()) Say("  " + text);
}

void TerminalView::AddMemInfoLine(const std::string& line) { Say("  " + line); }

void TerminalView::SetSilenceNote(const std::string& text) {
  if (text.empty()) {
    // The peer answered: on a terminal its line goes, and what comes next takes its place.
    if (terminal_ && silence_notes_ > 0) {
      out_ << "\r\x1b[K" << std::flush;
      progress_line_open_ = false;
    }
    silence_notes_ = 0;
    return;
  }
  if (!terminal_) {
    if (silence_notes_++ % 10 == 0) Say("  " + text);
    return;
  }
  ++silence_notes_;
  // The same line, overwritten; the next line of any kind starts below it.
  out_ << "\r  " << Utf8FromAnsi(text) << "\x1b[K" << std::flush;
  progress_line_open_ = true;
}

void TerminalView::SetProgress(ProgressBar, int position, int maximum) {
  if (!terminal_ || maximum <= 0) return;
  const int filled = kBarWidth * std::min(position, maximum) / maximum;
  out_ << "\r  [" << std::string(filled, '#') << std::string(kBarWidth - filled, ' ') << "] "
       << 100 * std::min(position, maximum) / maximum << "%" << std::flush;
  progress_line_open_ = true;
}

int TerminalView::ShowErrorWindow(const ErrorWindowTexts& texts) {
  kinds_shown_.insert(texts.kind);
  last_error_text_ = texts.text + "\n" + texts.cause;
  if (texts.kind != ErrorKind::InstallDone) last_cause_ = texts.cause;
  // After the restart was arranged the real wizard is gone; nothing it would show follows.
  if (restart_arranged_) return kModalResultCancel;
  if (on_window) on_window(texts);
  if (texts.kind != ErrorKind::InstallDone) {
    SayError(texts);
    return kModalResultCancel;
  }
  Say(texts.title + ": " + texts.text);
  // The end of a run that left something undone says so last, where a person looks.
  if (!texts.warnings.empty()) Say(kNotDoneHeading);
  for (const std::string& warning : texts.warnings) Say("Warning: " + warning);
  warnings_.insert(warnings_.end(), texts.warnings.begin(), texts.warnings.end());
  return kModalResultCancel;
}

void TerminalView::ShowRestartWindow(const RestartWindowTexts& texts, RestartCountdown& countdown) {
  for (const std::string& line : texts.lines) {
    if (!line.empty()) Say(line);
  }
  restart_arranged_ = true;
  if (no_restart_) {
    Say("The restart was not performed (--no-restart). After it, start the installation again "
        "with: skarvel-cli " +
        code_);
    return;
  }
  countdown.Start();
  countdown.RestartNow();
  if (!countdown.Restarting()) {
    Say(RestartCountdown::RefusalAdvice(countdown.Refusal()) +
        " Or start the installation again after it with: skarvel-cli " + code_);
  }
}

int TerminalView::ShowChoiceDialog(const ChoiceQuestion& question) {
  Say(question.text + " " + question.captions[0]);
  return kResultYes;
}

}  // namespace skarvel
