#include <algorithm>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <sstream>

#include <cups/cups.h>
#include <gtest/gtest.h>
#include <httplib.h>

#include "database/data_module.h"
#include "database/statement.h"
#include "tests/support/child_process.h"
#include "tests/support/cups_server_process.h"
#include "tests/support/firebird_server_process.h"
#include "tests/support/ftp_server_process.h"
#include "tests/support/reference_service_process.h"
#include "tests/support/temp_folder.h"
#include "tools/demo_databases/demo_databases.h"

namespace skarvel {
namespace {

using test::ProgramResult;
using test::RunProgram;

std::string Contents(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// Each test has its own service, and its own folders for everything the program writes: the
// work folder, the autostart entries, the log.
class SkarvelCliTest : public testing::Test {
 protected:
  // The till folder too is the test's own.
  SkarvelCliTest() {
    for (const char* code : {"5412345000013", "5412345000020", "5412345000037"}) {
      service_.SetField(code, "PPA_POSPATH", folder_.File("till/"));
    }
  }

  std::map<std::string, std::string> Environment(const std::string& host) {
    return {{"SKARVEL_SERVICE_HOST", host},
            {"SKARVEL_FTP_PORT", std::to_string(ftp_.port())},
            {"SKARVEL_FIREBIRD_ROOT", folder_.File("firebird")},
            {"TMPDIR", folder_.path()},
            {"HOME", folder_.File("home")},
            {"XDG_CONFIG_DIRS", folder_.File("xdg")},
            {"XDG_CONFIG_HOME", folder_.File("config")},
            {"XDG_STATE_HOME", folder_.File("state")},
            {"CUPS_SERVER", cups_server_.empty() ? folder_.File("no-cups.sock") : cups_server_}};
  }
  ProgramResult Run(const std::vector<std::string>& arguments, const std::string& host) {
    std::vector<std::string> argv = {SKARVEL_CLI_PROGRAM};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return RunProgram(argv, Environment(host));
  }
  ProgramResult Run(const std::vector<std::string>& arguments) {
    return Run(arguments, service_.host());
  }
  // No printer queue of the machine's own scheduler is touched: without a scheduler of the
  // test's own, the program is pointed at none.
  std::string cups_server_;
  std::string Value(const std::string& database, const std::string& sql) {
    db::Attachment attachment = db::Attachment::Open(
        {database, db::kDatabaseUser, db::kDatabasePassword, std::string("WIN1252")});
    db::Transaction transaction(attachment);
    db::Statement query(transaction, sql);
    db::ResultSet rows = query.Open();
    return rows.Next() ? rows.Row().AsString(0) : "(no row)";
  }
  std::string TillRows(const std::string& sql) {
    return Value(folder_.File("till/LUMTRAK.FDB"), sql);
  }
  std::string CentralValue(const std::string& sql) {
    return Value(folder_.File("central.fdb"), sql);
  }
  std::string AutostartEntry() { return folder_.File("xdg/autostart/runskarvel.desktop"); }

  // The download server of the demo customers: each folder their installation fetches, the till
  // package a real protected archive holding "lumtrak/".
  static std::string DownloadTree(const test::TempFolder& root) {
    namespace fs = std::filesystem;
    for (const char* file : {"srv/serveurs.cfg", "zip/7za.exe", "staging/lumtrak/lumcaisse.exe",
                             "staging/lumtrak/bmp/logo.bmp", "staging/tickets/ticket.txt",
                             "staging/firebird25/udf/fbudf.so"}) {
      fs::create_directories(fs::path(root.File(file)).parent_path());
      std::ofstream(root.File(file)) << file;
    }
    // The server list names the database server of the installations.
    std::ofstream(root.File("srv/serveurs.cfg")) << "[SRV]\r\nSRV1=localhost\r\n";
    // The prepared till databases travel in the till package.
    fixtures::MakeTillDatabase(root.File("staging/lumtrak/LUMTRAK25.FDB"));
    fixtures::MakeTillDatabase(root.File("staging/lumtrak/LUMTRAK15.FDB"));
    // The server package: a setup program that only notes how it was called.
    std::ofstream(root.File("staging/firebird25/install.sh"))
        << "#!/bin/sh\necho \"install.sh $*\" >> \"$(dirname \"$0\")/../setup-called.txt\"\n";
    fs::permissions(root.File("staging/firebird25/install.sh"), fs::perms::owner_all);
    fs::create_directories(root.File("firebird"));
    RunProgram({"/usr/bin/7za", "a", "-tzip", "-pm!rdo!ka", root.File("firebird/Firebird25.zip"),
                root.File("staging/firebird25")});
    fs::create_directories(root.File("lumtrak650"));
    fs::create_directories(root.File("templates"));
    fs::create_directories(root.File("pos_templates/all"));
    RunProgram({"/usr/bin/7za", "a", "-tzip", root.File("templates/tickets.zip"),
                root.File("staging/tickets/ticket.txt")});
    RunProgram({"/usr/bin/7za", "a", "-tzip", "-pm!rdo!ka", root.File("lumtrak650/lumtrak650.zip"),
                root.File("staging/lumtrak")});
    return root.path();
  }

  test::ReferenceServiceProcess service_;
  test::TempFolder folder_;
  test::TempFolder download_root_;
  test::FtpServerProcess ftp_{DownloadTree(download_root_)};
};

TEST_F(SkarvelCliTest, ShowsTheCustomerInItsLanguageAndRunsFromItsStatus) {
  const ProgramResult result = Run({"5412345000020"});  // status 40
  EXPECT_NE(result.out.find("Boulangerie Dupré"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("Numéro de poste : 3"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("[x]  3  Télécharger les paquets"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("[ ]  4  Décompresser le paquet de caisse"), std::string::npos);
  // The run starts after the downloads, which never reached this work folder: nothing to unpack.
  EXPECT_NE(result.out.find("step 4 failed, reported 48"), std::string::npos) << result.out;
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.err.find("the installation stopped"), std::string::npos);
  EXPECT_EQ(service_.Customer("5412345000020")["cp_ps_code"], "48");
}

TEST_F(SkarvelCliTest, ArrangesTheRestartAndResumesAfterIt) {
  const ProgramResult first = Run({"--no-restart", "5412345000013"});  // status 10
  EXPECT_EQ(first.exit_code, 5) << first.out << first.err;
  EXPECT_NE(first.out.find("skarvel-cli 5412345000013"), std::string::npos);
  EXPECT_NE(Contents(AutostartEntry()).find("Exec="), std::string::npos);
  EXPECT_NE(Contents(AutostartEntry()).find("skarvel 5412345000013"), std::string::npos);
  EXPECT_EQ(service_.Customer("5412345000013")["cp_ps_code"], "19");

  const ProgramResult second = Run({"5412345000013"});
  EXPECT_FALSE(std::filesystem::exists(AutostartEntry()));
  EXPECT_NE(second.out.find("step 2 done, reported 29"), std::string::npos) << second.out;
  // The four downloads arrive in the work folder, each reported.
  for (const char* file : {"7za.exe", "lumtrak650.zip", "tickets.zip", "Firebird25.zip"}) {
    EXPECT_TRUE(std::filesystem::exists(folder_.File(std::string("skarvel/") + file))) << file;
  }
  EXPECT_NE(second.out.find("step 3 done, reported 39"), std::string::npos) << second.out;
  // The till programs are unpacked and copied into the till folder, the database server is
  // installed; the central database behind the alias is not there.
  EXPECT_NE(second.out.find("step 4 done, reported 49"), std::string::npos) << second.out;
  EXPECT_NE(second.out.find("step 5 done, reported 59"), std::string::npos) << second.out;
  EXPECT_TRUE(std::filesystem::exists(folder_.File("till/lumcaisse.exe")));
  EXPECT_NE(second.out.find("step 6 done, reported 69"), std::string::npos) << second.out;
  EXPECT_EQ(Contents(folder_.File("skarvel/setup-called.txt")), "install.sh -silent\n");
  EXPECT_TRUE(std::filesystem::exists(folder_.File("firebird/UDF/fbudf.so")));
  EXPECT_NE(second.out.find("step 9 failed, reported 98"), std::string::npos) << second.out;
  EXPECT_EQ(second.exit_code, 1);
  const std::string log = Contents(folder_.File("state/skarvel/skarvel.log"));
  EXPECT_NE(log.find("/UpdateStatus?cust=1001&status=29&info=19 -> \"OKOK\""), std::string::npos)
      << log;
  EXPECT_NE(log.find("FTP: downloaded lumtrak650/lumtrak650.zip"), std::string::npos) << log;
  EXPECT_EQ(log.find("730518"), std::string::npos);  // the password never reaches the log
}

// A customer marked for configuration, without a database server of its own: its receipt
// templates are generated before the code is accepted, then every workstation step runs for
// real up to the databases, which are not built yet.
TEST_F(SkarvelCliTest, GeneratesTemplatesThenRunsTheWorkstationSteps) {
  service_.SetField("5412345000037", "CP_NEEDCONF", "1");
  std::filesystem::create_directories(folder_.File("till"));
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
  fixtures::CentralSizes sizes;
  fixtures::MakeCentralDatabase(folder_.File("central.fdb"), sizes, 11);
  service_.SetField("5412345000037", "PPA_POSPATH2", folder_.File("till"));
  service_.SetField("5412345000037", "cus_base_pos", folder_.File("central.fdb"));
  const ProgramResult result = Run({"5412345000037"});
  EXPECT_EQ(result.exit_code, 0) << result.out << result.err;
  for (const char* step :
       {"step 9 done, reported 99", "step 10 done, reported 109", "step 11 done, reported 119"}) {
    EXPECT_NE(result.out.find(step), std::string::npos) << step << "\n" << result.out;
  }
  EXPECT_EQ(service_.Customer("5412345000037")["cp_ps_code"], "120");
  std::vector<std::string> reports;
  for (const auto& request : service_.Requests("UpdateStatus")) {
    reports.push_back(request["params"]["status"]);
  }
  EXPECT_EQ(reports, (std::vector<std::string>{"29", "39", "39", "39", "39", "49", "59", "69", "79",
                                               "89", "99", "109", "119", "120"}));
  EXPECT_TRUE(std::filesystem::exists(folder_.File("till/LUMTRAK.FDB")));
  EXPECT_EQ(TillRows("select count(*) from APPELPRIX"), std::to_string(sizes.products));
  EXPECT_EQ(TillRows("select count(*) from APPROMO"), std::to_string(sizes.promotions));
  EXPECT_EQ(TillRows("select count(*) from CLIENT_CARD"), std::to_string(sizes.cards));
  EXPECT_EQ(CentralValue("select NUM_MODIFICATION || '/' || VERSI || '/' || NUM_MODIF_MOD from "
                         "POSTES where NUM_POSTE = 4 and POS_PKEY = 1003"),
            "4242/7200/555");
  const std::string settings = Contents(folder_.File("till/LUMTRAK.pos"));
  for (const std::string& line :
       {"\r\ndbf=" + folder_.File("till/LUMTRAK.FDB") + "\r\n",
        "\r\ndbf=" + folder_.File("central.fdb") + "\r\n", std::string("\r\nPoste=4\r\n"),
        std::string("\r\nNumCloture=1\r\n")}) {
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

// The same through a real database server, the central database named by its alias in the
// server list.
TEST_F(SkarvelCliTest, InstallsATillThroughADatabaseServer) {
  test::FirebirdServerProcess server;  // before this process's first use of Firebird
  fixtures::MakeCentralDatabase(folder_.File("central.fdb"), fixtures::CentralSizes{}, 5);
  service_.SetField("5412345000037", "PPA_POSPATH2", "localhost:" + folder_.File("till"));
  service_.SetField("5412345000037", "cus_base_pos", "SRV1:" + folder_.File("central.fdb"));
  const ProgramResult result = Run({"5412345000037"});
  EXPECT_EQ(result.exit_code, 0) << result.out << result.err;
  EXPECT_NE(result.out.find("step 10 done, reported 109"), std::string::npos) << result.out;
  const std::string settings = Contents(folder_.File("till/LUMTRAK.pos"));
  EXPECT_NE(settings.find("\r\ndbf=localhost:" + folder_.File("central.fdb") + "\r\n"),
            std::string::npos)
      << settings;
  EXPECT_TRUE(std::filesystem::exists(folder_.File("till/LUMTRAK.FDB")));
}

TEST_F(SkarvelCliTest, CtrlCStopsTheRunAfterTheStepInProgress) {
  // The first report is slow to come back: Ctrl-C arrives while the step waits for it.
  service_.Fault("UpdateStatus", "normal", 1500, 1);
  test::ChildProcess cli({SKARVEL_CLI_PROGRAM, "5412345000037"}, Environment(service_.host()));
  while (cli.ReadLine().find("GetLumtrak") == std::string::npos) {
  }
  cli.Signal(SIGINT);
  EXPECT_EQ(cli.Wait(), 4);
  EXPECT_EQ(service_.Requests("UpdateStatus").size(), 1u);  // the step in progress ran to its end
  EXPECT_EQ(service_.Customer("5412345000037")["cp_ps_code"], "29");
}

TEST_F(SkarvelCliTest, NothingToDoCompletes) {
  httplib::Client client("http://" + service_.host());
  ASSERT_TRUE(client.Get("/skv/skv.dll/UpdateStatus?cust=1003&status=999&info=x"));
  EXPECT_EQ(Run({"5412345000037"}).exit_code, 0);
}

TEST_F(SkarvelCliTest, ExitCodesSayWhatWentWrong) {
  EXPECT_EQ(Run({"0000000000000"}).exit_code, 2);
  const ProgramResult unreachable =
      Run({"5412345000020"}, "127.0.0.1:" + std::to_string(test::UnusedPort()));
  EXPECT_EQ(unreachable.exit_code, 3);
  EXPECT_NE(unreachable.err.find("does not answer"), std::string::npos);
  EXPECT_EQ(Run({}).exit_code, 64);
  EXPECT_EQ(Run({"5412345000020", "5412345000037"}).exit_code, 64);
  EXPECT_EQ(Run({"54123450000200"}).exit_code, 64);  // fourteen characters
  EXPECT_EQ(Run({"5412345000020"}, "bad host/x").exit_code, 64);
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
