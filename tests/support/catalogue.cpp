#include "tests/support/catalogue.h"

#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace skarvel::test {

std::vector<CatalogueText> ReadCatalogue(const char* name) {
  QFile file(QString::fromUtf8(SKARVEL_SOURCE_DIR "/translations/") + QString::fromLatin1(name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  QXmlStreamReader xml(&file);
  std::vector<CatalogueText> texts;
  std::string context, source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("name")) context = xml.readElementText().toStdString();
    if (xml.name() == QLatin1String("source")) source = xml.readElementText().toStdString();
    if (xml.name() == QLatin1String("translation")) {
      texts.push_back({context, source, xml.readElementText().toStdString()});
    }
  }
  EXPECT_FALSE(xml.hasError()) << name << ": " << xml.errorString().toStdString();
  return texts;
}

}  // namespace skarvel::test
