#include "model/centre.h"

namespace velkora {

CentreRec cornerMean(const FaceRec& polygon, const std::array<Point3, kCapacity>& points) {
  double sx = 0.0;
  double sy = 0.0;
  double sz = 0.0;
  for (int c = 0; c < polygon.count; ++c) {
    const Point3& p =
        points[static_cast<std::size_t>(polygon.indices[static_cast<std::size_t>(c)])];
    sx += p.x;
    sy += p.y;
    sz += p.z;
  }
  return {sx / polygon.count, sy / polygon.count, sz / polygon.count};
}

}  // namespace velkora
