#pragma once
// A solid as plain geometry: vertices and faces as corner indices. The form in
// which solids are measured, exported, unfolded, cut and morphed; owns no
// pose, unit or picture state; and the one list of a solid's edges.

#include <span>
#include <utility>
#include <vector>

#include "base/vec.h"

namespace velkora {

struct Polyhedron {
  std::vector<Vec3> vertices;
  std::vector<std::vector<int>> faces;  // corner indices into vertices, at least 3 each
};

// Every edge of faces once, as (lower, higher) corner index, ascending,
// whichever way round the faces run.
std::vector<std::pair<int, int>> edgesOf(std::span<const std::vector<int>> faces);

}  // namespace velkora
