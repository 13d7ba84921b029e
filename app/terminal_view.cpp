#include "app/terminal_view.h"

#include <algorithm>
#include <cstdio>

#include "app/progress_line.h"
#include "app/step_boxes.h"
#include "platform/translation.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

// The key of a piece of work's line; a table's label line has its table's key, so that the
// table's progress takes the label's line.
std::string LineKey(WorkProgress::Kind kind, const std::string& name) {
  return std::to_string(static_cast<int>(kind)) + ":" + name;
}

}  // namespace

TerminalView::TerminalView(std::ostream& out, std::ostream& err, bool terminal, RunLog& log,
                           std::string code, bool no_restart, std::size_t width)
    : out_(out),
      err_(err),
      terminal_(terminal),
      width_(std::max<std::size_t>(width, 20)),
      log_(log),
      code_(std::move(code)),
      no_restart_(no_restart) {}

TerminalView::~TerminalView() { BreakLine(); }

void TerminalView::Say(const std::string& ansi_text, RunLog::Level level) {
  EndOpenLine();
  out_ << Utf8FromAnsi(ansi_text) << std::endl;
  log_.Write(level, ansi_text);
}

void TerminalView::SayError(const ErrorWindowTexts& texts) {
  EndOpenLine();
  std::string entry;
  for (const std::string& line : ErrorWindowLines(texts)) {
    err_ << Utf8FromAnsi(line) << std::endl;
    entry += (entry.empty() ? "" : "\n") + line;
  }
  // One entry, so that a check writing beside it cannot come between its lines.
  log_.Write(RunLog::Level::kError, entry);
}

void TerminalView::BreakLine() {
  EndOpenLine();
  out_ << std::flush;
}

void TerminalView::EndOpenLine() {
  if (open_ == OpenLine::kNone) return;
  out_ << "\n";
  open_ = OpenLine::kNone;
  open_key_.clear();
}

void TerminalView::WriteOver(const std::string& ansi_text, OpenLine kind, const std::string& key,
                             std::initializer_list<OpenLine> over) {
  // A table's progress takes its label's line.
  const bool same = open_key_ == key && (open_ == kind || open_ == OpenLine::kLabel);
  if (!same && std::find(over.begin(), over.end(), open_) == over.end()) EndOpenLine();
  out_ << "\r" << Utf8FromAnsi(ansi_text) << "\x1b[K" << std::flush;
  open_ = kind;
  open_key_ = key;
}

void TerminalView::SayLabel(const std::string& ansi_text) {
  if (!terminal_) return Say(ansi_text);
  EndOpenLine();
  out_ << Utf8FromAnsi(ansi_text) << std::flush;
  log_.Write(ansi_text);
  open_ = OpenLine::kLabel;
  open_key_ = LineKey(WorkProgress::Kind::kTable, ansi_text.substr(2));
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
  // Step 12 reports 118 when its 120 was not acknowledged: still step 12's outcome.
  const int step = running_step_ != 0 ? running_step_ : status / 10;
  const StepReport report{step,
                          status,
                          answer == "\"OKOK\"",
                          taken.count(),
                          step >= 1 && step <= kStepCount ? captions_[step] : "",
                          std::exchange(download_, "")};
  if (on_report) on_report(report);
  const std::string& download = report.package;
  const std::string outcome = report.Failed() ? Tr("Terminal", "step %1 failed, reported %2")
                                              : Tr("Terminal", "step %1 done, reported %2");
  Say("  " + Fill(outcome, {std::to_string(step), std::to_string(status)}) +
          (download.empty() ? "" : " (" + download + ")") +
          (report.acknowledged ? ""
                               : " " + Fill(Tr("Terminal", "(not acknowledged: %1)"), {answer})) +
          "  [" + seconds + "]",
      report.Failed() ? RunLog::Level::kError : RunLog::Level::kInfo);
}

void TerminalView::PrintCustomer() {
  const cust_post& record = state_->service.CustPost;
  const MessageTable& messages = state_->service.PosMessages;
  Say(Fill(Tr("Terminal", "Customer %1"), {record.CustomerCode}));
  Say("  " + record.cus_name);
  Say("  " + LookupMessage(messages, "POS_37"));
  Say("  " + LookupMessage(messages, "POS_36") + record.cp_post_nr);
  Say("  " + LookupMessage(messages, "POS_35") + record.cp_pos_nr);
  Say(Fill(Tr("Terminal", "Installation status %1"), {record.cp_ps_code}));
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
  if (!text.empty()) SayLabel("  " + text);
}

void TerminalView::AddMemInfoLine(const std::string& line) { SayLabel("  " + line); }

void TerminalView::ShowWorkProgress(const WorkProgress& progress) {
  const auto now = ProgressRate::Clock::now();
  const MeasuredProgress measured = rate_.Add(progress, now);
  // A download before the run (the server list, with the code) is no step's.
  if (progress.kind == WorkProgress::Kind::kDownload && running_step_ != 0) {
    download_ = progress.name;
  }
  if (on_progress && machine_pace_.Due(progress, now)) on_progress(running_step_, measured);
  if (!terminal_ || !line_pace_.Due(progress, now)) return;
  // The last column stays free: a terminal that wraps there would leave the line for good.
  WriteOver(ProgressLine(measured, width_ - 1), OpenLine::kProgress,
            LineKey(progress.kind, progress.name), {});
}

void TerminalView::SetSilenceNote(const std::string& text) {
  if (text.empty()) {
    // The peer answered: on a terminal its line goes, and what comes next takes its place.
    if (open_ == OpenLine::kSilence) {
      out_ << "\r\x1b[K" << std::flush;
      open_ = OpenLine::kNone;
      open_key_.clear();
    }
    silence_notes_ = 0;
    return;
  }
  if (!terminal_) {
    if (silence_notes_++ % 10 == 0) Say("  " + text);
    return;
  }
  ++silence_notes_;
  // The same line, overwritten, or the line of the transfer that stalled; the next line of any
  // kind starts below it.
  WriteOver("  " + text, OpenLine::kSilence, "", {OpenLine::kProgress});
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
  if (!texts.warnings.empty()) Say(NotDoneHeading(), RunLog::Level::kWarning);
  for (const std::string& warning : texts.warnings) {
    Say(Fill(Tr("Terminal", "Warning: %1"), {warning}), RunLog::Level::kWarning);
  }
  warnings_.insert(warnings_.end(), texts.warnings.begin(), texts.warnings.end());
  return kModalResultCancel;
}

void TerminalView::ShowRestartWindow(const RestartWindowTexts& texts, RestartCountdown& countdown) {
  for (const std::string& line : texts.lines) {
    if (!line.empty()) Say(line);
  }
  restart_arranged_ = true;
  if (no_restart_) {
    Say(Fill(Tr("Terminal",
                "The restart was not performed (--no-restart). After it, start the installation "
                "again with: skarvel-cli %1"),
             {code_}));
    return;
  }
  countdown.Start();
  countdown.RestartNow();
  if (!countdown.Restarting()) {
    Say(RestartCountdown::RefusalAdvice(countdown.Refusal()) + " " +
            Fill(Tr("Terminal", "Or start the installation again after it with: skarvel-cli %1"),
                 {code_}),
        RunLog::Level::kError);
  }
}

int TerminalView::ShowChoiceDialog(const ChoiceQuestion& question) {
  Say(question.text + " " + question.captions[0]);
  return kResultYes;
}

}  // namespace skarvel
