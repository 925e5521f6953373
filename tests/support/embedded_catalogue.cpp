#include "tests/support/embedded_catalogue.h"

namespace velkora::test {

const CatalogueTexts& embeddedTexts() {
  static const CatalogueTexts texts = loadCatalogueTexts();
  return texts;
}

std::string listLineOf(const CatalogueTexts& texts, int type) {
  return std::string(listLineAt(texts, positionOfType(texts, type)));
}

}  // namespace velkora::test
