#include "model/solid_catalogue.h"

#include "catalogue/text_resource.h"
#include "model/cp1252.h"
#include "model/integer_text.h"
#include "model/load.h"

namespace velkora {

CatalogueTexts loadCatalogueTexts() {
  CatalogueTexts texts;
  loadTextResource(texts.names, "velkora");
  loadTextResource(texts.vertexLines, "mpoly1");
  loadTextResource(texts.faceLines, "mpoly2");
  return texts;
}

ListLine splitListLine(std::string_view line) {
  const auto tab = line.find('\t');
  if (tab == std::string_view::npos) {
    return {line, line};
  }
  return {line.substr(0, tab), line.substr(tab + 1)};
}

std::string_view listLineAt(const CatalogueTexts& texts, int position) {
  if (position < 0 || static_cast<std::size_t>(position) >= texts.names.size()) {
    throw ESolidNotFound("Listenposition " + std::to_string(position) +
                         " liegt außerhalb der Namensliste (0 bis " +
                         std::to_string(texts.names.size()) + " ausschließlich)");
  }
  return texts.names[static_cast<std::size_t>(position)];
}

int typeAt(const CatalogueTexts& texts, int position) {
  return integerFromText(splitListLine(listLineAt(texts, position)).typeText);
}

int positionOfType(const CatalogueTexts& texts, int type) {
  for (int position = 0; static_cast<std::size_t>(position) < texts.names.size(); ++position) {
    if (typeAt(texts, position) == type) {
      return position;
    }
  }
  throw ESolidNotFound("Die Namensliste enthält keinen Körper vom Typ " + std::to_string(type));
}

std::string solidNameAt(const CatalogueTexts& texts, int position) {
  return widenWindows1252(splitListLine(listLineAt(texts, position)).name);
}

void loadSolidAt(Model& model, const CatalogueTexts& texts, int position) {
  loadModel(model, listLineAt(texts, position), texts.vertexLines, texts.faceLines);
}

}  // namespace velkora
