// Reading a solid once, and the start-pose model built from what was read.
#include "model/solid.h"

#include <algorithm>
#include <memory>
#include <string>

#include "model/cp1252.h"
#include "model/errors.h"
#include "model/load.h"
#include "model/shape_model.h"

namespace velkora {

namespace {

// The read solid of a model that loadGeometry has just filled (scale 1).
Solid solidOf(const Model& geometry, std::string_view listLine, int position) {
  Solid solid;
  solid.name = widenWindows1252(splitListLine(listLine).name);
  solid.position = position;
  solid.type = geometry.polyType;
  solid.family = familyOf(geometry.polyType);
  solid.geometry = polyhedronOf(geometry);
  return solid;
}

}  // namespace

Solid readSolid(const CatalogueTexts& texts, int position) {
  const std::string_view line = listLineAt(texts, position);
  const auto model = std::make_unique<Model>();
  loadGeometry(*model, line, texts.vertexLines, texts.faceLines);
  return solidOf(*model, line, position);
}

std::vector<Solid> readAllSolids(const CatalogueTexts& texts) {
  std::vector<Solid> solids;
  solids.reserve(texts.names.size());
  for (std::size_t position = 0; position < texts.names.size(); ++position) {
    solids.push_back(readSolid(texts, static_cast<int>(position)));
  }
  return solids;
}

Solid pickSolid(Model& model, std::string_view listLine, int position,
                const CatalogueTexts& texts) {
  // Built in a copy, as loadModel does, so that model changes only on success.
  auto fresh = std::make_unique<Model>(model);
  loadGeometry(*fresh, listLine, texts.vertexLines, texts.faceLines);
  Solid solid = solidOf(*fresh, listLine, position);
  placeGeometry(*fresh);
  model = *fresh;
  return solid;
}

void placeSolid(Model& model, const Solid& solid) {
  if (solid.type < 0) {
    throw ECatalogueError(solid.name + " ist kein Körper des Katalogs");
  }
  auto m = std::make_unique<Model>();
  m->polyType = solid.type;
  m->scale = 1.0;
  fillShape(*m, solid.geometry, solid.name);
  placeGeometry(*m);
  model = *m;
}

Polyhedron startPoseOf(const Solid& solid) {
  const auto model = std::make_unique<Model>();
  placeSolid(*model, solid);
  return polyhedronOf(*model);
}

}  // namespace velkora
