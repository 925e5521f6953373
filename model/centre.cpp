#include "model/centre.h"

#include <span>

#include "base/face_geometry.h"

namespace velkora {

CentreRec cornerMean(const FaceRec& polygon, const std::array<Point3, kCapacity>& points) {
  return cornerMean(
      std::span<const Vec3>(points),
      std::span<const int>(polygon.indices.data(), static_cast<std::size_t>(polygon.count)));
}

}  // namespace velkora
