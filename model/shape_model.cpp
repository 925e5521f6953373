#include "model/shape_model.h"

#include <algorithm>

#include "model/centre.h"
#include "model/errors.h"

namespace velkora {

void fillShape(Model& model, const Polyhedron& shape, const std::string& what,
               const std::function<Vec3(Vec3)>& place) {
  if (shape.vertices.size() > kCapacity || shape.faces.size() > kCapacity) {
    throw ECatalogueError(what + " hat mehr Ecken oder Flächen, als das Modell fasst");
  }
  model.vertexCount = static_cast<std::int32_t>(shape.vertices.size());
  for (std::size_t k = 0; k < shape.vertices.size(); ++k)
    model.vertices[k] = place ? place(shape.vertices[k]) : shape.vertices[k];
  model.faceCount = static_cast<std::int32_t>(shape.faces.size());
  for (std::size_t k = 0; k < shape.faces.size(); ++k) {
    const std::vector<int>& corners = shape.faces[k];
    if (corners.size() > static_cast<std::size_t>(kMaxCorners)) {
      throw ECatalogueError(what + ": eine Fläche hat mehr als " + std::to_string(kMaxCorners) +
                            " Ecken");
    }
    for (const int corner : corners) {
      if (corner < 0 || corner >= model.vertexCount) {
        throw ECatalogueError(what + ": eine Fläche nennt eine Ecke, die es nicht gibt");
      }
    }
    FaceRec& face = model.faces[k];
    face.count = static_cast<std::int32_t>(corners.size());
    std::copy(corners.begin(), corners.end(), face.indices.begin());
    model.faceCentres[k] = cornerMean(face, model.vertices);
  }
}

}  // namespace velkora
