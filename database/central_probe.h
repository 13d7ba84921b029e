#pragma once

#include <string>

namespace skarvel::db {

// Whether the central database at location (a file, or "host:file") opens with the installation's
// account, and its version (ZVTYPE 'VERSI', 0 when it has none). Nothing is written.
struct CentralProbe {
  bool reached = false;
  int version = 0;
  std::string error;  // Firebird's own text when it was not reached
};

CentralProbe ProbeCentralDatabase(const std::string& location);

}  // namespace skarvel::db
