#include "platform/data_size.h"

#include <QLocale>

#include "platform/qt_text.h"

namespace skarvel {

// Decimal units, as disks and networks are sold and as df -H shows them.
std::string DataSize(std::uint64_t bytes) {
  return ToAnsi(
      QLocale().formattedDataSize(static_cast<qint64>(bytes), 1, QLocale::DataSizeSIFormat));
}

}  // namespace skarvel
