#include "database/engine_shutdown.h"

#include <ibase.h>

#include <firebird/Interface.h>

#include "database/firebird.h"

namespace skarvel::db {
namespace {

// Long enough for the engine to write back its cache; a shutdown that takes longer is
// abandoned, and the process ends as it would have without one.
constexpr unsigned kShutdownMilliseconds = 10'000;

}  // namespace

EngineShutdown::~EngineShutdown() {
  Status status;
  Firebird::IProvider* dispatcher = Master()->getDispatcher();
  dispatcher->shutdown(status.get(), kShutdownMilliseconds, fb_shutrsn_app_stopped);
  dispatcher->release();
}

}  // namespace skarvel::db
