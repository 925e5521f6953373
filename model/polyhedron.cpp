#include "model/polyhedron.h"

namespace velkora {

Polyhedron polyhedronOf(const Model& model) {
  const double divisor = model.scale;
  Polyhedron p;
  p.vertices.reserve(static_cast<std::size_t>(model.vertexCount));
  for (int k = 0; k < model.vertexCount; ++k) {
    const Point3& v = model.vertices[static_cast<std::size_t>(k)];
    p.vertices.push_back({v.x / divisor, v.y / divisor, v.z / divisor});
  }
  p.faces.reserve(static_cast<std::size_t>(model.faceCount));
  for (int k = 0; k < model.faceCount; ++k) {
    const FaceRec& face = model.faces[static_cast<std::size_t>(k)];
    p.faces.emplace_back(face.indices.begin(), face.indices.begin() + face.count);
  }
  return p;
}

}  // namespace velkora
