// Magnification of the model's point arrays.
#include "model/zoom.h"

#include <algorithm>
#include <cstddef>

namespace velkora {
namespace {

// Multiplies the leading count points by factor (count clipped to 0..capacity).
void scalePoints(std::array<Point3, kCapacity>& points, std::int32_t count, double factor) {
  const auto n = static_cast<std::size_t>(std::clamp(count, 0, kCapacity));
  for (std::size_t i = 0; i < n; ++i) {
    points[i].x *= factor;
    points[i].y *= factor;
    points[i].z *= factor;
  }
}

}  // namespace

void zoomModel(Model& model, double factor) {
  model.scale *= factor;
  scalePoints(model.vertices, model.vertexCount, factor);
  scalePoints(model.innerPoints, model.spherePointCount, factor);
  scalePoints(model.outerPoints, model.spherePointCount, factor);
}

}  // namespace velkora
