#pragma once
// A solid prepared for writing: centred, scaled to millimetres, each face
// counter-clockwise seen from outside with its outward unit normal, and
// checked to be closed. Needs a convex solid around its vertex centre.

#include <vector>

#include "model/polyhedron.h"

namespace velkora {

struct OutwardMesh {
  std::vector<Point3> points;           // millimetres, centre at the origin
  std::vector<std::vector<int>> faces;  // counter-clockwise from outside
  std::vector<Point3> normals;          // outward, unit length, one per face
  std::vector<Point3> centres;          // corner mean of each face
};

// Throws EMeshExport as meshFileBytes describes.
OutwardMesh outwardMesh(const Polyhedron& solid, double diameterMm);

}  // namespace velkora
