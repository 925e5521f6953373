#include "model/polyhedron.h"

#include <memory>

#include "model/load.h"

namespace velkora {

namespace {

Polyhedron copyGeometry(const Model& m, double divisor) {
  Polyhedron p;
  p.type = m.polyType;
  p.vertices.reserve(static_cast<std::size_t>(m.vertexCount));
  for (int k = 0; k < m.vertexCount; ++k) {
    const Point3& v = m.vertices[static_cast<std::size_t>(k)];
    p.vertices.push_back({v.x / divisor, v.y / divisor, v.z / divisor});
  }
  p.faces.reserve(static_cast<std::size_t>(m.faceCount));
  for (int k = 0; k < m.faceCount; ++k) {
    const FaceRec& face = m.faces[static_cast<std::size_t>(k)];
    p.faces.emplace_back(face.indices.begin(), face.indices.begin() + face.count);
  }
  return p;
}

}  // namespace

Point3 newellNormal(const std::vector<Point3>& points, const std::vector<int>& corners) {
  Point3 n;
  for (std::size_t k = 0; k < corners.size(); ++k) {
    const Point3& p = points[static_cast<std::size_t>(corners[k])];
    const Point3& q = points[static_cast<std::size_t>(corners[(k + 1) % corners.size()])];
    n.x += (p.y - q.y) * (p.z + q.z);
    n.y += (p.z - q.z) * (p.x + q.x);
    n.z += (p.x - q.x) * (p.y + q.y);
  }
  return n;
}

Point3 cornerMean(const std::vector<Point3>& points, const std::vector<int>& corners) {
  Point3 c;
  for (const int corner : corners) {
    const Point3& p = points[static_cast<std::size_t>(corner)];
    c.x += p.x;
    c.y += p.y;
    c.z += p.z;
  }
  const double n = static_cast<double>(corners.size());
  return {c.x / n, c.y / n, c.z / n};
}

Polyhedron polyhedronAt(const CatalogueTexts& texts, int position) {
  const auto model = std::make_unique<Model>();
  loadGeometry(*model, listLineAt(texts, position), texts.vertexLines, texts.faceLines);
  return copyGeometry(*model, 1.0);
}

Polyhedron polyhedronOf(const Model& model) { return copyGeometry(model, model.scale); }

}  // namespace velkora
