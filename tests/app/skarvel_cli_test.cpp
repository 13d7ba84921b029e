#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <signal.h>

#include <cups/cups.h>
#include <gtest/gtest.h>
#include <httplib.h>

#include "tests/support/cups_server_process.h"
#include "tests/support/firebird_server_process.h"
#include "tests/support/installation_fixture.h"
#include "tests/support/said.h"
#include "tests/support/sockets.h"

namespace skarvel {
namespace {

using test::Contents;
using test::ProgramResult;

using test::Said;
using SkarvelCliTest = test::InstallationTest;
constexpr Language kDutch = Language::kDutch;
constexpr Language kFrench = Language::kFrench;

TEST_F(SkarvelCliTest, ShowsTheCustomerInItsLanguageAndRunsFromItsStatus) {
  const ProgramResult result = Run({"5412345000020"});  // status 40
  EXPECT_NE(result.out.find("Boulangerie Dupré"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("Numéro de poste : 3"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("[x]  3  Télécharger les paquets"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("[ ]  4  Décompresser le paquet de caisse"), std::string::npos);
  // The run starts after the downloads, which never reached this work folder: step 4 fetches
  // the till package again and goes on, until the central database, which is not there.
  // The program's own lines are in the customer's language too.
  EXPECT_NE(result.out.find(Said(kFrench, "Steps",
                                 "The package %1 is no longer in the work folder: it is "
                                 "downloaded again.",
                                 {"lumtrak650.zip"})),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find(Said(kFrench, "Terminal", "step %1 done, reported %2", {"4", "49"})),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find(Said(kFrench, "Terminal", "step %1 failed, reported %2", {"9", "98"})),
            std::string::npos)
      << result.out;
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(service_.Customer("5412345000020")["cp_ps_code"], "98");
}

TEST_F(SkarvelCliTest, ArrangesTheRestartAndResumesAfterIt) {
  const ProgramResult first = Run({"--no-restart", "5412345000013"});  // status 10
  EXPECT_EQ(first.exit_code, 5) << first.out << first.err;
  EXPECT_NE(first.out.find("skarvel-cli 5412345000013"), std::string::npos);
  EXPECT_NE(Contents(AutostartEntry()).find("Exec="), std::string::npos);
  EXPECT_NE(Contents(AutostartEntry()).find("skarvel 5412345000013"), std::string::npos);
  // The session that starts the entry has none of the deployment's settings.
  EXPECT_NE(Contents(AutostartEntry()).find("Exec=/usr/bin/env SKARVEL_SERVICE_HOST="),
            std::string::npos)
      << Contents(AutostartEntry());
  EXPECT_EQ(service_.Customer("5412345000013")["cp_ps_code"], "19");

  const ProgramResult second = Run({"5412345000013"});
  EXPECT_FALSE(std::filesystem::exists(AutostartEntry()));
  const auto done = [&second](const char* step, const char* status) {
    return second.out.find(Said(kDutch, "Terminal", "step %1 done, reported %2", {step, status}));
  };
  EXPECT_NE(done("2", "29"), std::string::npos) << second.out;
  // The four downloads arrive in the work folder, each reported.
  for (const char* file : {"7za.exe", "lumtrak650.zip", "tickets.zip", "Firebird25.zip"}) {
    EXPECT_TRUE(std::filesystem::exists(WorkFolder() + "/" + file)) << file;
  }
  EXPECT_NE(done("3", "39"), std::string::npos) << second.out;
  // The till programs are unpacked and copied into the till folder, the database server is
  // installed; the central database behind the alias is not there.
  EXPECT_NE(done("4", "49"), std::string::npos) << second.out;
  EXPECT_NE(done("5", "59"), std::string::npos) << second.out;
  EXPECT_TRUE(std::filesystem::exists(folder_.File("till/lumcaisse.exe")));
  EXPECT_NE(done("6", "69"), std::string::npos) << second.out;
  EXPECT_EQ(Contents(WorkFolder() + "/setup-called.txt"), "install.sh -silent\n");
  EXPECT_TRUE(std::filesystem::exists(folder_.File("firebird/UDF/fbudf.so")));
  EXPECT_NE(second.out.find(Said(kDutch, "Terminal", "step %1 failed, reported %2", {"9", "98"})),
            std::string::npos)
      << second.out;
  EXPECT_EQ(second.exit_code, 1);
  const std::string log = LogText();
  EXPECT_NE(log.find("/UpdateStatus?cust=1001&status=29&info=19 -> \"OKOK\""), std::string::npos)
      << log;
  // Step 2 emptied the work folder, and only it: the log keeps the first start's lines and the
  // lock file stays beside it.
  EXPECT_NE(log.find(Said(kDutch, "Terminal",
                          "The restart was not performed (--no-restart). After it, start the "
                          "installation again with: skarvel-cli %1",
                          {"5412345000013"})),
            std::string::npos)
      << log;
  EXPECT_TRUE(std::filesystem::exists(folder_.File("state/skarvel/skarvel.lock")));
  EXPECT_NE(log.find("FTP: downloaded lumtrak650/lumtrak650.zip"), std::string::npos) << log;
  EXPECT_EQ(log.find("730518"), std::string::npos);  // the password never reaches the log
}

// A customer marked for configuration, without a database server of its own: its receipt
// templates are generated before the code is accepted, then every workstation step runs for
// real up to the databases, which are not built yet.
TEST_F(SkarvelCliTest, GeneratesTemplatesThenRunsTheWorkstationSteps) {
  service_.SetField("5412345000037", "CP_NEEDCONF", "1");
  // The till of a previous installation: its settings file and its receipt texts.
  std::filesystem::create_directories(folder_.File("till"));
  std::ofstream(folder_.File("till/LUMTRAK.pos")) << "[Dorvello]\r\nPoste=4\r\n";
  std::ofstream(folder_.File("till/receipt.txt")) << "receipt";
  const ProgramResult result = Run({"5412345000037"});  // status 20
  const auto requests = service_.Requests();
  ASSERT_FALSE(requests.empty());
  std::vector<std::string> operations;
  for (const auto& request : requests) operations.push_back(request["op"]);
  const auto created = std::find(operations.begin(), operations.end(), "createtemplate");
  ASSERT_NE(created, operations.end()) << result.out;
  EXPECT_LT(created - operations.begin(),
            std::find(operations.begin(), operations.end(), "UpdateStatus") - operations.begin());
  EXPECT_TRUE(std::filesystem::exists(download_root_.File("pos_templates/all/5412345000037.zip")));

  for (const char* step :
       {"step 2 done, reported 29", "step 4 done, reported 49", "step 5 done, reported 59",
        "step 7 done, reported 79", "step 8 done, reported 89", "step 9 failed, reported 98"}) {
    EXPECT_NE(result.out.find(step), std::string::npos) << step << "\n" << result.out;
  }
  EXPECT_TRUE(std::filesystem::exists(folder_.File("till/lumcaisse.exe")));
  EXPECT_TRUE(std::filesystem::exists(folder_.File("till/ticket.txt")));
  const std::string settings = Contents(folder_.File("till/LUMTRAK.pos"));
  EXPECT_NE(settings.find("[Dorvello\\Caisse]\r\nGridAccess=1\r\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("\r\nLanglib=dvcfra.dll\r\n"), std::string::npos) << settings;
}

// A customer without a database server of its own, its central database on the embedded
// engine: the whole installation from status 20 to the end.
TEST_F(SkarvelCliTest, InstallsATillToTheEnd) {
  test::CupsServerProcess cups;
  cups_server_ = std::getenv("CUPS_SERVER");
  service_.SetField("5412345000037", "CP_GENTEXT", "TICKETS");
  PrepareCentralDatabase(11);
  // The till has sold before: its last closing, 17, has no centralisation yet.
  CentralExecute("insert into TICKETSCAISSE values (1, 4, 16)");
  CentralExecute("insert into TICKETSCAISSE values (2, 4, 17)");
  const ProgramResult result = Run({"5412345000037"});
  EXPECT_EQ(result.exit_code, 0) << result.out << result.err;
  for (const char* step :
       {"step 9 done, reported 99", "step 10 done, reported 109", "step 11 done, reported 119"}) {
    EXPECT_NE(result.out.find(step), std::string::npos) << step << "\n" << result.out;
  }
  EXPECT_EQ(service_.Customer("5412345000037")["cp_ps_code"], "120");
  EXPECT_EQ(ReportedStatuses(),
            (std::vector<std::string>{"29", "39", "39", "39", "39", "49", "59", "69", "79", "89",
                                      "99", "109", "119", "120"}));
  EXPECT_TRUE(std::filesystem::exists(TillDatabase()));
  EXPECT_EQ(TillRows("select count(*) from APPELPRIX"), std::to_string(sizes_.products));
  EXPECT_EQ(TillRows("select count(*) from APPROMO"), std::to_string(sizes_.promotions));
  EXPECT_EQ(TillRows("select count(*) from CLIENT_CARD"), std::to_string(sizes_.cards));
  EXPECT_EQ(CentralValue("select NUM_MODIFICATION || '/' || VERSI || '/' || NUM_MODIF_MOD from "
                         "POSTES where NUM_POSTE = 4 and POS_PKEY = 1003"),
            "4242/7200/555");
  EXPECT_EQ(CentralValue("select NUM_CLOTURE || '/' || NUM_CAISSIERE || '/' || trim("
                         "iif(JOUR = current_date, 'today', 'another day')) from CENTRALISATIONS "
                         "where NUM_POSTECAISSE = 4"),
            "17/0/today");
  const std::string settings = Contents(folder_.File("till/LUMTRAK.pos"));
  for (const std::string& line :
       {"\r\ndbf=" + folder_.File("till/LUMTRAK.FDB") + "\r\n",
        "\r\ndbf=" + CentralDatabase() + "\r\n", std::string("\r\nPoste=4\r\n"),
        std::string("\r\nNumCloture=18\r\n"), std::string("\r\nGenTextPrinter=TICKETS\r\n"),
        std::string("\r\nLanglib=dvcfra.dll\r\n"),
        "\r\nChequeFile=" + folder_.File("till/SRCHEQUE.TXT") + "\r\n"}) {
    EXPECT_NE(settings.find(line), std::string::npos) << line << "\n" << settings;
  }
  EXPECT_TRUE(std::filesystem::exists(folder_.File("home/Desktop/Lumtrak.desktop")));
  EXPECT_TRUE(
      std::filesystem::exists(folder_.File("home/.local/share/applications/Lumtrak.desktop")));
  cups_dest_t* printer = cupsGetNamedDest(CUPS_HTTP_DEFAULT, "TICKETS", nullptr);
  ASSERT_NE(printer, nullptr) << "the receipt printer's queue";
  EXPECT_STREQ(cupsGetOption("device-uri", printer->num_options, printer->options),
               "serial:/dev/ttyS0");
  cupsFreeDests(1, printer);
}

// In active mode, against a download server that offers no passive mode, with the archive
// tool's folder missing on it: that download reports 38, the three others still arrive, each
// reported 39, and the step fails. On a terminal each download has a line of its own, written
// over to its end.
TEST_F(SkarvelCliTest, DownloadsInActiveModeAndTriesEveryPackageAfterAMissingOne) {
  service_.SetField(kFreshCustomer, "CP_FTPPASSIF", "0");
  std::filesystem::remove_all(download_root_.File("zip"));
  RestartDownloadServer({.refuse_passive = true});
  const ProgramResult result = RunOnTerminal({kFreshCustomer});
  EXPECT_EQ(result.exit_code, 1) << result.out;
  // The service is told the step failed once more after the last download arrived.
  EXPECT_EQ(ReportedStatuses(), (std::vector<std::string>{"29", "38", "39", "39", "39", "38"}));
  EXPECT_EQ(CustomerStatus(kFreshCustomer), "38");
  for (const char* file : {"lumtrak650.zip", "tickets.zip", "Firebird25.zip"}) {
    EXPECT_TRUE(std::filesystem::exists(WorkFolder() + "/" + file)) << file;
  }
  EXPECT_FALSE(std::filesystem::exists(WorkFolder() + "/7za.exe"));
  const std::string log = LogText();
  // The code step's server list came in active mode too (step 2 empties the work folder).
  EXPECT_NE(log.find("FTP: downloaded srv/serveurs.cfg"), std::string::npos) << log;
  EXPECT_NE(log.find("cannot enter the folder zip"), std::string::npos) << log;
  // Each download's line is written over to its end, and its step line names it.
  for (const char* download :
       {"lumtrak650: lumtrak650.zip", "templates: tickets.zip", "firebird: Firebird25.zip"}) {
    const std::regex ended("\r  " + std::string(download) + "  [^\r\n]*\\[#{20}\\] 100%");
    EXPECT_TRUE(std::regex_search(result.out, ended)) << download << "\n" << result.out;
  }
  EXPECT_NE(result.out.find("step 3 done, reported 39 (lumtrak650)"), std::string::npos);
  EXPECT_NE(result.out.find("step 3 failed, reported 38"), std::string::npos) << result.out;
}

// On a terminal the unpacking has its line, written over to its end, and each table of the copy
// its own: the table's label, then its rows written over it.
TEST_F(SkarvelCliTest, OnATerminalTheUnpackingAndEachTableHaveTheirLines) {
  PrepareCentralDatabase(6);
  const ProgramResult result = RunOnTerminal({kFreshCustomer});
  ASSERT_EQ(result.exit_code, 0) << result.out;
  EXPECT_TRUE(std::regex_search(
      result.out, std::regex("\r  lumtrak650\\.zip[: ][^\r\n]*\\[#{20}\\] 100%[^\r\n]*\r?\n")))
      << result.out;
  const std::regex table("\n  ([a-z_]+)\r  \\1  [0-9]+ / [0-9]+ rows  [^\n]*\\[#{20}\\] 100%");
  std::set<std::string> tables;
  for (auto it = std::sregex_iterator(result.out.begin(), result.out.end(), table);
       it != std::sregex_iterator(); ++it) {
    tables.insert((*it)[1]);
  }
  EXPECT_GE(tables.size(), 5u) << result.out;
  EXPECT_NE(result.out.find("step 9 done, reported 99"), std::string::npos) << result.out;
}

// The same through a real database server, the central database named by its alias in the
// server list, which the download server spells in upper case: from the tests' own download
// server and from Debian's vsftpd.
class SkarvelCliServerListTest : public test::InstallationTest,
                                 public testing::WithParamInterface<test::FtpServerKind> {};

TEST_P(SkarvelCliServerListTest, InstallsATillThroughADatabaseServer) {
  if (GetParam() == test::FtpServerKind::kVsftpd) {
    if (const std::string why = test::WhyFtpServerUnavailable(GetParam()); !why.empty()) {
      GTEST_SKIP() << why;
    }
    ftp_.reset();
    ftp_ = std::make_unique<test::FtpServerProcess>(download_root_.path(),
                                                    test::FtpServerOptions{.kind = GetParam()});
  }
  test::FirebirdServerProcess server;  // before this process's first use of Firebird
  fixtures::MakeCentralDatabase(CentralDatabase(), fixtures::CentralSizes{}, 5);
  std::filesystem::rename(download_root_.File("srv/serveurs.cfg"),
                          download_root_.File("srv/SERVEURS.CFG"));
  service_.SetField("5412345000037", "PPA_POSPATH2", "localhost:" + folder_.File("till"));
  service_.SetField("5412345000037", "cus_base_pos", "SRV1:" + CentralDatabase());
  // The check reads the same list the same way.
  const ProgramResult check = Run({"--check", "5412345000037"});
  EXPECT_NE(check.out.find("ok    central-database  localhost:" + CentralDatabase() + " answers"),
            std::string::npos)
      << check.out;
  const ProgramResult result = Run({"5412345000037"});
  EXPECT_EQ(result.exit_code, 0) << result.out << result.err;
  EXPECT_NE(result.out.find("step 10 done, reported 109"), std::string::npos) << result.out;
  const std::string settings = Contents(folder_.File("till/LUMTRAK.pos"));
  EXPECT_NE(settings.find("\r\ndbf=localhost:" + CentralDatabase() + "\r\n"), std::string::npos)
      << settings;
  EXPECT_TRUE(std::filesystem::exists(TillDatabase()));
}

INSTANTIATE_TEST_SUITE_P(EachServer, SkarvelCliServerListTest,
                         testing::Values(test::FtpServerKind::kPyftpdlib,
                                         test::FtpServerKind::kVsftpd),
                         [](const testing::TestParamInfo<test::FtpServerKind>& info) {
                           return info.param == test::FtpServerKind::kVsftpd
                                      ? std::string("Vsftpd")
                                      : std::string("Pyftpdlib");
                         });

TEST_F(SkarvelCliTest, CtrlCStopsTheRunAfterTheStepInProgress) {
  // The first report is slow to come back, though not silent for a second: Ctrl-C arrives
  // while the step waits for it.
  service_.Fault("UpdateStatus", "normal", 400, 1);
  test::ChildProcess cli({SKARVEL_CLI_PROGRAM, "5412345000037"}, Environment(service_.host()));
  while (cli.ReadLine().find("GetLumtrak") == std::string::npos) {
  }
  cli.Signal(SIGINT);
  EXPECT_EQ(cli.Wait(), 4);
  EXPECT_EQ(service_.Requests("UpdateStatus").size(), 1u);  // the step in progress ran to its end
  EXPECT_EQ(service_.Customer("5412345000037")["cp_ps_code"], "29");
}

// The service falls silent (SIGSTOP) as the first report goes out: the terminal names it and
// how long, and Ctrl-C ends the wait at once instead of at the silence limit.
TEST_F(SkarvelCliTest, ASilentServiceIsNamedAndCtrlCEndsTheWait) {
  test::ChildProcess cli({SKARVEL_CLI_PROGRAM, "5412345000037"}, Environment(service_.host()));
  while (cli.ReadLine().find("GetLumtrak") == std::string::npos) {
  }
  service_.Freeze();
  std::string line;
  while ((line = cli.ReadLine()).find("has not answered") == std::string::npos) {
  }
  cli.Signal(SIGINT);
  const int exit_code = cli.Wait();
  service_.Thaw();
  EXPECT_EQ(exit_code, 4);
  EXPECT_EQ(line,
            "  The configuration service at " + service_.base_url() + " has not answered for 1 s.");
  EXPECT_NE(LogText().find("the installation was cancelled"), std::string::npos) << LogText();
}

// Without the service's acknowledgement of step 1 the computer would restart into step 1 again
// at every log-on: nothing is arranged, and the program says the service stopped answering.
TEST_F(SkarvelCliTest, AnUnansweredRestartReportArrangesNoRestart) {
  // Longer than the service gets to end its requests when stopped: the answer never leaves.
  service_.Fault("UpdateStatus", "normal", 30000, 1);
  test::ChildProcess cli({SKARVEL_CLI_PROGRAM, "--no-restart", "5412345000013"},
                         Environment(service_.host()));
  while (cli.ReadLine().find("De computer wordt eenmaal herstart") == std::string::npos) {
  }
  service_.Stop();  // the report in flight gets no answer
  EXPECT_EQ(cli.Wait(), 3);
  EXPECT_FALSE(std::filesystem::exists(AutostartEntry()));
  const std::string log = LogText();
  EXPECT_NE(log.find(Said(kDutch, "Steps", "the configuration service stopped answering")),
            std::string::npos)
      << log;
  EXPECT_EQ(log.find(Said(kDutch, "Terminal",
                          "The restart was not performed (--no-restart). After it, start the "
                          "installation again with: skarvel-cli %1",
                          {"5412345000013"})),
            std::string::npos)
      << log;
}

TEST_F(SkarvelCliTest, ARefusedRestartReportArrangesNoRestart) {
  service_.Fault("UpdateStatus", "error");
  const ProgramResult result = Run({"--no-restart", "5412345000013"});
  EXPECT_EQ(result.exit_code, 1) << result.out << result.err;
  EXPECT_FALSE(std::filesystem::exists(AutostartEntry()));
  EXPECT_EQ(ReportedStatuses(), std::vector<std::string>{"19"});
  EXPECT_NE(result.err.find(
                Said(kDutch, "Steps", "the configuration service did not take the step's report")),
            std::string::npos)
      << result.err;
}

// A completion window after a last report nobody acknowledged is no success: the service holds
// no 120, and the outcome line names step 12.
TEST_F(SkarvelCliTest, SucceedsOnlyWhenTheServiceHoldsTheEnd) {
  service_.SetField(kFreshCustomer, "cp_ps_code", "119");
  service_.Fault("UpdateStatus", "error");
  const ProgramResult result = Run({kFreshCustomer});
  EXPECT_EQ(result.exit_code, 1) << result.out << result.err;
  EXPECT_NE(result.out.find("step 12 failed, reported 118"), std::string::npos) << result.out;
  EXPECT_EQ(CustomerStatus(kFreshCustomer), "118");
  // Only the report is missing: the advice is to start again, and that run sends it.
  EXPECT_NE(result.err.find("complete on this computer"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("Start skarvel-cli " + std::string(kFreshCustomer) +
                            " again, without --undo"),
            std::string::npos)
      << result.err;
  service_.Fault("UpdateStatus", "normal");
  const ProgramResult again = Run({kFreshCustomer});
  EXPECT_EQ(again.exit_code, 0) << again.out << again.err;
  EXPECT_EQ(CustomerStatus(kFreshCustomer), "120");
  EXPECT_EQ(ReportedStatuses().back(), "120");
}

// A second start while an installation runs for this user says so and touches nothing; once
// the first is killed, its lock goes with it and the next start runs.
TEST_F(SkarvelCliTest, ASecondStartEndsWithoutTouchingAnything) {
  service_.Fault("UpdateStatus", "normal", 3000, 1);
  test::ChildProcess first({SKARVEL_CLI_PROGRAM, "5412345000037"}, Environment(service_.host()));
  while (first.ReadLine().find("GetLumtrak") == std::string::npos) {
  }
  const std::size_t requests = service_.Requests().size();
  const ProgramResult second = Run({"5412345000037"});
  EXPECT_EQ(second.exit_code, 6) << second.out << second.err;
  EXPECT_NE(second.err.find("An installation is running already for this user (process " +
                            std::to_string(first.pid()) + ")"),
            std::string::npos)
      << second.err;
  EXPECT_EQ(service_.Requests().size(), requests) << "the second start asked the service";
  // The log shows the refused start and its exit code.
  const std::string log = LogText();
  const auto refused = log.find("WARN  An installation is running already for this user (process " +
                                std::to_string(first.pid()) + ")");
  ASSERT_NE(refused, std::string::npos) << log;
  EXPECT_NE(log.find("exit code 6", refused), std::string::npos) << log;
  first.Signal(SIGKILL);
  first.Wait();
  const ProgramResult third = Run({"5412345000037"});
  EXPECT_NE(third.exit_code, 6) << third.err;
  EXPECT_NE(third.out.find("Installation status"), std::string::npos) << third.out;
}

TEST_F(SkarvelCliTest, NothingToDoCompletes) {
  httplib::Client client("http://" + service_.host());
  ASSERT_TRUE(client.Get("/skv/skv.dll/UpdateStatus?cust=1003&status=999&info=x"));
  EXPECT_EQ(Run({"5412345000037"}).exit_code, 0);
}

TEST_F(SkarvelCliTest, ExitCodesSayWhatWentWrong) {
  EXPECT_EQ(Run({"0000000000000"}).exit_code, 2);
  const ProgramResult unreachable =
      Run({"5412345000020"}, "127.0.0.1:" + std::to_string(test::RefusingPort()));
  EXPECT_EQ(unreachable.exit_code, 3);
  // The advice says why: nothing listens there.
  EXPECT_NE(unreachable.err.find("refuses the connection. Check the network"), std::string::npos)
      << unreachable.err;
  EXPECT_EQ(Run({}).exit_code, 64);
  EXPECT_EQ(Run({"5412345000020", "5412345000037"}).exit_code, 64);
  EXPECT_EQ(Run({"54123450000200"}).exit_code, 64);  // fourteen characters
  EXPECT_EQ(Run({"5412345000020"}, "bad host/x").exit_code, 64);
}

// A port out of range is a wrong setting, said with the variable's name, not an unreachable
// service.
TEST_F(SkarvelCliTest, AServicePortOutOfRangeIsAWrongSetting) {
  for (const char* host : {"127.0.0.1:70000", "127.0.0.1:0"}) {
    const ProgramResult result = Run({"5412345000020"}, host);
    EXPECT_EQ(result.exit_code, 64) << host << result.err;
    EXPECT_NE(result.err.find("SKARVEL_SERVICE_HOST"), std::string::npos) << result.err;
  }
}

// The wizard takes no option for a customer code: --help and --version are answered and change
// nothing, an unknown option is a usage error; neither asks the service nor removes the
// autostart entry a resumed installation needs.
TEST_F(SkarvelCliTest, TheWizardAnswersItsOptionsAndTakesNoneForACode) {
  std::filesystem::create_directories(folder_.File("xdg/autostart"));
  std::ofstream(AutostartEntry()) << "[Desktop Entry]\nExec=skarvel 5412345000013\n";
  auto environment = Environment(service_.host());
  environment["QT_QPA_PLATFORM"] = "offscreen";
  const auto wizard = [&](const std::vector<std::string>& arguments) {
    std::vector<std::string> argv = {SKARVEL_WIZARD_PROGRAM};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return test::RunProgram(argv, environment);
  };
  const ProgramResult help = wizard({"--help"});
  EXPECT_EQ(help.exit_code, 0) << help.err;
  EXPECT_NE(help.out.find("Usage: skarvel [CODE]"), std::string::npos) << help.out;
  const ProgramResult version = wizard({"--version"});
  EXPECT_EQ(version.exit_code, 0) << version.err;
  EXPECT_EQ(version.out.rfind("skarvel ", 0), 0u) << version.out;
  for (const char* option : {"--helpme", "-x", "--code=5412345000013"}) {
    const ProgramResult wrong = wizard({option});
    EXPECT_EQ(wrong.exit_code, 64) << option << wrong.out << wrong.err;
    EXPECT_NE(wrong.err.find(std::string("unknown option ") + option), std::string::npos)
        << wrong.err;
  }
  // Started where no display is (a remote shell), it says so instead of the toolkit aborting.
  for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    environment[variable] = "";
  }
  const ProgramResult nowhere = wizard({"5412345000013"});
  EXPECT_EQ(nowhere.exit_code, 64) << nowhere.err;
  EXPECT_NE(nowhere.err.find("skarvel: there is no display to show the wizard on"),
            std::string::npos)
      << nowhere.err;
  EXPECT_TRUE(std::filesystem::exists(AutostartEntry()));
  EXPECT_TRUE(service_.Requests().empty());
}

TEST_F(SkarvelCliTest, HelpDocumentsTheExitCodes) {
  const ProgramResult result = Run({"--help"});
  EXPECT_EQ(result.exit_code, 0);
  for (const char* line :
       {"0   the installation completed", "4   cancelled", "5   the computer must restart",
        "--no-restart", "SKARVEL_SERVICE_HOST", "skarvel.log"}) {
    EXPECT_NE(result.out.find(line), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace skarvel
