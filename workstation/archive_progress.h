#pragma once

#include <functional>
#include <string>

namespace skarvel {

// A progress report of the archive tool (7za -bsp1 on its standard output): how far it is
// through the archive, and the file it is at (Windows-1252; empty when it named none).
struct ArchiveProgress {
  int percent = 0;
  std::string file;
};

// Reads the tool's standard output piece by piece as it arrives. The tool writes each report
// (" 45% 12 - lumtrak/lumcaisse.exe") and takes it back with backspaces before the next one, on a
// terminal or not; each report read whole is handed on.
class ArchiveProgressReader {
 public:
  explicit ArchiveProgressReader(std::function<void(const ArchiveProgress&)> on_progress)
      : on_progress_(std::move(on_progress)) {}

  void Add(const std::string& piece);

 private:
  std::function<void(const ArchiveProgress&)> on_progress_;
  std::string fragment_;  // what came since the last backspace or line end
};

// The tool's output without its progress reports, as a person reads the rest (the log).
std::string WithoutProgressReports(const std::string& output);

}  // namespace skarvel
