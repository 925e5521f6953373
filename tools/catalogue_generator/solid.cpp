#include "tools/catalogue_generator/solid.h"

#include <algorithm>

namespace velkora::gen {

std::vector<std::pair<int, int>> edgesOf(const std::vector<Face>& faces) {
  std::vector<std::pair<int, int>> edges;
  for (const Face& face : faces) {
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

Vec3 faceCentroid(const std::vector<Vec3>& vertices, const Face& face) {
  Vec3 sum;
  for (int index : face) {
    sum = sum + vertices[static_cast<std::size_t>(index)];
  }
  return sum / static_cast<Real>(face.size());
}

Vec3 outwardNormal(const std::vector<Vec3>& vertices, const Face& face) {
  Vec3 n;
  for (std::size_t i = 0; i < face.size(); ++i) {
    const Vec3 p = vertices[static_cast<std::size_t>(face[i])];
    const Vec3 q = vertices[static_cast<std::size_t>(face[(i + 1) % face.size()])];
    n = n + cross(p, q);
  }
  n = normalized(n);
  return dot(n, faceCentroid(vertices, face)) >= 0 ? n : -n;
}

}  // namespace velkora::gen
