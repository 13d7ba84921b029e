#pragma once

#include <optional>
#include <string>

namespace skarvel {

// The Windows version record the design asks the system for.
struct WindowsVersionRecord {
  int platform_id = 0;  // 1: Windows 9x, 2: Windows NT
  int major = 0;
  int minor = 0;
  std::string service_pack;
};

// The running system's record; none when the system is not Windows, as on Linux.
std::optional<WindowsVersionRecord> QueryWindowsVersion();

}  // namespace skarvel
