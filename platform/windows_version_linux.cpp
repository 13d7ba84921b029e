#include "platform/windows_version.h"

namespace skarvel {

std::optional<WindowsVersionRecord> QueryWindowsVersion() { return std::nullopt; }

}  // namespace skarvel
