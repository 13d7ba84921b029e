#pragma once

#include "platform/system_info.h"

namespace skarvel {

class LinuxSystemInfo final : public SystemInfo {
 public:
  // QDir::tempPath(): $TMPDIR, else /tmp.
  std::string TemporaryFolder() const override;
};

}  // namespace skarvel
