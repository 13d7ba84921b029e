#pragma once

namespace skarvel::db {

// While this object lives the program may use databases; when it goes, the client library and
// the embedded engine are shut down: every attachment is closed, the engine's own threads end
// and its lock files are released. Without it the engine only stops while the runtime tears the
// process down, with its threads still running under the exit handlers. Make it before the
// first database use, and let it go after the last connection closed.
class EngineShutdown {
 public:
  EngineShutdown() = default;
  ~EngineShutdown();
  EngineShutdown(const EngineShutdown&) = delete;
  EngineShutdown& operator=(const EngineShutdown&) = delete;
};

}  // namespace skarvel::db
