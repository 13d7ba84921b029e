#pragma once

#include "platform/system_info.h"

namespace skarvel {

class LinuxSystemInfo final : public SystemInfo {
 public:
  // QDir::tempPath(): $TMPDIR, else /tmp.
  std::string TemporaryFolder() const override;
  // $XDG_CACHE_HOME, else ~/.cache.
  std::string CacheFolder() const override;
};

}  // namespace skarvel
