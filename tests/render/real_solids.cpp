#include "tests/render/real_solids.h"

#include "model/load.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora::testing {

Model loadCatalogueSolid(int type) {
  const test::CatalogueTexts& texts = test::embeddedTexts();
  Model model;
  loadModel(model, test::listLineOf(texts, type), texts.vertexLines, texts.faceLines);
  return model;
}

}  // namespace velkora::testing
