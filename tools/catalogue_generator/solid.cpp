#include "tools/catalogue_generator/solid.h"

#include <algorithm>

#include "base/face_geometry.h"

namespace velkora::gen {

Vec3 faceCentroid(const std::vector<Vec3>& vertices, const Face& face) {
  return cornerMean<Real>(vertices, face);
}

Vec3 outwardNormal(const std::vector<Vec3>& vertices, const Face& face) {
  const Vec3 n = normalized(newellNormal<Real>(vertices, face));
  return dot(n, faceCentroid(vertices, face)) >= 0 ? n : -n;
}

}  // namespace velkora::gen
