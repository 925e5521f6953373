#pragma once
// Vertex and face configurations of a solid: the cyclic order of the face
// sizes round each vertex ("3.4.3.4") and of the vertex valences round each
// face, written in their smallest rotation or reflection.

#include <string>
#include <vector>

#include "properties/solid_mesh.h"

namespace velkora {

// The smallest rotation or reflection of a cyclic sequence, compared element
// by element, joined with dots: {4, 3, 4, 3} gives "3.4.3.4".
std::string canonicalCycle(const std::vector<int>& cycle);

// The distinct configurations of all vertices, sorted; one entry when the
// solid is vertex-transitive.
std::vector<std::string> vertexConfigurations(const SolidMesh& mesh);

// The distinct configurations of all faces (corner valences), sorted, without "V".
std::vector<std::string> faceConfigurations(const SolidMesh& mesh);

}  // namespace velkora
