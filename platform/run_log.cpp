#include "platform/run_log.h"

#include <chrono>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <unistd.h>

#include "platform/state_folder.h"
#include "platform/system_log.h"
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

// Every level has the same width, so that the texts start in one column.
const char* LevelName(RunLog::Level level) {
  switch (level) {
    case RunLog::Level::kWarning:
      return "WARN ";
    case RunLog::Level::kError:
      return "ERROR";
    case RunLog::Level::kInfo:
      break;
  }
  return "INFO ";
}

// The entry as lines of the file: each with the time, the process and the level; the lines after
// the first marked as its continuation. Line ends of any kind end a line; empty lines go.
std::string Lines(RunLog::Level level, const std::string& utf8_text) {
  const std::string head =
      Timestamp() + " [" + std::to_string(::getpid()) + "] " + LevelName(level) + " ";
  std::string lines;
  std::size_t start = 0;
  while (start <= utf8_text.size()) {
    std::size_t end = utf8_text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = utf8_text.size();
    if (end > start || lines.empty()) {
      lines += head + (lines.empty() ? "" : "| ") + utf8_text.substr(start, end - start) + '\n';
    }
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::string RunLog::DefaultPath() { return ProgramStateFolder() + "skarvel.log"; }

void RunLog::Write(Level level, const std::string& text) {
  if (level == Level::kError) ToJournal(text);
  if (path_.empty()) return;
  const fs::path file(Utf8FromAnsi(path_));
  std::error_code error;
  fs::create_directories(file.parent_path(), error);
  if (fs::file_size(file, error) >= kRotateAt && !error) {
    fs::rename(file, fs::path(file.string() + ".1"), error);
  }
  // One appending write of the whole entry: a process beside this one writing to the same file
  // does not cut it in two.
  const std::string lines = Lines(level, Utf8FromAnsi(text));
  const int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return;
  const ssize_t written = ::write(fd, lines.data(), lines.size());
  (void)written;  // a log that cannot be written is skipped
  ::close(fd);
}

void RunLog::StartRun(const std::string& program, const std::string& version,
                      const std::string& what) {
  run_ = program + " " + version + (what.empty() ? "" : " " + what);
  Write("==== start of " + run_);
}

void RunLog::EndRun(int exit_code) {
  Write("==== end of " + run_ + ": exit code " + std::to_string(exit_code));
}

void RunLog::ToJournal(const std::string& text) const {
  if (journal_identifier_.empty()) return;
  std::map<std::string, std::string> fields;
  if (step_ != 0) fields["SKARVEL_STEP"] = std::to_string(step_);
  if (!status_.empty()) fields["SKARVEL_STATUS"] = status_;
  if (!code_.empty()) fields["SKARVEL_CODE"] = code_;
  if (!path_.empty()) fields["SKARVEL_LOG"] = path_;
  WriteSystemLog(journal_identifier_, true, text, fields);
}

}  // namespace skarvel
