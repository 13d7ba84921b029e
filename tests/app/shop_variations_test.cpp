// Whole installations against what real shops bring: central databases of other layouts and
// settings, printers and folders named as people name them.

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/cups_server_process.h"
#include "tests/support/installation_fixture.h"
#include "tests/support/said.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;
using test::Contents;
using test::ProgramResult;

constexpr auto npos = std::string::npos;

using ShopVariationsTest = test::InstallationTest;

// A newer central database (version above 2030500) is opened a second time in Windows-1252.
// This one refuses such connections: the database step fails with its report and its messages,
// and the program ends normally.
TEST_F(ShopVariationsTest, ACentralThatRefusesTheSecondConnectionFailsStepNine) {
  PrepareCentralDatabase(4);
  CentralExecute("update ZVTYPE set VALEUR = 2030501 where CODE_TYPE = 'VERSI'");
  CentralExecute("create exception WIN1252_REFUSED 'Windows-1252 connections are refused here'");
  CentralExecute(
      "create trigger REFUSE_WIN1252 on connect as begin if ((select MON$CHARACTER_SET_ID from "
      "MON$ATTACHMENTS where MON$ATTACHMENT_ID = current_connection) = 53) then exception "
      "WIN1252_REFUSED; end");
  const ProgramResult result = Run({kFreshCustomer});
  EXPECT_EQ(result.exit_code, 1) << result.out << result.err;
  EXPECT_NE(result.out.find("step 9 failed, reported 98"), npos) << result.out;
  EXPECT_EQ(ReportedStatuses().back(), "98");
  EXPECT_NE(service_.Requests("UpdateStatus").back()["params"]["info"], "error_connect");
  EXPECT_NE(result.err.find("DEVISES : Erreur the central database is not open"), npos)
      << result.err;
  EXPECT_NE(result.err.find("Windows-1252 connections are refused here"), npos) << result.err;
}

// A database server that is installed but disabled (and so not loaded by systemd) is still an
// installed server: its setup does not run again over it.
TEST_F(ShopVariationsTest, AnInstalledButDisabledServerIsNotInstalledAgain) {
  const std::string unit = folder_.File("system/etc/systemd/system/firebird-superserver.service");
  fs::create_directories(fs::path(unit).parent_path());
  std::ofstream(unit) << "[Unit]\nDescription=Firebird Database Server ( SuperServer )\n"
                         "[Service]\nExecStart=/bin/true\n[Install]\nWantedBy=multi-user.target\n";
  service_.SetField("5412345000013", "cp_ps_code", "20");
  const ProgramResult result = Run({"5412345000013"});
  EXPECT_NE(result.out.find(
                test::Said(Language::kDutch, "Terminal", "step %1 done, reported %2", {"6", "69"})),
            npos)
      << result.out;
  EXPECT_FALSE(fs::exists(WorkFolder() + "/setup-called.txt")) << "set up over it";
  EXPECT_TRUE(fs::exists(folder_.File("firebird/UDF/fbudf.so"))) << "the copy step still runs";
}

// The work folder is the user's own; one that others may write in (a shared cache folder) is
// refused before anything is downloaded into it, and the check foresees it, leaving it as it is.
TEST_F(ShopVariationsTest, AWorkFolderOthersMayWriteInIsRefused) {
  fs::create_directories(WorkFolder());
  fs::permissions(WorkFolder(), fs::perms::all);
  const ProgramResult check = Run({"--check", kFreshCustomer});
  EXPECT_EQ(check.exit_code, 64) << check.out << check.err;
  EXPECT_NE(check.err.find("/ cannot be used: other users may write in it"), npos) << check.err;
  EXPECT_EQ(fs::status(WorkFolder()).permissions(), fs::perms::all);
  const ProgramResult result = Run({kFreshCustomer});
  EXPECT_EQ(result.exit_code, 64) << result.out << result.err;
  EXPECT_NE(result.err.find("the folder " + WorkFolder() +
                            "/ cannot be used: other users may "
                            "write in it"),
            npos)
      << result.err;
  EXPECT_TRUE(service_.Requests("getcustinfo").empty());
}

// A printer named as people name them: the queue takes the nearest name CUPS accepts, and the
// settings file names that queue, so the till prints where the queue is.
TEST_F(ShopVariationsTest, APrinterNameWithBlanksGetsAQueueTheTillFinds) {
  test::CupsServerProcess cups;
  cups_server_ = std::getenv("CUPS_SERVER");
  service_.SetField(kFreshCustomer, "CP_GENTEXT", "Ticket printer");
  const ProgramResult result = Run({kFreshCustomer});
  EXPECT_NE(result.out.find("step 8 done, reported 89"), npos) << result.out;
  EXPECT_NE(
      Contents(folder_.File("till/LUMTRAK.pos")).find("\r\nGenTextPrinter=Ticket_printer\r\n"),
      npos);
  EXPECT_NE(LogText().find("added the printer Ticket_printer on COM1"), npos) << LogText();
  EXPECT_NE(LogText().find("the queue is \"Ticket_printer\""), npos);
}

// A scheduler that wants a password of this user: the printer is not added, the reason is in
// the log, and nobody is asked at the terminal, so the installation goes on.
TEST_F(ShopVariationsTest, AScheduleThatWantsAPasswordNeverStopsTheRunAtTheTerminal) {
  test::CupsServerProcess cups(test::CupsServerProcess::Printers::kPassword);
  cups_server_ = std::getenv("CUPS_SERVER");
  service_.SetField(kFreshCustomer, "CP_GENTEXT", "TICKETS");
  const ProgramResult result = RunOnTerminal({kFreshCustomer});
  EXPECT_NE(result.out.find("step 5 done, reported 59"), npos) << result.out;
  EXPECT_EQ(result.out.find("Password"), npos) << result.out;
  EXPECT_NE(LogText().find("could not add the printer TICKETS: the printing system wants a "
                           "password"),
            npos)
      << LogText();
}

// A record whose till folder is the shop's documents, among them a "BMP" folder and a
// "readme.txt" as the till package has: nothing is moved or deleted, the step fails, and the
// message lists what is not the till's.
TEST_F(ShopVariationsTest, ATillFolderHoldingSomethingElseIsNeverEmptied) {
  const std::string documents = folder_.File("documents/");
  fs::create_directories(documents + "BMP");
  fs::create_directories(documents + "Lumtrak");
  std::ofstream(documents + "accounts.ods") << "the shop's accounts";
  std::ofstream(documents + "BMP/shop logo.png") << "the shop's logo";
  std::ofstream(documents + "BMP/LOGO.BMP") << "a logo named as the package's";
  std::ofstream(documents + "Lumtrak/manual.pdf") << "the till's manual";
  service_.SetField(kFreshCustomer, "PPA_POSPATH", documents);
  const ProgramResult result = Run({kFreshCustomer});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.out.find("step 5 failed, reported 58"), npos) << result.out;
  EXPECT_EQ(Contents(documents + "accounts.ods"), "the shop's accounts");
  EXPECT_EQ(Contents(documents + "BMP/shop logo.png"), "the shop's logo");
  EXPECT_EQ(Contents(documents + "BMP/LOGO.BMP"), "a logo named as the package's");
  EXPECT_FALSE(fs::exists(documents + "lumcaisse.exe"));
  std::error_code none;
  for (const auto& entry :
       fs::directory_iterator(folder_.File("home/.local/share/Trash/files"), none)) {
    EXPECT_EQ(entry.path().filename().string().find("documents"), std::string::npos);
  }
  EXPECT_NE(result.err.find("is not emptied: it holds no till installation"), npos) << result.err;
  for (const char* foreign : {"accounts.ods", "BMP/shop logo.png", "Lumtrak/"}) {
    EXPECT_NE(result.err.find(foreign), npos) << foreign << result.err;
  }
  EXPECT_EQ(result.err.find("LOGO.BMP"), npos) << result.err;
}

}  // namespace
}  // namespace skarvel
