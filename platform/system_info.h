#pragma once

#include <string>

namespace skarvel {

// What the wizard asks of the system at start-up.
class SystemInfo {
 public:
  virtual ~SystemInfo() = default;

  // The system's temporary folder, always ending in "/" (Windows-1252).
  virtual std::string TemporaryFolder() const = 0;
};

}  // namespace skarvel
