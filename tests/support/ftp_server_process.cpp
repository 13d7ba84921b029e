#include "tests/support/ftp_server_process.h"

#include <stdexcept>

namespace skarvel::test {

FtpServerProcess::FtpServerProcess(const std::string& root, const FtpServerOptions& options) {
  std::vector<std::string> command{"/usr/bin/python3", SKARVEL_FTP_SERVER_SCRIPT,
                                   "--root",           root,
                                   "--cut-after",      std::to_string(options.cut_after),
                                   "--exit-after",     std::to_string(options.exit_after)};
  if (options.refuse_passive) command.push_back("--refuse-passive");
  if (options.send_rate > 0) {
    command.insert(command.end(), {"--send-rate", std::to_string(options.send_rate)});
  }
  process_ = std::make_unique<ChildProcess>(command, std::map<std::string, std::string>{});
  const std::string line = process_->ReadLine();
  const std::string prefix = "listening on 127.0.0.1:";
  if (line.rfind(prefix, 0) != 0) throw std::runtime_error("the FTP server said: " + line);
  port_ = std::stoi(line.substr(prefix.size()));
}

TfTP FtpServerProcess::Account(bool passive) const {
  return TfTP{"127.0.0.1", port_, "skarvel", "730518", passive};
}

}  // namespace skarvel::test
