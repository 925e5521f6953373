#include "tests/support/embedded_catalogue.h"

#include <stdexcept>

#include "catalogue/text_resource.h"

namespace velkora::test {

const CatalogueTexts& embeddedTexts() {
  static const CatalogueTexts texts = [] {
    CatalogueTexts t;
    loadTextResource(t.names, "velkora");
    loadTextResource(t.vertexLines, "mpoly1");
    loadTextResource(t.faceLines, "mpoly2");
    return t;
  }();
  return texts;
}

std::string listLineOf(const CatalogueTexts& texts, int type) {
  const std::string suffix = '\t' + std::to_string(type);
  for (const ByteString& line : texts.names) {
    if (line.size() > suffix.size() && line.ends_with(suffix) &&
        line.find('\t') == line.size() - suffix.size()) {
      return line;
    }
  }
  throw std::logic_error("no name-list line for type " + std::to_string(type));
}

}  // namespace velkora::test
