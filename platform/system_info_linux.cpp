#include "platform/system_info_linux.h"

#include <QDir>

#include "platform/folder_path.h"
#include "platform/qt_text.h"

namespace skarvel {

std::string LinuxSystemInfo::TemporaryFolder() const {
  return WithTrailingSeparator(ToAnsi(QDir::tempPath()));
}

}  // namespace skarvel
