#include "base/polyhedron.h"

#include <algorithm>

namespace velkora {

std::vector<std::pair<int, int>> edgesOf(std::span<const std::vector<int>> faces) {
  std::vector<std::pair<int, int>> edges;
  for (const std::vector<int>& face : faces) {
    for (std::size_t i = 0; i < face.size(); ++i) {
      const int a = face[i];
      const int b = face[(i + 1) % face.size()];
      edges.emplace_back(std::min(a, b), std::max(a, b));
    }
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  return edges;
}

}  // namespace velkora
