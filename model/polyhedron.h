#pragma once
// A solid as plain geometry for measuring and exporting: vertices and faces
// (corner indices in catalogue order), in catalogue units. Owns no pose or
// picture state; the window's Model stays the one thing that is drawn.

#include <vector>

#include "model/model.h"
#include "model/solid_catalogue.h"

namespace velkora {

struct Polyhedron {
  int type = 0;
  std::vector<Point3> vertices;
  std::vector<std::vector<int>> faces;  // corner indices into vertices, at least 3 each
};

// The solid at list position in catalogue units and catalogue orientation
// (no tilt, no zoom). Throws ESolidNotFound and what loadModel throws.
Polyhedron polyhedronAt(const CatalogueTexts& texts, int position);

// The polyhedron of a loaded model in its current pose, in catalogue units
// (the point coordinates divided by model.scale). Needs model.scale > 0.
Polyhedron polyhedronOf(const Model& model);

}  // namespace velkora
