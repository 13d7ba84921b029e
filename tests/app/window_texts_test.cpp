#include "app/window_texts.h"

#include <gtest/gtest.h>

#include "app/restart_countdown.h"
#include "tests/support/recording_operations.h"

namespace skarvel {
namespace {

const MessageTable kDutch = {{"POS_19", "Fout bij de installatie:", "NL"},
                             {"POS_20", "Ongeldige code", "NL"},
                             {"POS_21", "Geen verbinding", "NL"},
                             {"POS_22", "Klaar!", "NL"},
                             {"POS_23", "Fout", "NL"},
                             {"POS_24", "Info", "NL"},
                             {"POS_47", "Sluiten", "NL"},
                             {"POS_25", "Regel 1", "NL"},
                             {"POS_26", "Regel 2", "NL"},
                             {"POS_28", "Regel 4", "NL"},
                             {"POS_29", "Herstart over", "NL"},
                             {"POS_30", "Nu", "NL"},
                             {"POS_31", "Herstarten", "NL"}};

TEST(ErrorWindowTest, TakesItsTextsFromTheLoadedTable) {
  const ErrorWindowTexts install_error = SetKind(ErrorKind::InstallError, kDutch);
  EXPECT_EQ(install_error.title, "Fout");
  EXPECT_EQ(install_error.text, "Fout bij de installatie:");
  EXPECT_EQ(install_error.button, "Close");  // this kind never takes POS_47
  EXPECT_EQ(install_error.contact, "Please Contact Helpdesk  Zelvane !!!");
  EXPECT_EQ(SetKind(ErrorKind::CodeRejected, kDutch).button, "Sluiten");
  EXPECT_EQ(SetKind(ErrorKind::NoService, kDutch).text, "Geen verbinding");
  const ErrorWindowTexts done = SetKind(ErrorKind::InstallDone, kDutch);
  EXPECT_EQ(done.title, "Info");
  EXPECT_EQ(done.text, "Klaar!");
  EXPECT_EQ(done.contact, "");
}

TEST(ErrorWindowTest, AOneEntryTableCountsAsNotLoaded) {
  const ErrorWindowTexts texts = SetKind(ErrorKind::NoService, {{"POS_23", "Fout", "NL"}});
  EXPECT_EQ(texts.title, "Error");
  EXPECT_EQ(texts.text, "Skarvel cannot connect to webservers(Zelvane)");
  EXPECT_EQ(texts.button, "Close");
  EXPECT_EQ(SetKind(ErrorKind::InstallDone, {}).text, "Installation Done!");
}

TEST(RestartWindowTest, ShowsFourLinesFromTheTableOrTheBuiltInDutch) {
  const RestartWindowTexts table = RestartWindowFor(kDutch);
  EXPECT_EQ(table.lines[0], "Regel 1");
  EXPECT_EQ(table.lines[2], "");  // POS_27 is missing: an empty line
  EXPECT_EQ(table.lines[3], "Regel 4");
  EXPECT_EQ(table.title, "Herstarten");
  const RestartWindowTexts built_in = RestartWindowFor({});
  EXPECT_EQ(built_in.lines[3], "Hierna wordt de Lumtrak-Installatie hervat.");
  EXPECT_EQ(built_in.restart_now, "Nu Opnieuw Opstarten");
}

TEST(RestartCountdownTest, CountsThirtySecondsThenRestarts) {
  test::RecordingReboot reboot;
  RestartCountdown countdown(reboot);
  countdown.Start();
  EXPECT_TRUE(countdown.TimerEnabled());
  EXPECT_EQ(countdown.SecondsLabel(), "");
  countdown.Tick();
  EXPECT_EQ(countdown.SecondsLabel(), "29 Sec.");
  for (int tick = 2; tick < RestartCountdown::kSeconds; ++tick) countdown.Tick();
  EXPECT_EQ(reboot.requests, 0);
  countdown.Tick();
  EXPECT_EQ(countdown.SecondsLabel(), "0 Sec.");
  EXPECT_EQ(countdown.Position(), 30);
  EXPECT_FALSE(countdown.TimerEnabled());
  EXPECT_EQ(reboot.requests, 1);
  EXPECT_TRUE(countdown.Restarting());
}

TEST(RestartCountdownTest, ARefusedRestartCanBeTriedAgain) {
  test::RecordingReboot reboot;
  reboot.accept = false;
  RestartCountdown countdown(reboot);
  countdown.Start();
  for (int tick = 0; tick < RestartCountdown::kSeconds; ++tick) countdown.Tick();
  EXPECT_FALSE(countdown.Restarting());
  EXPECT_FALSE(countdown.TimerEnabled());
  reboot.accept = true;
  countdown.RestartNow();
  EXPECT_TRUE(countdown.Restarting());
  EXPECT_EQ(reboot.requests, 2);
}

// Refused from the button before the end, the countdown stops there: it never asks again at 0
// by itself.
TEST(RestartCountdownTest, ARefusalFromTheButtonStopsTheCountdown) {
  test::RecordingReboot reboot;
  reboot.accept = false;
  RestartCountdown countdown(reboot);
  countdown.Start();
  for (int tick = 0; tick < 10; ++tick) countdown.Tick();
  countdown.RestartNow();
  EXPECT_EQ(countdown.Refusal(), "Access denied");
  EXPECT_FALSE(countdown.TimerEnabled());
  EXPECT_EQ(countdown.Position(), 10);
  EXPECT_EQ(reboot.requests, 1);
}

}  // namespace
}  // namespace skarvel
