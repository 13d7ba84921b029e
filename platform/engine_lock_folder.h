#pragma once

#include <optional>
#include <string>

#include "platform/scratch_folder.h"

namespace skarvel {

// The embedded database engine keeps its lock tables, and a machine-wide trace table, in one
// folder shared by every program that embeds it. A program killed while it held the trace
// table's lock leaves that lock held, and every later program that embeds the engine waits for
// it forever. While this object lives, the engine of this process uses a folder of its own
// (made in parent, removed at the end), so a killed run never stops the next one. Two engine
// instances still never open one database together: the engine locks the database file itself.
// An administrator's own FIREBIRD_LOCK is left as it is. Make it before the first database use.
class EngineLockFolder {
 public:
  explicit EngineLockFolder(const std::string& parent);
  EngineLockFolder(const EngineLockFolder&) = delete;
  EngineLockFolder& operator=(const EngineLockFolder&) = delete;

  // The folder made, or empty when the administrator's setting is kept or none could be made.
  std::string path() const;

 private:
  std::optional<ScratchFolder> folder_;
};

}  // namespace skarvel
