#include "testsupport/real_solids.h"

#include <string>

#include "model/load.h"
#include "model/solid_catalogue.h"

namespace velkora::test {

Model loadCatalogueSolid(int type) {
  // The embedded texts are loaded once per program, as the window does.
  static const CatalogueTexts texts = loadCatalogueTexts();
  const std::string line(listLineAt(texts, positionOfType(texts, type)));
  Model model;
  loadModel(model, line, texts.vertexLines, texts.faceLines);
  return model;
}

}  // namespace velkora::test
