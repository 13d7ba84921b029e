#include "app/step_boxes.h"
#include "app/wizard_flow.h"
#include "tests/support/flow_fixture.h"
#include "tests/support/sockets.h"

namespace skarvel {
namespace {

using test::FlowTest;

class CancelUndoTest : public FlowTest {
 protected:
  // The cancel button, clicked once while the installation runs. True once it was clicked.
  const bool& ClickCancelDuringTheRun() {
    pump_.on_pump = [this] {
      if (state_.Busy && !cancel_clicked_) {
        cancel_clicked_ = true;
        flow_.btEindeClick();
      }
    };
    return cancel_clicked_;
  }
  bool cancel_clicked_ = false;
};

TEST_F(CancelUndoTest, CancelOnPageOneAsksAndNoLeavesEverythingAsItWas) {
  flow_.FormCreate({});
  flow_.FormActivate();
  flow_.btEindeClick();
  ASSERT_EQ(view_.questions.size(), 1u);
  EXPECT_EQ(view_.questions[0].text, "Do you want to leave Skarvel?");
  EXPECT_EQ(view_.questions[0].captions[0], "Yes");
  EXPECT_EQ(view_.questions[0].captions[1], "No");
  EXPECT_EQ(view_.questions[0].caption, "SKARVEL");
  EXPECT_EQ(view_.questions[0].focus, "No");
  EXPECT_FALSE(view_.closed);
  view_.answers = {kResultYes};
  flow_.btEindeClick();
  EXPECT_TRUE(view_.closed);
}

TEST_F(CancelUndoTest, CancelWithoutTheServiceClosesWithoutAsking) {
  context_.ServiceBaseUrl =
      "http://127.0.0.1:" + std::to_string(test::RefusingPort()) + "/skv/skv.dll";
  flow_.btEindeClick();
  EXPECT_TRUE(view_.questions.empty());
  EXPECT_TRUE(view_.closed);
}

// Yes keeps the window while the step in progress ends: it says so, Cancel is done with, and a
// second Cancel asks nothing; the wizard closes once the pass has ended.
TEST_F(CancelUndoTest, AConfirmedCancelEndsTheRunAfterThePassWithoutAWindow) {
  StandOnPage3("5412345000037", "40");
  view_.answers = {kResultYes};
  ClickCancelDuringTheRun();
  bool closed_during_the_step = true;
  operations_.on_call = [&](const std::string& call) {
    if (call.rfind("UnzipPackage", 0) != 0) return;
    closed_during_the_step = view_.closed;
    flow_.btEindeClick();
  };
  flow_.btvolgendeClick();
  EXPECT_FALSE(closed_during_the_step);
  EXPECT_EQ(view_.questions.size(), 1u);
  EXPECT_EQ(view_.stop_notes, std::vector<std::string>{StopsAfterThisStep()});
  EXPECT_FALSE(view_.enabled[Control::btEinde]);
  EXPECT_TRUE(state_.AbortRequested);
  EXPECT_TRUE(view_.closed);
  EXPECT_EQ(Reports(), std::vector<std::string>{"49/40"});  // the pass in progress ran to its end
  EXPECT_TRUE(view_.error_windows.empty());
  EXPECT_EQ(view_.questions.back().text, "An installation is running. Stop it and leave Skarvel?");
  EXPECT_EQ(view_.questions.back().focus, "No");
}

TEST_F(CancelUndoTest, CancelDuringARunWithoutAMessageTableDoesNothing) {
  StandOnPage3("5412345000037", "100");
  state_.service.PosMessages.resize(1);
  const bool& clicked = ClickCancelDuringTheRun();
  flow_.btvolgendeClick();
  EXPECT_TRUE(clicked);
  EXPECT_TRUE(view_.questions.empty());
  EXPECT_FALSE(state_.AbortRequested);
  EXPECT_EQ(Reports().back(), "120/120");  // the run went on to its end
}

TEST_F(CancelUndoTest, UndoFromSixtySendsNineteenAndTheNextRunStartsAtStepTwo) {
  StandOnPage3("5412345000037", "60");
  flow_.btVorigeClick();
  ShowDoneSteps(view_, "60");
  view_.answers = {kResultYes};
  flow_.rbDelInstallClick();
  EXPECT_EQ(view_.Ticks(), "100000000000");
  EXPECT_EQ(Reports(), std::vector<std::string>{"19/19"});
  EXPECT_TRUE(view_.checked[Control::rbContInstall]);
  EXPECT_FALSE(view_.enabled[Control::rbDelInstall]);
  operations_.failing = {"DownloadFolder"};
  flow_.btvolgendeClick();
  flow_.btvolgendeClick();
  EXPECT_EQ(Reports()[1], "29/19");
}

TEST_F(CancelUndoTest, UndoDeclinedKeepsTheStatus) {
  AcceptCode("5412345000037");
  view_.checked[Control::rbContInstall] = false;
  flow_.rbDelInstallClick();
  EXPECT_TRUE(view_.checked[Control::rbContInstall]);
  EXPECT_EQ(state_.CustPost().cp_ps_code, "20");
  EXPECT_TRUE(Reports().empty());
}

}  // namespace
}  // namespace skarvel
