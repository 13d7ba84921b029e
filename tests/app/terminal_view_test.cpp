#include "app/terminal_view.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "app/step_boxes.h"
#include "app/window_texts.h"
#include "tests/support/recording_notifier.h"
#include "tests/support/temp_folder.h"

namespace skarvel {
namespace {

std::string Note(int seconds) {
  return "The download server 127.0.0.1 has not answered for " + std::to_string(seconds) + " s.";
}

// Without a terminal (a log, Ansible) a silent peer is printed at its first second and every
// tenth after it; on a terminal its one line is renewed in place, and either the next line
// starts below it or, once the peer answered, takes its place.
TEST(TerminalViewTest, ASilentPeerIsNamedWithoutALineASecond) {
  RunLog log("");
  std::ostringstream plain;
  TerminalView piped(plain, plain, false, log, "5412345000013", true);
  for (int second = 1; second <= 12; ++second) piped.SetSilenceNote(Note(second));
  piped.SetSilenceNote("");
  piped.SetSilenceNote(Note(1));
  EXPECT_EQ(plain.str(), "  " + Note(1) + "\n  " + Note(11) + "\n  " + Note(1) + "\n");

  std::ostringstream shown;
  TerminalView terminal(shown, shown, true, log, "5412345000013", true);
  terminal.SetSilenceNote(Note(1));
  terminal.SetSilenceNote(Note(2));
  terminal.Say("next");
  terminal.SetSilenceNote(Note(1));
  terminal.SetSilenceNote("");
  terminal.Say("answered");
  EXPECT_EQ(shown.str(), "\r  " + Note(1) + "\x1b[K\r  " + Note(2) + "\x1b[K\nnext\n\r  " +
                             Note(1) + "\x1b[K\r\x1b[Kanswered\n");
}

// The steps listed with the customer tell a failed step from the done ones and the open ones, and
// the stop the person asked for is said and logged.
TEST(TerminalViewTest, TheStepListMarksAFailedStepAndTheStopIsLogged) {
  const test::TempFolder folder;
  RunLog log(folder.File("skarvel.log"));
  std::ostringstream out;
  NullEventPump pump;
  test::RecordingNotifier notifier;
  ServiceContext context("http://127.0.0.1/skv/skv.dll", pump, notifier);
  InstallState state(context);
  context.CustPost.cp_ps_code = "48";
  std::ostringstream err;
  TerminalView view(out, err, false, log, "5412345000013", true);
  view.ShowStateOf(state);
  for (int box = 1; box <= kStepCount; ++box)
    view.SetStepCaption(box, "step " + std::to_string(box));
  ShowDoneSteps(view, "48");
  view.SetStepFailed(4);
  view.ShowPage(2);
  EXPECT_NE(out.str().find("  [x]  3  step 3\n  [!]  4  step 4\n  [ ]  5  step 5\n"),
            std::string::npos)
      << out.str();
  view.SetStopNote(StopsAfterThisStep());
  EXPECT_NE(out.str().find(StopsAfterThisStep()), std::string::npos);
  std::ifstream file(folder.File("skarvel.log"));
  const std::string logged((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
  EXPECT_NE(logged.find(kStoppedByPersonLog), std::string::npos) << logged;
}

WorkProgress Table(const std::string& name, std::uint64_t done, bool ended) {
  return {WorkProgress::Kind::kTable, name, "", done, 12, ended};
}

// A step's line and report name the download that step made, once; the server list fetched
// with the code, before any step, is no step's.
TEST(TerminalViewTest, AStepLineNamesOnlyTheDownloadOfItsStep) {
  RunLog log("");
  std::ostringstream shown;
  TerminalView piped(shown, shown, false, log, "5412345000013", true);
  std::vector<std::string> packages;
  piped.on_report = [&packages](const StepReport& report) { packages.push_back(report.package); };
  piped.ShowWorkProgress({WorkProgress::Kind::kDownload, "srv", "serveurs.cfg", 23, 23, true});
  piped.StepStarted(1);
  piped.SayReport(19, "\"OKOK\"");
  piped.StepStarted(3);
  piped.ShowWorkProgress({WorkProgress::Kind::kDownload, "zip", "7za.zip", 9, 9, true});
  piped.SayReport(39, "\"OKOK\"");
  piped.SayReport(39, "\"OKOK\"");
  EXPECT_EQ(packages, (std::vector<std::string>{"", "zip", ""}));
  const std::string text = shown.str();
  EXPECT_EQ(text.find("(srv)"), std::string::npos) << text;
  EXPECT_NE(text.find("step 3 done, reported 39 (zip)"), std::string::npos) << text;
}

// On a terminal a download's line is written over to its end, a step line starts below it, and
// each table of the copy takes over its own label's line; without a terminal nothing of it is
// written, while the machine-readable output is told of each piece in its step.
TEST(TerminalViewTest, EachPieceOfWorkHasALineOnATerminalOnly) {
  RunLog log("");
  std::ostringstream shown;
  TerminalView terminal(shown, shown, true, log, "5412345000013", true, 100);
  terminal.StepStarted(3);
  WorkProgress download{WorkProgress::Kind::kDownload, "srv", "serveurs.cfg", 0, 23, false};
  terminal.ShowWorkProgress(download);
  download.done = 23;
  download.ended = true;
  terminal.ShowWorkProgress(download);
  terminal.SayReport(39, "\"OKOK\"");
  terminal.StepStarted(9);
  terminal.SetMemInfo("tva");
  terminal.ShowWorkProgress(Table("tva", 0, false));
  terminal.ShowWorkProgress(Table("tva", 12, true));
  terminal.AddMemInfoLine("rayon");
  terminal.ShowWorkProgress(Table("rayon", 0, false));
  const std::string text = shown.str();
  const std::size_t report = text.find("\n  step 3 done, reported 39 (srv)  [");
  ASSERT_NE(report, std::string::npos) << text;
  EXPECT_EQ(text.substr(0, report),
            "\r  srv: serveurs.cfg  0 bytes / 23 bytes  [                    ]   0%\x1b[K"
            "\r  srv: serveurs.cfg  23 bytes / 23 bytes  [####################] 100%\x1b[K");
  const std::size_t tables = text.find("]\n", report) + 2;
  EXPECT_EQ(text.substr(tables),
            "  tva\r  tva  0 / 12 rows  [                    ]   0%\x1b[K"
            "\r  tva  12 / 12 rows  [####################] 100%\x1b[K\n"
            "  rayon\r  rayon  0 / 12 rows  [                    ]   0%\x1b[K");

  std::ostringstream plain;
  TerminalView piped(plain, plain, false, log, "5412345000013", true);
  std::vector<std::pair<int, WorkProgress>> told;
  piped.on_progress = [&told](int step, const MeasuredProgress& progress) {
    told.emplace_back(step, progress.work);
  };
  piped.StepStarted(9);
  piped.SetMemInfo("tva");
  piped.ShowWorkProgress(Table("tva", 0, false));
  piped.ShowWorkProgress(Table("tva", 12, true));
  EXPECT_EQ(plain.str(), "  tva\n");
  ASSERT_FALSE(told.empty());
  EXPECT_EQ(told.front().first, 9);
  EXPECT_EQ(told.front().second.name, "tva");
}

}  // namespace
}  // namespace skarvel
