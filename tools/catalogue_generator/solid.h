// A convex solid as the generator builds it: vertex positions and faces as index cycles.
// Owns no policy; construction, ordering and formatting live in their own files.
#pragma once

#include "base/polyhedron.h"
#include "tools/catalogue_generator/vec3.h"

#include <vector>

namespace velkora::gen {

using Face = std::vector<int>;

struct Solid {
  std::vector<Vec3> vertices;
  std::vector<Face> faces;  // each in boundary order
};

// The undirected edges of the faces, each once as (smaller index, larger index), sorted.
using velkora::edgesOf;

// Outward unit normal of a face by Newell's method (robust for slightly non-planar faces),
// assuming the solid contains the origin.
Vec3 outwardNormal(const std::vector<Vec3>& vertices, const Face& face);

Vec3 faceCentroid(const std::vector<Vec3>& vertices, const Face& face);

}  // namespace velkora::gen
