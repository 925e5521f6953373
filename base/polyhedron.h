#pragma once
// A solid as plain geometry: vertices and faces as corner indices. The form in
// which solids are measured, exported, unfolded, cut and morphed; owns no
// pose, unit or picture state.

#include <vector>

#include "base/vec.h"

namespace velkora {

struct Polyhedron {
  std::vector<Vec3> vertices;
  std::vector<std::vector<int>> faces;  // corner indices into vertices, at least 3 each
};

}  // namespace velkora
