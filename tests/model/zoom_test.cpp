// zoomModel: point arrays and scale multiplied, centres and radii untouched;
// the enlarge and shrink steps of the window undo each other.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "model/model.h"
#include "model/zoom.h"

namespace velkora {
namespace {

std::unique_ptr<Model> sampleModel() {
  auto m = std::make_unique<Model>();
  m->vertexCount = 3;
  m->faceCount = 2;
  m->spherePointCount = 4;
  m->sphereQuadCount = 2;
  m->scale = 150.0;
  m->innerRadius = 0.5;
  m->outerRadius = 1.5;
  for (std::size_t i = 0; i < 6; ++i) {
    const double v = 1.0 + static_cast<double>(i);
    m->vertices[i] = {v, -2.0 * v, 0.5 * v};
    m->innerPoints[i] = {-v, v, 3.0 * v};
    m->outerPoints[i] = {0.1 * v, 0.2 * v, -0.3 * v};
    m->faceCentres[i] = {v, v, v};
    m->innerCentres[i] = {v, v, v};
    m->outerCentres[i] = {v, v, v};
  }
  return m;
}

TEST(ZoomModel, MultipliesScaleAndThePointArraysUpToTheirCounts) {
  auto m = sampleModel();
  const Model before = *m;
  zoomModel(*m, kEnlargeFactor);
  EXPECT_EQ(m->scale, before.scale * 1.1);
  for (std::size_t i = 0; i < 6; ++i) {
    const bool vertex = i < 3;
    const bool sphere = i < 4;
    EXPECT_EQ(m->vertices[i].y, vertex ? before.vertices[i].y * 1.1 : before.vertices[i].y);
    EXPECT_EQ(m->innerPoints[i].z,
              sphere ? before.innerPoints[i].z * 1.1 : before.innerPoints[i].z);
    EXPECT_EQ(m->outerPoints[i].x,
              sphere ? before.outerPoints[i].x * 1.1 : before.outerPoints[i].x);
    EXPECT_EQ(m->faceCentres[i].x, before.faceCentres[i].x);
    EXPECT_EQ(m->innerCentres[i].y, before.innerCentres[i].y);
    EXPECT_EQ(m->outerCentres[i].z, before.outerCentres[i].z);
  }
  EXPECT_EQ(m->innerRadius, 0.5);
  EXPECT_EQ(m->outerRadius, 1.5);

  // Nothing else changed: with scale and the three point arrays put back, the
  // whole model (every field, also any added later) equals the one before.
  Model& restored = *m;
  restored.scale = before.scale;
  restored.vertices = before.vertices;
  restored.innerPoints = before.innerPoints;
  restored.outerPoints = before.outerPoints;
  EXPECT_TRUE(restored == before);
}

TEST(ZoomModel, TenStepsInAndTenOutReturnWithinRounding) {
  auto m = sampleModel();
  const Model before = *m;
  for (int i = 0; i < 10; ++i) {
    zoomModel(*m, kEnlargeFactor);
  }
  EXPECT_NEAR(m->scale, before.scale * 2.5937424601, 1e-9);
  for (int i = 0; i < 10; ++i) {
    zoomModel(*m, kShrinkFactor);
  }
  EXPECT_NEAR(m->scale, before.scale, 1e-12 * before.scale);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_NEAR(m->vertices[i].x, before.vertices[i].x, 1e-13);
    EXPECT_NEAR(m->innerPoints[i].z, before.innerPoints[i].z, 1e-13);
    EXPECT_NEAR(m->outerPoints[i].y, before.outerPoints[i].y, 1e-13);
  }
}

TEST(ZoomModel, EachShrinkUndoesOneEnlargeAndEnlargingGrowsByElevenTenths) {
  constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
  for (const int steps : {1, 7, 50}) {
    auto m = sampleModel();
    const Model before = *m;
    for (int i = 0; i < steps; ++i) {
      zoomModel(*m, kEnlargeFactor);
    }
    // (11/10)^steps within one rounding per step.
    const double growth = static_cast<double>(std::pow(11.0L / 10.0L, steps));
    EXPECT_NEAR(m->scale / before.scale, growth, 2 * steps * kEpsilon * growth) << steps;
    for (std::size_t i = 0; i < 3; ++i) {
      const Point3& p = m->vertices[i];
      const Point3& q = before.vertices[i];
      EXPECT_NEAR(std::hypot(p.x, p.y, p.z) / std::hypot(q.x, q.y, q.z), growth,
                  2 * steps * kEpsilon * growth)
          << steps << " steps, vertex " << i;
    }
    for (int i = 0; i < steps; ++i) {
      zoomModel(*m, kShrinkFactor);
    }
    // Back where it started, to rounding.
    const double tolerance = 4 * steps * kEpsilon;
    EXPECT_NEAR(m->scale, before.scale, tolerance * before.scale) << steps;
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_NEAR(m->vertices[i].y, before.vertices[i].y,
                  tolerance * std::fabs(before.vertices[i].y))
          << steps << " steps, vertex " << i;
    }
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_NEAR(m->innerPoints[i].z, before.innerPoints[i].z,
                  tolerance * std::fabs(before.innerPoints[i].z))
          << steps << " steps, inner point " << i;
      EXPECT_NEAR(m->outerPoints[i].x, before.outerPoints[i].x,
                  tolerance * std::fabs(before.outerPoints[i].x))
          << steps << " steps, outer point " << i;
    }
  }
}

}  // namespace
}  // namespace velkora
