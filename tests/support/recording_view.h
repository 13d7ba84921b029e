#pragma once

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/wizard_view.h"

namespace skarvel::test {

// A view that remembers what the flow showed and answers its questions from a script.
class RecordingView final : public WizardView {
 public:
  void SetCaption(Control control, const std::string& caption) override {
    captions[control] = caption;
  }
  void SetEnabled(Control control, bool enabled) override { this->enabled[control] = enabled; }
  void SetChecked(Control control, bool checked) override { this->checked[control] = checked; }
  void ShowPage(int shown) override { page = shown; }
  std::string CustomerCode() const override { return code; }
  void SetCustomerCode(const std::string& text) override { code = text; }
  void SetCustomerSummary(const std::vector<std::string>& lines) override { summary = lines; }
  void SetStepCaption(int box, const std::string& caption) override {
    step_captions[box] = caption;
  }
  void SetStepTicked(int box, bool on) override {
    ticked[box] = on;
    failed.erase(box);
  }
  void SetStepFailed(int box) override {
    ticked[box] = false;
    failed.insert(box);
  }
  void SetMemInfo(const std::string& text) override { mem_info = {text}; }
  void AddMemInfoLine(const std::string& line) override {
    mem_info.push_back(line);
    shown_lines.insert(line);
  }
  void SetProgress(ProgressBar bar, int position, int maximum) override {
    progress[bar] = {position, maximum};
    if (on_progress) on_progress(bar, position, maximum);
  }
  void SetProgressVisible(ProgressBar bar, bool visible) override {
    progress_visible[bar] = visible;
  }
  void SetProgressText(ProgressBar bar, const std::string& text) override {
    progress_text[bar] = text;
  }
  void ShowWorkProgress(const WorkProgress& work) override {
    if (work.ended) ended_work.push_back(work);
  }

  int ShowErrorWindow(const ErrorWindowTexts& texts) override {
    error_windows.push_back(texts);
    return error_window_result;
  }
  void ShowRestartWindow(const RestartWindowTexts& texts, RestartCountdown& countdown) override {
    restart_windows.push_back(texts);
    countdown.Start();
    while (countdown.TimerEnabled()) countdown.Tick();
  }
  int ShowChoiceDialog(const ChoiceQuestion& question) override {
    questions.push_back(question);
    if (answers.empty()) return kResultNo;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void CloseMainForm() override { closed = true; }
  void SetStatusLine(const std::string& text) override { status_lines.push_back(text); }
  void SetStopNote(const std::string& text) override { stop_notes.push_back(text); }
  void SetSilenceNote(const std::string& text) override {
    silence_notes.push_back(text);
    if (on_silence_note) on_silence_note(text);
  }

  // The boxes as a string of twelve '0' (open), '1' (ticked) or 'x' (failed), box 1 first.
  std::string Ticks() const {
    std::string out;
    for (int box = 1; box <= 12; ++box) {
      const auto found = ticked.find(box);
      out += failed.count(box) ? 'x' : found != ticked.end() && found->second ? '1' : '0';
    }
    return out;
  }

  std::map<Control, std::string> captions;
  std::map<Control, bool> enabled;
  std::map<Control, bool> checked;
  int page = -1;
  std::string code;
  std::vector<std::string> summary;
  std::map<int, std::string> step_captions;
  std::map<int, bool> ticked;
  std::set<int> failed;
  std::vector<std::string> mem_info;
  // Every line ever added to the information text.
  std::multiset<std::string> shown_lines;
  std::map<ProgressBar, std::pair<int, int>> progress;
  std::map<ProgressBar, bool> progress_visible;
  std::map<ProgressBar, std::string> progress_text;
  std::function<void(ProgressBar bar, int position, int maximum)> on_progress;
  std::vector<WorkProgress> ended_work;  // the last report of each piece of work
  std::vector<ErrorWindowTexts> error_windows;
  int error_window_result = kModalResultCancel;
  std::vector<RestartWindowTexts> restart_windows;
  std::vector<std::string> silence_notes;
  std::function<void(const std::string& text)> on_silence_note;
  std::vector<ChoiceQuestion> questions;
  std::deque<int> answers;
  bool closed = false;
  std::vector<std::string> status_lines;
  std::vector<std::string> stop_notes;
};

}  // namespace skarvel::test
