#include "tests/support/installation_fixture.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "database/data_module.h"
#include "database/statement.h"

namespace skarvel::test {
namespace {

namespace fs = std::filesystem;

// The download server of the demo customers: each folder their installation fetches, the till
// package a real protected archive holding "lumtrak/".
std::string DownloadTree(const TempFolder& root) {
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
  for (const char* folder : {"firebird", "lumtrak650", "templates", "pos_templates/all"}) {
    fs::create_directories(root.File(folder));
  }
  RunProgram({"/usr/bin/7za", "a", "-tzip", "-pm!rdo!ka", root.File("firebird/Firebird25.zip"),
              root.File("staging/firebird25")});
  RunProgram({"/usr/bin/7za", "a", "-tzip", root.File("templates/tickets.zip"),
              root.File("staging/tickets/ticket.txt")});
  RunProgram({"/usr/bin/7za", "a", "-tzip", "-pm!rdo!ka", root.File("lumtrak650/lumtrak650.zip"),
              root.File("staging/lumtrak")});
  return root.path();
}

db::Attachment OpenAsAdministrator(const std::string& database) {
  return db::Attachment::Open(
      {database, db::kDatabaseUser, db::kDatabasePassword, std::string("WIN1252")});
}

}  // namespace

std::string Contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// The till folder too is the test's own.
InstallationTest::InstallationTest()
    : ftp_(std::make_unique<FtpServerProcess>(DownloadTree(download_root_))) {
  for (const char* code : {"5412345000013", "5412345000020", kFreshCustomer}) {
    service_.SetField(code, "PPA_POSPATH", folder_.File("till/"));
  }
}

std::map<std::string, std::string> InstallationTest::Environment(const std::string& host) {
  return {{"SKARVEL_SERVICE_HOST", host},
          {"SKARVEL_FTP_PORT", std::to_string(ftp_->port())},
          {"SKARVEL_FIREBIRD_ROOT", folder_.File("firebird")},
          // The machine's own services (a database server among them) stay out of the test.
          {"SKARVEL_SYSTEMD_ROOT", folder_.File("system")},
          {"TMPDIR", folder_.path()},
          {"XDG_CACHE_HOME", folder_.path()},
          {"HOME", folder_.File("home")},
          {"XDG_CONFIG_DIRS", folder_.File("xdg")},
          {"XDG_CONFIG_HOME", folder_.File("config")},
          {"XDG_STATE_HOME", folder_.File("state")},
          {"CUPS_SERVER", cups_server_.empty() ? folder_.File("no-cups.sock") : cups_server_}};
}

ProgramResult InstallationTest::Run(const std::vector<std::string>& arguments,
                                    const std::string& host) {
  std::vector<std::string> argv = {SKARVEL_CLI_PROGRAM};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return RunProgram(argv, Environment(host));
}

ProgramResult InstallationTest::Run(const std::vector<std::string>& arguments) {
  return Run(arguments, service_.host());
}

ProgramResult InstallationTest::RunOnTerminal(const std::vector<std::string>& arguments) {
  // The arguments are the test's own codes and options: nothing the shell would change.
  std::string command = SKARVEL_CLI_PROGRAM;
  for (const std::string& argument : arguments) command += " " + argument;
  return RunProgram({"/usr/bin/script", "--quiet", "--return", "--command", command, "/dev/null"},
                    Environment(service_.host()));
}

void InstallationTest::PrepareCentralDatabase(int seed) {
  fixtures::MakeCentralDatabase(CentralDatabase(), sizes_, seed);
  service_.SetField(kFreshCustomer, "PPA_POSPATH2", folder_.File("till"));
  service_.SetField(kFreshCustomer, "cus_base_pos", CentralDatabase());
}

void InstallationTest::EnlargeTillPackage(std::size_t bytes) {
  std::ofstream large(download_root_.File("staging/lumtrak/zz-large.bin"), std::ios::binary);
  std::mt19937_64 random(7);
  std::vector<std::uint64_t> block(1 << 16);
  for (std::size_t written = 0; written < bytes; written += block.size() * 8) {
    for (auto& word : block) word = random();
    large.write(reinterpret_cast<const char*>(block.data()),
                static_cast<std::streamsize>(std::min(bytes - written, block.size() * 8)));
  }
  large.close();
  fs::remove(download_root_.File("lumtrak650/lumtrak650.zip"));
  RunProgram({"/usr/bin/7za", "a", "-tzip", "-mx0", "-pm!rdo!ka",
              download_root_.File("lumtrak650/lumtrak650.zip"),
              download_root_.File("staging/lumtrak")});
}

void InstallationTest::RestartDownloadServer(const FtpServerOptions& options) {
  ftp_.reset();
  ftp_ = std::make_unique<FtpServerProcess>(download_root_.path(), options);
}

std::string InstallationTest::Value(const std::string& database, const std::string& sql) {
  db::Attachment attachment = OpenAsAdministrator(database);
  db::Transaction transaction(attachment);
  db::Statement query(transaction, sql);
  db::ResultSet rows = query.Open();
  return rows.Next() ? rows.Row().AsString(0) : "(no row)";
}

void InstallationTest::CentralExecute(const std::string& sql) {
  OpenAsAdministrator(CentralDatabase()).ExecuteImmediate(sql);
}

std::vector<std::string> InstallationTest::ReportedStatuses() {
  std::vector<std::string> statuses;
  for (const auto& request : service_.Requests("UpdateStatus")) {
    statuses.push_back(request["params"]["status"]);
  }
  return statuses;
}

}  // namespace skarvel::test
