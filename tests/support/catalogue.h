#pragma once

#include <string>
#include <vector>

namespace skarvel::test {

// One text of a translation catalogue's source file, all in UTF-8.
struct CatalogueText {
  std::string context;
  std::string source;
  std::string translation;
};

// Every text of translations/NAME ("skarvel_fr.ts"), as the translators left it.
std::vector<CatalogueText> ReadCatalogue(const char* name);

}  // namespace skarvel::test
