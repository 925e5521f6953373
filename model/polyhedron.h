#pragma once
// A solid as plain geometry for measuring and exporting: vertices and faces
// (corner indices in catalogue order). Owns no pose or picture state; the
// window's Model stays the one thing that is drawn.

#include <vector>

#include "model/model.h"

namespace velkora {

struct Polyhedron {
  std::vector<Point3> vertices;
  std::vector<std::vector<int>> faces;  // corner indices into vertices, at least 3 each
};

// The polyhedron of a loaded model in its current pose, in catalogue units
// (the point coordinates divided by model.scale). Needs model.scale > 0.
Polyhedron polyhedronOf(const Model& model);

}  // namespace velkora
