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

Polyhedron polyhedronAt(const CatalogueTexts& texts, int position) {
  const auto model = std::make_unique<Model>();
  loadGeometry(*model, listLineAt(texts, position), texts.vertexLines, texts.faceLines);
  return copyGeometry(*model, 1.0);
}

Polyhedron polyhedronOf(const Model& model) { return copyGeometry(model, model.scale); }

}  // namespace velkora
