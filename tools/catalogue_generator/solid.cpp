#include "tools/catalogue_generator/solid.h"

#include <algorithm>

#include "base/face_geometry.h"

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
  return cornerMean<Real>(vertices, face);
}

Vec3 outwardNormal(const std::vector<Vec3>& vertices, const Face& face) {
  const Vec3 n = normalized(newellNormal<Real>(vertices, face));
  return dot(n, faceCentroid(vertices, face)) >= 0 ? n : -n;
}

}  // namespace velkora::gen
