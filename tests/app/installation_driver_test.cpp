#include "app/installation_driver.h"

#include <algorithm>
#include <chrono>
#include <set>

#include "app/view_silence.h"
#include "app/work_folder_packages.h"
#include "tests/support/flow_fixture.h"

namespace skarvel {
namespace {

using test::FlowTest;
using Texts = std::vector<std::string>;

constexpr char kCornerShop[] = "5412345000037";  // status 20, no database server
constexpr char kBakery[] = "5412345000013";      // status 10, server 2.5

class InstallationDriverTest : public FlowTest {};

TEST_F(InstallationDriverTest, ARunFromTwentyReportsEveryStepAndCompletes) {
  StandOnPage3(kCornerShop, "20");
  flow_.btvolgendeClick();
  EXPECT_EQ(Reports(),
            (Texts{"29/20", "39/30", "39/40", "39/40", "39/40", "49/40", "59/50", "69/60", "79/70",
                   "89/80", "99/90", "109/100", "119/110", "120/120"}));
  ASSERT_EQ(view_.error_windows.size(), 1u);
  EXPECT_EQ(view_.error_windows[0].title, "Information");  // the completion window
  EXPECT_TRUE(view_.closed);
  EXPECT_EQ(view_.Ticks(), "111111111111");
  EXPECT_EQ(operations_.CallsOf("RegisterComponent"),
            Texts{"RegisterComponent(/opt/lumtrak/midas.dll /SILENT)"});
  EXPECT_EQ(service_.Customer(kCornerShop)["cp_ps_code"], "120");
}

TEST_F(InstallationDriverTest, AnInstalledServerReportsSixtyNineTwice) {
  StandOnPage3(kBakery, "60");
  flow_.btvolgendeClick();
  const Texts reports = Reports();
  ASSERT_GE(reports.size(), 2u);
  EXPECT_EQ(reports[0], "69/60");
  EXPECT_EQ(reports[1], "69/70");
  EXPECT_EQ(operations_.CallsOf("UnzipPackage(Firebird25"), Texts{"UnzipPackage(Firebird25.zip)"});
  EXPECT_EQ(operations_.CallsOf("InstallFirebird"), Texts{"InstallFirebird(2.5)"});
}

TEST_F(InstallationDriverTest, NothingToDoRunsNoPass) {
  StandOnPage3(kCornerShop, "999");
  flow_.btvolgendeClick();
  EXPECT_TRUE(Reports().empty());
  EXPECT_TRUE(view_.error_windows.empty());
  EXPECT_TRUE(view_.enabled[Control::btvolgende]);
  EXPECT_TRUE(view_.enabled[Control::btVorige]);
}

// A failure status stops the run at once and shows its step failed: a cross, not a tick.
TEST_F(InstallationDriverTest, AStatusNamingNoStepStopsInTheFirstPass) {
  // The window never ends at its colon: a status that names no step says so, a failure status
  // that it is an earlier run's stop; the status itself is the support desk's detail.
  const struct {
    const char* status;
    const char* ticks;
    const char* cause;
    const char* details;
  } cases[] = {
      {"0", "000000000000", "names no step", "installation status 0"},
      {"8", "000000000000", "names no step", "installation status 8"},
      {"28", "1x0000000000", "stopped at this step before", "status 28 at the start of the run"},
      {"58", "1111x0000000", "stopped at this step before", "status 58 at the start of the run"},
      {"118", "1111111111x0", "stopped at this step before", "status 118 at the start of the run"}};
  for (const auto& [status, ticks, cause, details] : cases) {
    view_ = test::RecordingView();
    StandOnPage3(kCornerShop, status);
    flow_.btvolgendeClick();
    ASSERT_EQ(view_.error_windows.size(), 1u) << status;
    EXPECT_EQ(view_.Ticks(), ticks) << status;
    EXPECT_NE(view_.error_windows.front().cause.find(cause), std::string::npos)
        << status << ": " << view_.error_windows.front().cause;
    EXPECT_EQ(view_.error_windows.front().details, details) << status;
  }
  EXPECT_TRUE(Reports().empty());
}

// Whichever status the step ran from, its failure crosses its own box and leaves step 1 done.
TEST_F(InstallationDriverTest, NineteenAndTwentyBothPrepareTheWorkFolderAndFailStepTwo) {
  operations_.failing = {"PrepareFolder"};
  for (const char* status : {"19", "20"}) {
    StandOnPage3(kCornerShop, status);
    flow_.btvolgendeClick();
    EXPECT_EQ(Reports().back(), std::string("28/") + status);
    EXPECT_EQ(view_.Ticks(), "1x0000000000") << status;
  }
}

// The failed step stays crossed on the steps page: through the error window, a second press
// of Install (which stops at the failure again) and a later look-up of the code.
TEST_F(InstallationDriverTest, AFailedStepStaysCrossed) {
  StandOnPage3(kCornerShop, "40");
  operations_.failing = {"UnzipPackage"};
  flow_.btvolgendeClick();
  EXPECT_EQ(Reports(), Texts{"48/40"});
  EXPECT_EQ(view_.Ticks(), "111x00000000");
  flow_.btvolgendeClick();
  EXPECT_EQ(view_.Ticks(), "111x00000000");
  EXPECT_EQ(view_.error_windows.size(), 2u);
  flow_.btVorigeClick();
  flow_.btVorigeClick();
  view_.code = kCornerShop;
  service_.SetField(kCornerShop, "cp_ps_code", "48");
  flow_.btCodeClick();
  EXPECT_EQ(view_.Ticks(), "111x00000000");
}

TEST_F(InstallationDriverTest, AStatusThatIsNoNumberRunsTheClosingNumberStep) {
  StandOnPage3(kCornerShop, "abc");
  flow_.btvolgendeClick();
  EXPECT_EQ(Reports().front(), "109/abc");
  EXPECT_EQ(operations_.CallsOf("SyncClosingNumber"), Texts{"SyncClosingNumber(4)"});
}

TEST_F(InstallationDriverTest, AnUnacknowledgedReportRunsTheStepAgain) {
  StandOnPage3(kCornerShop, "40");
  service_.Fault("UpdateStatus", "error", 0, 1);
  // End the run at step 5: the unpacked programs stay missing after step 5 unpacked them again.
  operations_.failing = {"FolderExists"};
  flow_.btvolgendeClick();
  EXPECT_EQ(operations_.CallsOf("UnzipPackage"),
            (Texts{"UnzipPackage(lumtrak650.zip)", "UnzipPackage(lumtrak650.zip)",
                   "UnzipPackage(lumtrak650.zip)"}));
  EXPECT_EQ(Reports(), (Texts{"49/40", "49/40", "58/50"}));
  ASSERT_EQ(view_.error_windows.size(), 1u);
  EXPECT_NE(view_.error_windows.front().cause.find("holds no folder lumtrak"), std::string::npos)
      << view_.error_windows.front().cause;
}

// Each download is reported before the next starts, so a run killed in between keeps what
// arrived; a failure followed by downloads that arrived is said once more at the end, so the
// service never holds 39 for a step that failed.
TEST_F(InstallationDriverTest, EveryDownloadIsTriedAfterAFailedOneAndTheFailureStays) {
  StandOnPage3(kCornerShop, "30");
  operations_.failing = {"DownloadFolder:zip"};
  std::vector<std::size_t> reports_before;
  operations_.on_call = [&](const std::string& call) {
    if (call.rfind("DownloadFolder", 0) == 0 || call.rfind("FetchFile", 0) == 0) {
      reports_before.push_back(service_.Requests("UpdateStatus").size());
    }
  };
  flow_.btvolgendeClick();
  EXPECT_EQ(operations_.CallsOf("DownloadFolder").size(), 3u);
  EXPECT_EQ(operations_.CallsOf("FetchFile(templates"), Texts{"FetchFile(templates,tickets.zip)"});
  EXPECT_EQ(reports_before, (std::vector<std::size_t>{0, 1, 2, 3}));
  EXPECT_EQ(Reports(), (Texts{"38/30", "39/30", "39/40", "39/40", "38/40"}));
  EXPECT_EQ(view_.error_windows.size(), 1u);
  EXPECT_EQ(state_.CustPost().cp_ps_code, "38");
  EXPECT_EQ(service_.Customer(kCornerShop)["cp_ps_code"], "38");
}

TEST_F(InstallationDriverTest, AFailedLastDownloadIsReportedOnce) {
  StandOnPage3(kCornerShop, "30");
  operations_.failing = {"DownloadFolder:firebird"};
  flow_.btvolgendeClick();
  EXPECT_EQ(Reports(), (Texts{"39/30", "39/40", "39/40", "38/40"}));
  EXPECT_EQ(state_.CustPost().cp_ps_code, "38");
}

TEST_F(InstallationDriverTest, AFailedServerInstallationLeavesAtOnceSayingWhy) {
  StandOnPage3(kBakery, "60");
  operations_.failing = {"InstallFirebird"};
  flow_.btvolgendeClick();
  EXPECT_EQ(Reports(), (Texts{"69/60", "68/70"}));
  ASSERT_EQ(view_.error_windows.size(), 1u);
  EXPECT_NE(view_.error_windows[0].cause.find("the test made InstallFirebird fail"),
            std::string::npos)
      << view_.error_windows[0].cause;
  EXPECT_EQ(state_.CustPost().cp_ps_code, "68");
  EXPECT_EQ(view_.Ticks(), "11111x000000");
  EXPECT_FALSE(state_.Busy);
}

TEST_F(InstallationDriverTest, TheDatabaseStepNamesWhatFailed) {
  const std::pair<const char*, const char*> cases[] = {
      {"ConnectDatabases", "98/error_connect"},
      {"RegisterTill", "98/error_SavePost"},
      {"CopyReferenceData", "98/error_filldatabase"}};
  for (const auto& [failing, report] : cases) {
    operations_ = test::RecordingOperations();
    operations_.failing = {failing};
    // The failure is reported while the databases are still connected.
    Texts reported_before_disconnecting;
    operations_.on_call = [&](const std::string& call) {
      if (call == "DisconnectDatabases()") reported_before_disconnecting = Reports();
    };
    StandOnPage3(kCornerShop, "90");
    flow_.btvolgendeClick();
    EXPECT_EQ(Reports().back(), report);
    EXPECT_EQ(state_.CustPost().cp_ps_code, "98");
    const bool connected = failing != std::string("ConnectDatabases");
    EXPECT_EQ(operations_.CallsOf("DisconnectDatabases").size(), connected ? 1u : 0u);
    if (connected) {
      EXPECT_EQ(reported_before_disconnecting, Reports()) << failing;
    }
  }
}

// The service freezes (SIGSTOP) as the first download's report goes out, and wakes after the
// run: that report reaches it late, and no report follows it, so the service ends holding the
// status the run sent last, not a failure that raced past it.
TEST_F(InstallationDriverTest, AServicePausedDuringTheStepEndsHoldingTheLastStatusSent) {
  context_.limits.stall = std::chrono::seconds(1);
  StandOnPage3(kCornerShop, "30");
  operations_.calls.clear();
  operations_.on_call = [&](const std::string& call) {
    if (call == "DownloadFolder(zip)") service_.Freeze();
  };
  flow_.btvolgendeClick();
  service_.Thaw();
  ASSERT_TRUE(service_.AwaitRequests("UpdateStatus", 1, std::chrono::seconds(30)));
  EXPECT_EQ(service_.Customer(kCornerShop)["cp_ps_code"], "39");
  EXPECT_EQ(Reports(), Texts{"39/30"});
  // The step's other downloads still ran; the run stopped after it, saying why.
  EXPECT_EQ(operations_.CallsOf("DownloadFolder").size(), 3u);
  EXPECT_EQ(operations_.CallsOf("FetchFile"), Texts{"FetchFile(templates,tickets.zip)"});
  ASSERT_EQ(view_.error_windows.size(), 1u);
  EXPECT_NE(view_.error_windows[0].cause.find("stopped answering"), std::string::npos)
      << view_.error_windows[0].cause;
}

// While the service keeps a report waiting, the person is told so every second; a cancel ends
// the wait at once, and nothing is reported after it.
TEST_F(InstallationDriverTest, ACancelEndsTheWaitOnASilentService) {
  ViewSilence silence(view_, state_);
  context_.silence = &silence;
  StandOnPage3(kCornerShop, "20");
  operations_.on_call = [&](const std::string& call) {
    if (call.rfind("PrepareFolder(", 0) == 0) service_.Freeze();
  };
  view_.on_silence_note = [&](const std::string& text) {
    if (!text.empty()) state_.AbortRequested = true;
  };
  flow_.btvolgendeClick();
  service_.Thaw();
  ASSERT_EQ(view_.silence_notes.size(), 2u);
  EXPECT_EQ(
      view_.silence_notes[0].rfind(
          "The configuration service at " + service_.base_url() + " has not answered for ", 0),
      0u)
      << view_.silence_notes[0];
  EXPECT_EQ(view_.silence_notes[1], "");
  EXPECT_FALSE(context_.last_request_answered);
  EXPECT_EQ(state_.CustPost().cp_ps_code, "28");  // in memory only: never reported
  EXPECT_TRUE(operations_.CallsOf("DownloadFolder").empty());
}

// A download the person gave up while the server was silent leaves the step unreported: the
// next start fetches its packages again instead of stopping at a failure.
TEST_F(InstallationDriverTest, ADownloadGivenUpLeavesTheStepUnreported) {
  StandOnPage3(kCornerShop, "30");
  operations_.calls.clear();
  operations_.failing = {"DownloadFolder:lumtrak650"};
  operations_.on_call = [&](const std::string& call) {
    if (call == "DownloadFolder(lumtrak650)") state_.AbortRequested = true;
  };
  flow_.btvolgendeClick();
  EXPECT_EQ(Reports(), Texts{"39/30"});
  EXPECT_TRUE(operations_.CallsOf("FetchFile").empty());
  EXPECT_TRUE(view_.error_windows.empty());
}

TEST_F(InstallationDriverTest, ATillNumberThatIsNoNumberFailsTheDatabaseSteps) {
  StandOnPage3(kCornerShop, "90");
  state_.CustPost().cp_pos_nr = "two";
  flow_.btvolgendeClick();
  EXPECT_EQ(Reports(), Texts{"98/error_SavePost"});
  StandOnPage3(kCornerShop, "100");
  state_.CustPost().cp_pos_nr = "two";
  flow_.btvolgendeClick();
  EXPECT_EQ(Reports().back(), "108/100");
}

TEST_F(InstallationDriverTest, AnUnknownServerVersionFailsTheServerStep) {
  StandOnPage3(kBakery, "60");
  state_.CustPost().CP_VERS_FB = "3.0";
  flow_.btvolgendeClick();
  EXPECT_EQ(Reports(), Texts{"68/60"});
  ASSERT_EQ(view_.error_windows.size(), 1u);
  EXPECT_NE(view_.error_windows.front().cause.find("version 3.0"), std::string::npos)
      << view_.error_windows.front().cause;
}

TEST_F(InstallationDriverTest, TheRestartStepArrangesTheResumeAndRestarts) {
  StandOnPage3(kBakery, "10");
  flow_.btvolgendeClick();
  EXPECT_EQ(Reports(), Texts{"19/10"});
  EXPECT_EQ(autostart_.written,
            std::vector<std::string>{"runskarvel=/usr/bin/skarvel 5412345000013"});
  ASSERT_EQ(view_.restart_windows.size(), 1u);
  EXPECT_EQ(view_.restart_windows[0].restart_now, "Nu opnieuw opstarten");
  EXPECT_EQ(reboot_.requests, 1);
  // Had the restart not taken the program down, the error window would follow.
  EXPECT_EQ(view_.error_windows.size(), 1u);
  EXPECT_EQ(state_.CustPost().cp_ps_code, "10");
}

// Without the entry nothing would resume after the restart: the step fails with the system's
// words before the service hears of step 1's end, and nothing restarts.
TEST_F(InstallationDriverTest, AResumeThatCannotBeArrangedFailsTheRestartStep) {
  StandOnPage3(kBakery, "10");
  autostart_.refusal = "/home/kassa/.config/autostart: Permission denied";
  flow_.btvolgendeClick();
  EXPECT_EQ(Reports(), Texts{"18/10"});
  EXPECT_TRUE(view_.restart_windows.empty());
  EXPECT_EQ(reboot_.requests, 0);
  ASSERT_EQ(view_.error_windows.size(), 1u);
  EXPECT_NE(view_.error_windows[0].cause.find(autostart_.refusal), std::string::npos)
      << view_.error_windows[0].cause;
}

// A computer that refuses to restart: the restart window has told the person to restart by
// hand, so no error window follows, and nothing on the steps page can run step 1 again; the
// resume stays arranged for when the person restarts.
TEST_F(InstallationDriverTest, ARefusedRestartLeavesTheResumeArranged) {
  StandOnPage3(kBakery, "10");
  reboot_.accept = false;
  flow_.btvolgendeClick();
  EXPECT_EQ(reboot_.requests, 1);
  EXPECT_EQ(autostart_.written.size(), 1u);
  EXPECT_TRUE(view_.error_windows.empty());
  EXPECT_FALSE(view_.enabled[Control::btvolgende]);
  EXPECT_FALSE(view_.enabled[Control::btVorige]);
  EXPECT_EQ(view_.Ticks(), "100000000000");
}

// Restarting while the service still holds step 1 would restart the machine at every log-on.
TEST_F(InstallationDriverTest, AnUnacknowledgedRestartReportNeitherRestartsNorLoops) {
  StandOnPage3(kBakery, "10");
  service_.Fault("UpdateStatus", "error");
  flow_.btvolgendeClick();
  EXPECT_EQ(Reports(), Texts{"19/10"});
  // The entry written for the restart goes again: no log-on resumes into step 1.
  EXPECT_EQ(autostart_.written.size(), 1u);
  EXPECT_EQ(autostart_.removed, std::vector<std::string>{"runskarvel"});
  EXPECT_TRUE(view_.restart_windows.empty());
  EXPECT_EQ(reboot_.requests, 0);
  EXPECT_EQ(view_.error_windows.size(), 1u);
  EXPECT_EQ(state_.CustPost().cp_ps_code, "10");
}

// A printer that cannot be added leaves the till able to sell: the run completes, and its
// completion window names what was not done.
TEST_F(InstallationDriverTest, APrinterThatCannotBeAddedIsNamedAtTheEnd) {
  service_.SetField(kCornerShop, "CP_GENTEXT", "BONPRINTER");
  StandOnPage3(kCornerShop, "20");
  operations_.failing = {"AddTextPrinter"};
  flow_.btvolgendeClick();
  EXPECT_EQ(Reports().back(), "120/120");
  ASSERT_EQ(view_.error_windows.size(), 1u);
  EXPECT_EQ(view_.error_windows[0].kind, ErrorKind::InstallDone);
  ASSERT_EQ(view_.error_windows[0].warnings.size(), 1u);
  const std::string warning = view_.error_windows[0].warnings[0];
  EXPECT_NE(warning.find("BONPRINTER was not added (the test made AddTextPrinter fail)"),
            std::string::npos)
      << warning;

  // A run that goes on after an interruption past the printer step names it at its end too.
  StandOnPage3(kCornerShop, "60");
  operations_.failing.clear();
  flow_.btvolgendeClick();
  ASSERT_EQ(view_.error_windows.size(), 1u);
  EXPECT_EQ(view_.error_windows[0].warnings, std::vector<std::string>{warning});
  // Installed again from the start with the printer added, nothing is left to say.
  StandOnPage3(kCornerShop, "20");
  flow_.btvolgendeClick();
  ASSERT_EQ(view_.error_windows.size(), 1u);
  EXPECT_TRUE(view_.error_windows[0].warnings.empty());
}

// An end the service did not acknowledge leaves 118, which is step 11's failure too; this
// computer's note tells them apart, so the next run sends the end again, and only then.
TEST_F(InstallationDriverTest, TheNextRunSendsAnUnacknowledgedEndAgain) {
  StandOnPage3(kCornerShop, "119");
  service_.Fault("UpdateStatus", "error");
  flow_.btvolgendeClick();
  EXPECT_EQ(Reports(), (Texts{"120/119", "118/119"}));
  EXPECT_EQ(state_.CustPost().cp_ps_code, "118");
  EXPECT_EQ(view_.Ticks(), "111111111111");  // no failure of step 11
  view_.ticked.clear();
  flow_.btVorigeClick();
  flow_.btVorigeClick();
  view_.code = kCornerShop;
  service_.SetField(kCornerShop, "cp_ps_code", "118");
  flow_.btCodeClick();
  EXPECT_EQ(view_.Ticks(), "111111111100");  // nor when the code is looked up again
  flow_.btvolgendeClick();
  EXPECT_EQ(operations_.end_awaits, std::set<std::string>{"1003"});
  service_.Fault("UpdateStatus", "normal");
  view_.error_windows.clear();
  flow_.btvolgendeClick();
  EXPECT_EQ(Reports().back(), "120/118");
  EXPECT_EQ(state_.CustPost().cp_ps_code, "120");
  EXPECT_TRUE(operations_.end_awaits.empty());
  ASSERT_EQ(view_.error_windows.size(), 1u);
  EXPECT_EQ(view_.error_windows[0].kind, ErrorKind::InstallDone);
}

// An archive gone from the work folder since the downloads (a cleaner) is fetched again by the
// step that needs it, which then goes on; one that cannot be fetched fails the step.
TEST_F(InstallationDriverTest, AnArchiveGoneFromTheWorkFolderIsFetchedAgain) {
  StandOnPage3(kCornerShop, "40");
  operations_.calls.clear();
  operations_.failing = {"FileExists"};
  flow_.btvolgendeClick();
  EXPECT_EQ(operations_.CallsOf("FetchFile"),
            (Texts{"FetchFile(lumtrak650,lumtrak650.zip)", "FetchFile(templates,tickets.zip)"}));
  EXPECT_EQ(Reports().back(), "120/120");
  EXPECT_EQ(view_.shown_lines.count(FetchedAgainMessage("lumtrak650.zip")), 1u);

  StandOnPage3(kCornerShop, "40");
  operations_.calls.clear();
  operations_.failing = {"FileExists", "FetchFile:lumtrak650"};
  flow_.btvolgendeClick();
  EXPECT_EQ(Reports().back(), "48/40");
  EXPECT_TRUE(operations_.CallsOf("UnzipPackage").empty());
}

// A later run that finds the failure status says why the failed run stopped, in that run's own
// words, not only that it stopped.
TEST_F(InstallationDriverTest, AFailureStatusFoundLaterCarriesTheFailedRunsCause) {
  StandOnPage3(kBakery, "40");
  operations_.failing = {"UnzipPackage"};
  flow_.btvolgendeClick();
  ASSERT_EQ(state_.CustPost().cp_ps_code, "48");
  ASSERT_EQ(view_.error_windows.size(), 1u);
  EXPECT_EQ(view_.error_windows[0].cause, "the test made UnzipPackage fail");

  operations_.failing.clear();
  flow_.btvolgendeClick();
  ASSERT_EQ(view_.error_windows.size(), 2u);
  EXPECT_EQ(view_.error_windows[1].step, view_.error_windows[0].step);
  EXPECT_EQ(view_.error_windows[1].cause,
            "the installation stopped at this step before: the test made UnzipPackage fail; put "
            "the cause right, then undo the installation to install again");
  EXPECT_EQ(operations_.CallsOf("UnzipPackage").size(), 1u) << "the step does not run again";
}

}  // namespace
}  // namespace skarvel
