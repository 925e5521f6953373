#pragma once
// The three file formats written from an outward mesh: binary STL (little
// endian on every host, faces fanned from their centre), OBJ and OFF (one
// polygon per face, 1-based and 0-based indices, shortest exact numbers).

#include <string>
#include <string_view>

#include "solid_export/outward_mesh.h"

namespace velkora {

// name with every control character (below 32, and 127) replaced by a space.
std::string printableName(std::string_view name);

std::string stlBytes(const OutwardMesh& mesh, std::string_view name);
std::string objText(const OutwardMesh& mesh, std::string_view name);
std::string offText(const OutwardMesh& mesh, std::string_view name);

}  // namespace velkora
