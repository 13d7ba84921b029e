#include "platform/data_size.h"

#include <QLocale>

#include "platform/qt_text.h"
#include "platform/translation.h"

namespace skarvel {
namespace {

// Units and decimal marks follow the words around them ("175,1 kB" in a Dutch line), not the
// system's locale, which may speak another language than the customer.
QLocale LocaleInUse() {
  switch (LanguageInUse()) {
    case Language::kDutch:
      return QLocale(QLocale::Dutch, QLocale::Belgium);
    case Language::kFrench:
      return QLocale(QLocale::French, QLocale::Belgium);
    case Language::kEnglish:
      break;
  }
  return QLocale(QLocale::English, QLocale::UnitedStates);
}

}  // namespace

// Decimal units, as disks and networks are sold and as df -H shows them.
std::string DataSize(std::uint64_t bytes) {
  return ToAnsi(
      LocaleInUse().formattedDataSize(static_cast<qint64>(bytes), 1, QLocale::DataSizeSIFormat));
}

}  // namespace skarvel
