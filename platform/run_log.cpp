#include "platform/run_log.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "platform/state_folder.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;

std::string Timestamp() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
  localtime_r(&seconds, &local);
  char text[40];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  char with_millis[48];
  std::snprintf(with_millis, sizeof with_millis, "%s.%03d", text, static_cast<int>(millis));
  return with_millis;
}

}  // namespace

std::string RunLog::DefaultPath() { return Utf8FromAnsi(ProgramStateFolder()) + "skarvel.log"; }

void RunLog::Write(const std::string& text) {
  if (path_.empty()) return;
  std::error_code error;
  fs::create_directories(fs::path(path_).parent_path(), error);
  if (fs::file_size(path_, error) >= kRotateAt && !error) {
    fs::rename(path_, path_ + ".1", error);
  }
  std::ofstream out(path_, std::ios::app);
  out << Timestamp() << "  " << Utf8FromAnsi(text) << '\n';
}

}  // namespace skarvel
