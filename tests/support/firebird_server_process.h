#pragma once

#include <memory>
#include <string>

#include "database/data_module.h"
#include "tests/support/child_process.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

namespace skarvel::test {

// How the test's Firebird server runs: under this process's account, or under another (as a
// distribution runs it, "firebird"), and the password its SYSDBA has.
struct FirebirdServerOptions {
  std::string account;
  std::string sysdba_password = db::kDatabasePassword;
};

// A Firebird server of the test's own: Debian's server binary with a root folder in a temporary
// folder (the system's libraries, plugins and character sets, a configuration that listens on
// 127.0.0.1 on a free port, a security database of its own where SYSDBA has the password the
// options give). The system's own server and security database are never touched. While the
// object lives, FIREBIRD points this process at that root, so that "localhost:" paths reach the
// server. Firebird reads its root once, at its first use in the process: make the server before
// anything else touches a database. Ended with the test.
class FirebirdServerProcess {
 public:
  explicit FirebirdServerProcess(const FirebirdServerOptions& options = {});
  ~FirebirdServerProcess();

  // The root folder, which programs run by other accounts may read (FIREBIRD for them).
  const std::string& root() const { return root_.path(); }

  // The server goes away at once; its root and this process's settings stay, so "localhost:"
  // paths now reach a port where nothing listens.
  void Kill();

 private:
  TempFolder root_;
  std::unique_ptr<ChildProcess> server_;
  std::unique_ptr<ScopedEnvironment> firebird_;
  std::unique_ptr<ScopedEnvironment> lock_;
};

}  // namespace skarvel::test
