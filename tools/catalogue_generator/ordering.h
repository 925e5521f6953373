// Catalogue order of a constructed solid: which vertex is 0, 1, 2, ... and how each face line
// starts and runs. Vertices go top layer first (z descending), each layer by azimuth from the
// +x axis; then vertex 0 and its neighbour 1 are chosen along an edge of the type's kind.
// The tetrahedron and the cube instead follow the fixed text of their sample sections.
#pragma once

#include "tools/catalogue_generator/solid.h"

namespace velkora::gen {

enum class EdgeKind { Any, Shortest, Longest };

// The kind of edge that vertices 0 and 1 must span: the longer edge of Catalan types 18-21
// and 26, the shortest of the other Catalan types; any edge otherwise (all are equal).
EdgeKind edgeKindOf(int type);

// Reorders the vertices and rewrites the faces of a solid constructed for the given type.
// Afterwards every face starts at its smallest index and runs counter-clockwise seen from
// outside, and faces are sorted by size, then by their index sequence; the sample types keep
// the sample's face lines. Throws GeneratorError when the solid does not fit its sample.
void orderForCatalogue(Solid& solid, int type);

}  // namespace velkora::gen
