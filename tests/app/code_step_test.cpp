#include "app/window_texts.h"
#include "app/wizard_flow.h"
#include "tests/support/flow_fixture.h"
#include "tests/support/sockets.h"

namespace skarvel {
namespace {

using test::FlowTest;

class CodeStepTest : public FlowTest {};

TEST_F(CodeStepTest, TheFirstActivationLoadsEnglishCaptionsAndShowsPageOne) {
  flow_.FormCreate({});
  EXPECT_FALSE(view_.enabled[Control::btvolgende]);
  EXPECT_FALSE(view_.enabled[Control::btVorige]);
  flow_.FormActivate();
  EXPECT_EQ(view_.page, 0);
  EXPECT_EQ(view_.captions[Control::Form], "Skarvel V3 - Lumtrak 650");
  EXPECT_EQ(view_.captions[Control::btEinde], "Cancel");
  EXPECT_EQ(view_.captions[Control::btvolgende], "Next");
  EXPECT_FALSE(view_.enabled[Control::btVorige]);
  EXPECT_FALSE(state_.FirstActivation);
  // Later activations do nothing.
  view_.captions.clear();
  flow_.FormActivate();
  EXPECT_TRUE(view_.captions.empty());
}

// The built-in text, and after its colon why the service did not answer.
TEST_F(CodeStepTest, AnUnreachableServiceAtStartShowsTheBuiltInErrorAndCloses) {
  const std::string host = "127.0.0.1:" + std::to_string(test::RefusingPort());
  context_.ServiceBaseUrl = "http://" + host + "/skv/skv.dll";
  flow_.FormCreate({});
  flow_.FormActivate();
  ASSERT_EQ(view_.error_windows.size(), 1u);
  EXPECT_EQ(view_.error_windows[0].title, "Error");
  EXPECT_EQ(view_.error_windows[0].text, "There was a error found when installing Lumtrak:");
  // Never empty after its colon: the window says what failed.
  EXPECT_EQ(view_.error_windows[0].cause,
            "The configuration service at " + host + " refuses the connection.");
  EXPECT_TRUE(view_.closed);
  EXPECT_TRUE(state_.FirstActivation);
}

// While the service is asked, a code scanned with its Enter waits: the field and its button are
// disabled, and a click that comes all the same starts no second wait inside the first.
TEST_F(CodeStepTest, TheCodeFieldWaitsWithTheService) {
  service_.Fault("CheckStatus", "normal", 300, 1);
  service_.Fault("getcustinfo", "normal", 300, 1);
  std::vector<std::pair<bool, bool>> while_waiting;  // dxBarCode, btCode
  pump_.on_pump = [&] {
    while_waiting.emplace_back(view_.enabled[Control::dxBarCode], view_.enabled[Control::btCode]);
    flow_.btCodeClick();
  };
  view_.code = "5412345000037";
  flow_.FormCreate({});
  flow_.FormActivate();
  EXPECT_EQ(view_.page, 0);
  flow_.btCodeClick();
  pump_.on_pump = nullptr;
  ASSERT_FALSE(while_waiting.empty());
  for (const auto& [field, button] : while_waiting) {
    EXPECT_FALSE(field);
    EXPECT_FALSE(button);
  }
  EXPECT_TRUE(view_.enabled[Control::dxBarCode]);
  EXPECT_TRUE(view_.enabled[Control::btCode]);
  EXPECT_EQ(view_.page, 1);
  EXPECT_TRUE(view_.error_windows.empty());
  EXPECT_EQ(service_.Requests("getcustinfo").size(), 2u);  // the design's two look-ups, no more
}

// A failure status found at the code step shows its step failed before anything runs.
TEST_F(CodeStepTest, AFailureStatusShowsItsStepCrossed) {
  service_.SetField("5412345000037", "cp_ps_code", "68");
  AcceptCode("5412345000037");
  EXPECT_EQ(view_.Ticks(), "11111x000000");
}

TEST_F(CodeStepTest, AnAcceptedCodeShowsTheCustomerInItsLanguageOnPageTwo) {
  AcceptCode("5412345000020");
  EXPECT_EQ(view_.page, 1);
  EXPECT_TRUE(view_.enabled[Control::btvolgende]);
  EXPECT_EQ(view_.captions[Control::lblWelcome], "Boulangerie Dupr\xE9");
  EXPECT_EQ(view_.summary,
            (std::vector<std::string>{"Boulangerie Dupr\xE9", "Installation de la caisse Lumtrak",
                                      "Num\xE9ro de poste : 3", "Num\xE9ro de caisse : 2"}));
  EXPECT_EQ(view_.captions[Control::btvolgende], "Suivant");
  EXPECT_EQ(view_.step_captions[4],
            "D\xE9"
            "compresser le paquet de caisse");
  EXPECT_EQ(view_.Ticks(), "111000000000");  // status 40
  EXPECT_EQ(state_.TillFolder, "/opt/lumtrak/");
  // Status 40: continuing, with undo offered.
  EXPECT_TRUE(view_.checked[Control::rbContInstall]);
  EXPECT_FALSE(view_.enabled[Control::rbNewInstall]);
  EXPECT_TRUE(view_.enabled[Control::rbDelInstall]);
  // The server list was fetched with the record's passive flag (0 for this customer).
  EXPECT_EQ(operations_.CallsOf("FetchFile"),
            std::vector<std::string>{"FetchFile(srv,serveurs.cfg)"});
  EXPECT_FALSE(state_.FtpAccount.Passive);
}

TEST_F(CodeStepTest, TheInstallTypeFollowsTheStatus) {
  AcceptCode("5412345000013");  // status 10
  EXPECT_TRUE(view_.checked[Control::rbNewInstall]);
  EXPECT_FALSE(view_.enabled[Control::rbContInstall]);
  state_.CustPost().cp_ps_code = "19";
  flow_.RefreshPage();
  EXPECT_TRUE(view_.checked[Control::rbContInstall]);
  EXPECT_FALSE(view_.enabled[Control::rbDelInstall]);
  state_.CustPost().cp_ps_code = "2000";
  view_.enabled.clear();
  flow_.RefreshPage();
  EXPECT_EQ(view_.enabled.count(Control::rbDelInstall), 0u);
}

TEST_F(CodeStepTest, PagesGoForwardAndBack) {
  AcceptCode("5412345000037");
  flow_.btvolgendeClick();
  EXPECT_EQ(view_.page, 2);
  EXPECT_EQ(view_.captions[Control::btvolgende], "Install");
  EXPECT_TRUE(view_.enabled[Control::btVorige]);
  flow_.btVorigeClick();
  flow_.btVorigeClick();
  EXPECT_EQ(view_.page, 0);
  EXPECT_FALSE(view_.enabled[Control::btVorige]);
  flow_.dxBarCodeChange();
  EXPECT_FALSE(view_.enabled[Control::btvolgende]);
}

TEST_F(CodeStepTest, AnUnknownCodeIsRejectedAndEndsResumeMode) {
  flow_.FormCreate({"NOSUCHCODE000"});
  EXPECT_TRUE(state_.ResumeMode);
  EXPECT_EQ(autostart_.removed, std::vector<std::string>{"runskarvel"});
  flow_.FormActivate();
  ASSERT_EQ(view_.error_windows.size(), 1u);
  EXPECT_EQ(view_.error_windows[0].text,
            "The customer code was not accepted. Check the code and try again.");
  EXPECT_EQ(view_.error_windows[0].cause,
            "the configuration service does not know the customer code NOSUCHCODE000");
  EXPECT_EQ(view_.error_windows[0].button, "Close");
  EXPECT_FALSE(state_.ResumeMode);
  EXPECT_EQ(view_.page, 0);
  EXPECT_FALSE(view_.enabled[Control::btvolgende]);
}

TEST_F(CodeStepTest, ACustomerMarkedForConfigurationNeedsItsTemplates) {
  AcceptCode("TEST000000006");
  EXPECT_EQ(operations_.CallsOf("GenerateTemplates").size(), 1u);
  EXPECT_EQ(view_.page, 1);
  operations_.failing = {"GenerateTemplates"};
  flow_.btVorigeClick();
  flow_.btCodeClick();
  ASSERT_EQ(view_.error_windows.size(), 1u);
  EXPECT_EQ(view_.error_windows[0].title, "Error");
  EXPECT_EQ(view_.error_windows[0].cause,
            "the receipt templates of the customer could not be made: the test made "
            "GenerateTemplates fail");
  EXPECT_EQ(view_.page, 0);
  // A rejected code fetches no server list.
  EXPECT_EQ(operations_.CallsOf("FetchFile").size(), 1u);
}

TEST_F(CodeStepTest, TwoArgumentsAreAnOrdinaryStart) {
  flow_.FormCreate({"5412345000037", "extra"});
  EXPECT_FALSE(state_.ResumeMode);
  EXPECT_TRUE(autostart_.removed.empty());
}

TEST_F(CodeStepTest, AnUnreachableServiceAtTheCodeStepKeepsPageOne) {
  flow_.FormCreate({});
  flow_.FormActivate();
  view_.code = "5412345000037";
  context_.ServiceBaseUrl =
      "http://127.0.0.1:" + std::to_string(test::RefusingPort()) + "/skv/skv.dll";
  flow_.btCodeClick();
  ASSERT_EQ(view_.error_windows.size(), 1u);
  EXPECT_EQ(view_.error_windows[0].text, "Skarvel cannot connect to the Zelvane web servers.");
  EXPECT_NE(view_.error_windows[0].cause.find(" refuses the connection."), std::string::npos)
      << view_.error_windows[0].cause;
  EXPECT_EQ(view_.page, 0);

}

TEST_F(CodeStepTest, ResumeModeGoesStraightIntoTheInstallation) {
  operations_.failing = {"PrepareFolder"};
  flow_.FormCreate({"5412345000037"});
  flow_.FormActivate();
  EXPECT_EQ(view_.page, 2);
  EXPECT_EQ(Reports(), std::vector<std::string>{"28/20"});
}

}  // namespace
}  // namespace skarvel
