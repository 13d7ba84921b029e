#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/child_process.h"
#include "tests/support/file_contents.h"
#include "tests/support/ftp_server_process.h"
#include "tests/support/reference_service_process.h"
#include "tests/support/temp_folder.h"
#include "tools/demo_databases/demo_databases.h"

namespace skarvel::test {

// A whole installation by the unattended program against real peers: the test's own service,
// its own download server with the demo customers' packages, and its own folders for
// everything the program writes (work folder, till folder, autostart entries, launchers, log).
class InstallationTest : public testing::Test {
 protected:
  // The customer whose installation starts at step 2 and has no database server of its own.
  static constexpr const char* kFreshCustomer = "5412345000037";

  InstallationTest();
  // The same with both servers reached over TLS, as a deployment that asks for it: the service
  // over HTTPS and the download server Debian's vsftpd requiring explicit TLS, both presenting
  // the valid certificate of the tests' own authority, which SKARVEL_CA_FILE names (ca_file_).
  // Where vsftpd cannot run here, tls_unavailable_ says why.
  struct OverTls {};
  explicit InstallationTest(OverTls);

  std::map<std::string, std::string> Environment(const std::string& host);
  ProgramResult Run(const std::vector<std::string>& arguments, const std::string& host);
  ProgramResult Run(const std::vector<std::string>& arguments);
  // The same with its output on a pseudo-terminal (through script(1)), as a person sees it;
  // the terminal's output and the program's exit code come back.
  ProgramResult RunOnTerminal(const std::vector<std::string>& arguments);

  // Gives kFreshCustomer a seeded central database on the embedded engine and a till database
  // in the till folder, and its receipt printer.
  void PrepareCentralDatabase(int seed);
  // The download server starts again, behaving as options say.
  void RestartDownloadServer(const FtpServerOptions& options);
  // The till package gets a file of random bytes, "lumtrak/zz-large.bin", so that unpacking it
  // takes a while.
  void EnlargeTillPackage(std::size_t bytes);

  // The first column of the first row of sql, as text, or "(no row)".
  std::string Value(const std::string& database, const std::string& sql);
  std::string TillRows(const std::string& sql) { return Value(TillDatabase(), sql); }
  std::string CentralValue(const std::string& sql) { return Value(CentralDatabase(), sql); }
  // Runs a statement on the central database and commits it.
  void CentralExecute(const std::string& sql);
  std::string TillDatabase() const { return folder_.File("till/LUMTRAK.FDB"); }
  std::string CentralDatabase() const { return folder_.File("central.fdb"); }
  std::string LogText() const { return Contents(folder_.File("state/skarvel/skarvel.log")); }
  std::string WorkFolder() const { return folder_.File("state/skarvel/work"); }
  std::string AutostartEntry() const { return folder_.File("xdg/autostart/runskarvel.desktop"); }
  std::string CustomerStatus(const std::string& code) {
    return service_.Customer(code)["cp_ps_code"];
  }
  // Every status the service received for the customer key, in order.
  std::vector<std::string> ReportedStatuses();

  // No printer queue of the machine's own scheduler is touched: without a scheduler of the
  // test's own, the program is pointed at none.
  std::string cups_server_;
  fixtures::CentralSizes sizes_;
  ReferenceServiceProcess service_;
  TempFolder folder_;
  TempFolder download_root_;
  std::unique_ptr<FtpServerProcess> ftp_;

 private:
  void PointTillFoldersHere();

 protected:
  bool tls_ = false;
  std::string ca_file_;
  std::string tls_unavailable_;
};

}  // namespace skarvel::test
