#pragma once
// A closed solid as an oriented half-edge mesh: points relative to the centre
// of the vertices, every face counter-clockwise seen from outside (oriented by
// geometry, whatever the catalogue's corner order), twins and face cycles.
// Needs a closed convex solid; throws EInvalidSolid else (base/convex_solid.h).

#include <vector>

#include "base/vec.h"
#include "model/polyhedron.h"

namespace velkora {

struct SolidMesh {
  std::vector<Vec3> points;             // vertex minus the centre of all vertices
  std::vector<std::vector<int>> faces;  // corners counter-clockwise from outside
  std::vector<Vec3> faceNormals;        // unit, outward
  // Half-edge h runs from corner i to corner i + 1 of face heFace[h].
  std::vector<int> heFrom;
  std::vector<int> heTo;
  std::vector<int> heFace;
  std::vector<int> heNext;    // the following half-edge of the same face
  std::vector<int> hePrev;    // the preceding half-edge of the same face
  std::vector<int> heTwin;    // the same edge in the neighbouring face
  std::vector<int> valence;   // edges at each vertex
  std::vector<int> outgoing;  // one half-edge leaving each vertex

  int edgeCount() const { return static_cast<int>(heFrom.size()) / 2; }
};

// Throws EInvalidSolid as checkConvexSolid does.
SolidMesh buildSolidMesh(const Polyhedron& solid);

// The cyclic sequence of face sizes round vertex v, in the mesh's turning
// order, into sizes (cleared first).
void faceSizesAround(const SolidMesh& mesh, int v, std::vector<int>& sizes);

}  // namespace velkora
