#include "tools/skarvel_service/request_log.h"

#include <chrono>
#include <stdexcept>

namespace skarvel::reference {

RequestLog::RequestLog(const std::string& path) {
  if (path.empty()) return;
  file_.open(path, std::ios::app);
  if (!file_) throw std::runtime_error("cannot write the log file " + path);
}

void RequestLog::Write(nlohmann::ordered_json entry) {
  std::lock_guard lock(mutex_);
  if (!file_.is_open()) return;
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  nlohmann::ordered_json line = {
      {"seq", ++sequence_},
      {"time_ms", std::chrono::duration_cast<std::chrono::milliseconds>(now).count()}};
  line.update(entry);
  file_ << line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
  file_.flush();
}

}  // namespace skarvel::reference
