#pragma once

#include <memory>
#include <string>

#include "service/ftp_account.h"
#include "tests/support/child_process.h"

namespace skarvel::test {

// How the test download server departs from a plain, fast one, if at all.
struct FtpServerOptions {
  long cut_after = -1;          // >= 0: every download is broken off after that many bytes
  long exit_after = -1;         // >= 0: the whole server ends once a download sent that many
  bool refuse_passive = false;  // PASV and EPSV are refused: only active mode works
  long send_rate = 0;           // > 0: downloads go out at that many bytes a second
};

// The test download server (pyftpdlib) on a free loopback port, serving root with the account
// "skarvel" / "730518"; stopped at the end of the test.
class FtpServerProcess {
 public:
  explicit FtpServerProcess(const std::string& root, const FtpServerOptions& options = {});
  int port() const { return port_; }
  TfTP Account(bool passive = true) const;

 private:
  std::unique_ptr<ChildProcess> process_;
  int port_ = 0;
};

}  // namespace skarvel::test
