#pragma once

#include <cstddef>
#include <string>

namespace skarvel {

// The run log that support staff read, appended to $XDG_STATE_HOME/skarvel/skarvel.log (default
// ~/.local/state/skarvel/skarvel.log), UTF-8. Every line starts with the time, the process id and
// the level, so that a check running beside an installation, which writes the same file, is told
// apart line by line:
//   2026-03-14 09:26:53.589 [4711] ERROR failed: the archive lumtrak650.zip could not be unpacked
//   2026-03-14 09:26:53.589 [4711] ERROR | ERROR: Wrong password : lumtrak/lumcaisse.exe
// An entry of several lines continues on lines marked "| ". When the file passes 1 MiB it becomes
// skarvel.log.1 and a new one starts. Nothing that is written may hold a password. A log that
// cannot be written is skipped: it must never stop an installation.
class RunLog {
 public:
  enum class Level { kInfo, kWarning, kError };
  static constexpr std::size_t kRotateAt = 1024 * 1024;

  // path is Windows-1252, as the rest of the domain; an empty path writes nothing.
  explicit RunLog(std::string path) : path_(std::move(path)) {}
  static std::string DefaultPath();

  // text is Windows-1252, as the rest of the domain.
  void Write(const std::string& text) { Write(Level::kInfo, text); }
  void Write(Level level, const std::string& text);

  // Marks the start of a run: the program, its version and what it was asked to do (the
  // customer code among it). EndRun marks its end with the exit code.
  void StartRun(const std::string& program, const std::string& version, const std::string& what);
  void EndRun(int exit_code);

  // From now on each error also goes to the system journal (where one runs), under the
  // program's name, with the step and the installation status of SetPlace and the customer code.
  void SendErrorsToJournal(std::string identifier) { journal_identifier_ = std::move(identifier); }
  // Where the installation is: the step that runs (0: none) and the status it holds or reported
  // last (empty: none known).
  void SetPlace(int step, const std::string& status) {
    step_ = step;
    status_ = status;
  }
  void SetCode(const std::string& code) { code_ = code; }

  // Windows-1252, for the texts that name the file.
  const std::string& path() const { return path_; }

 private:
  void ToJournal(const std::string& text) const;

  std::string path_;
  std::string journal_identifier_;  // empty: no journal
  std::string run_;                 // "skarvel-cli 0.1.0 install 5412345000013", once started
  std::string code_;
  int step_ = 0;
  std::string status_;
};

}  // namespace skarvel
