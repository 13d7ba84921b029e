#pragma once

#include <cstddef>
#include <string>

namespace skarvel {

// The run log that support staff read: one time-stamped line per event, UTF-8, appended to
// $XDG_STATE_HOME/skarvel/skarvel.log (default ~/.local/state/skarvel/skarvel.log). When the file
// passes 1 MiB it becomes skarvel.log.1 and a new one starts. Nothing that is written may hold a
// password. A log that cannot be written is silently skipped: it must never stop an
// installation.
class RunLog {
 public:
  static constexpr std::size_t kRotateAt = 1024 * 1024;

  // An empty path writes nothing.
  explicit RunLog(std::string path) : path_(std::move(path)) {}
  static std::string DefaultPath();

  // text is Windows-1252, as the rest of the domain.
  void Write(const std::string& text);
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace skarvel
