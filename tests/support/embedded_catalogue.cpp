#include "tests/support/embedded_catalogue.h"

#include "model/load.h"

namespace velkora::test {

const CatalogueTexts& embeddedTexts() {
  static const CatalogueTexts texts = loadCatalogueTexts();
  return texts;
}

const std::vector<Solid>& embeddedSolids() {
  static const std::vector<Solid> solids = readAllSolids(embeddedTexts());
  return solids;
}

const Solid& embeddedSolid(int position) {
  return embeddedSolids().at(static_cast<std::size_t>(position));
}

Model embeddedModelOfType(int type) {
  const CatalogueTexts& texts = embeddedTexts();
  const std::string line = listLineOf(texts, type);
  Model model;
  loadModel(model, line, texts.vertexLines, texts.faceLines);
  return model;
}

std::string listLineOf(const CatalogueTexts& texts, int type) {
  return std::string(listLineAt(texts, positionOfType(texts, type)));
}

}  // namespace velkora::test
