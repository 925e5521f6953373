#pragma once
// Sorting the faces of a solid into kinds: regular faces by their number of
// sides (German plural names), Catalan faces by their shape, told from the
// side lengths (rhombus, kite, isosceles or scalene triangle, pentagon).

#include <vector>

#include "properties/properties.h"
#include "properties/solid_mesh.h"

namespace velkora {

// Kinds sorted by sides, then name. byShape names each face by its shape
// (for the Catalan solids); otherwise by its number of sides.
std::vector<FaceKind> faceKindsOf(const SolidMesh& mesh, bool byShape);

// For each face of mesh, in order, the index of its kind in kinds, as
// faceKindsOf(mesh, byShape) returned them; -1 for a face of no such kind.
std::vector<int> faceKindIndices(const SolidMesh& mesh, const std::vector<FaceKind>& kinds,
                                 bool byShape);

}  // namespace velkora
