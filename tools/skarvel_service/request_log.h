#pragma once

#include <fstream>
#include <mutex>
#include <string>

#include <nlohmann/json.hpp>

namespace skarvel::reference {

// Appends one JSON object per line for every request the service answers, flushed at once so a
// test can read it while the service runs. Without a path nothing is written. Thread-safe.
class RequestLog {
 public:
  explicit RequestLog(const std::string& path);
  void Write(nlohmann::ordered_json entry);

 private:
  std::mutex mutex_;
  std::ofstream file_;
  long sequence_ = 0;
};

}  // namespace skarvel::reference
