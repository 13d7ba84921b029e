#include "tests/support/installation_fixture.h"

#include <fstream>
#include <sstream>

#include "tests/support/download_tree.h"

namespace skarvel::test {

InstallationTest::InstallationTest()
    : ftp_(std::make_unique<FtpServerProcess>(MakeDownloadTree(download_root_))) {
  PointTillFoldersHere();
}

InstallationTest::InstallationTest(OverTls)
    : service_({}, TestCertificates::Get().Valid()),
      tls_(true),
      ca_file_(TestCertificates::Get().Authority()),
      tls_unavailable_(WhyFtpServerUnavailable(FtpServerKind::kVsftpd)) {
  MakeDownloadTree(download_root_);
  FtpServerOptions options;
  if (tls_unavailable_.empty())
    options = {.kind = FtpServerKind::kVsftpd, .tls = TestCertificates::Get().Valid()};
  ftp_ = std::make_unique<FtpServerProcess>(download_root_.path(), options);
  PointTillFoldersHere();
}

// The till folder too is the test's own.
void InstallationTest::PointTillFoldersHere() {
  for (const char* code : {"5412345000013", "5412345000020", kFreshCustomer}) {
    service_.SetField(code, "PPA_POSPATH", folder_.File("till/"));
  }
}

std::map<std::string, std::string> InstallationTest::Environment(const std::string& host) {
  std::map<std::string, std::string> environment = {
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
      {"CUPS_SERVER", cups_server_.empty() ? folder_.File("no-cups.sock") : cups_server_},
      // The program's own words in English whatever the tester's desktop speaks; a record's
      // language still changes them.
      {"LANGUAGE", ""},
      {"LC_MESSAGES", "C"}};
  if (!tls_) {
    environment["SKARVEL_SERVICE_HOST"] = host;
    return environment;
  }
  environment["SKARVEL_SERVICE_URL"] = "https://" + host;
  environment["SKARVEL_FTP_TLS"] = "required";
  environment["SKARVEL_CA_FILE"] = ca_file_;
  return environment;
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
  test::EnlargeTillPackage(download_root_, bytes);
}

void InstallationTest::RestartDownloadServer(const FtpServerOptions& options) {
  ftp_.reset();
  ftp_ = std::make_unique<FtpServerProcess>(download_root_.path(), options);
}

std::string InstallationTest::Value(const std::string& database, const std::string& sql) {
  return FirstValue(database, sql);
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
