#pragma once

#include <memory>
#include <string>

#include "service/ftp_account.h"
#include "tests/support/child_process.h"

namespace skarvel::test {

// The test download server (pyftpdlib) on a free loopback port, serving root with the account
// "skarvel" / "730518"; stopped at the end of the test. cut_after >= 0 breaks every download off
// after that many bytes; exit_after >= 0 ends the whole server once a download sent that many.
class FtpServerProcess {
 public:
  explicit FtpServerProcess(const std::string& root, long cut_after = -1, long exit_after = -1);
  int port() const { return port_; }
  TfTP Account(bool passive = true) const;

 private:
  std::unique_ptr<ChildProcess> process_;
  int port_ = 0;
};

}  // namespace skarvel::test
