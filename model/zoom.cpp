// Magnification of the model's point arrays.
#include "model/zoom.h"

#include <algorithm>
#include <cmath>
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

double enclosingRadius(const Model& model, bool outerSphere) {
  const auto& points = outerSphere ? model.outerPoints : model.vertices;
  const int count =
      std::clamp(outerSphere ? model.spherePointCount : model.vertexCount, 0, kCapacity);
  double largest = 0.0;
  for (int i = 0; i < count; ++i) {
    const Point3& p = points[static_cast<std::size_t>(i)];
    largest = std::max(largest, std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z));
  }
  return largest;
}

double zoomToRadius(Model& model, bool outerSphere, double radius) {
  const double current = enclosingRadius(model, outerSphere);
  if (!(current > 0.0) || !(radius > 0.0) || !std::isfinite(radius / current)) {
    return 1.0;
  }
  const double factor = radius / current;
  zoomModel(model, factor);
  return factor;
}

}  // namespace velkora
