// Sphere meshes.
#include "model/sphere.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "model/angles.h"
#include "model/centre.h"

namespace velkora {
namespace {

constexpr int kLowestLatitude = -85;  // degrees
constexpr int kLatitudeStep = 10;
constexpr int kLongitudeStep = 15;

}  // namespace

void buildInnerSphere(Model& model) {
  const long double r = model.innerRadius;
  for (int i = 0; i < kMeshLatitudes; ++i) {
    const long double phi = kDegree * (kLowestLatitude + kLatitudeStep * i);
    const long double ringRadius = std::cos(phi) * r;
    const long double height = std::sin(phi) * r;
    for (int j = 0; j < kMeshLongitudes; ++j) {
      const long double lambda = kDegree * (kLongitudeStep * j);
      Point3& p = model.innerPoints[static_cast<std::size_t>(kMeshLongitudes * i + j)];
      p.x = static_cast<double>(ringRadius * std::cos(lambda));
      p.y = static_cast<double>(ringRadius * std::sin(lambda));
      p.z = static_cast<double>(height);
    }
  }
  model.spherePointCount = kSpherePoints;

  for (int i = 0; i < kMeshLatitudes - 1; ++i) {
    for (int j = 0; j < kMeshLongitudes; ++j) {
      const int next = (j + 1) % kMeshLongitudes;
      FaceRec& quad = model.sphereQuads[static_cast<std::size_t>(kMeshLongitudes * i + j)];
      quad.count = 4;
      quad.indices[0] = kMeshLongitudes * i + j;
      quad.indices[1] = kMeshLongitudes * i + next;
      quad.indices[2] = kMeshLongitudes * (i + 1) + next;
      quad.indices[3] = kMeshLongitudes * (i + 1) + j;
    }
  }
  model.sphereQuadCount = kSphereQuads;

  for (int q = 0; q < model.sphereQuadCount; ++q) {
    const auto k = static_cast<std::size_t>(q);
    model.innerCentres[k] = cornerMean(model.sphereQuads[k], model.innerPoints);
  }
}

void buildOuterSphere(Model& model) {
  const long double ratio = static_cast<long double>(model.outerRadius) / model.innerRadius;
  const int points = std::clamp(model.spherePointCount, 0, kCapacity);
  const int quads = std::clamp(model.sphereQuadCount, 0, kCapacity);
  for (int i = 0; i < points; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const Point3& inner = model.innerPoints[k];
    Point3& outer = model.outerPoints[k];
    outer.x = static_cast<double>(ratio * inner.x);
    outer.y = static_cast<double>(ratio * inner.y);
    outer.z = static_cast<double>(ratio * inner.z);
  }
  for (int q = 0; q < quads; ++q) {
    const auto k = static_cast<std::size_t>(q);
    model.outerCentres[k] = cornerMean(model.sphereQuads[k], model.outerPoints);
  }
}

}  // namespace velkora
