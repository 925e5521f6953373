// drehen and tiltModel on hand-made models.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>

#include "model/angles.h"
#include "model/model.h"
#include "model/rotation.h"

namespace velkora {
namespace {

// A model with one point (x, y, z) in each of the six point sets.
std::unique_ptr<Model> onePointEverywhere(double x, double y, double z) {
  auto m = std::make_unique<Model>();
  m->vertexCount = 1;
  m->faceCount = 1;
  m->spherePointCount = 1;
  m->sphereQuadCount = 1;
  m->vertices[0] = {x, y, z};
  m->faceCentres[0] = {x, y, z};
  m->innerPoints[0] = {x, y, z};
  m->innerCentres[0] = {x, y, z};
  m->outerPoints[0] = {x, y, z};
  m->outerCentres[0] = {x, y, z};
  return m;
}

// Every one of the six sets holds the expected first element.
void expectAllSets(const Model& m, double x, double y, double z, double tolerance) {
  auto check = [&](const char* name, const auto& p) {
    EXPECT_NEAR(p.x, x, tolerance) << name;
    EXPECT_NEAR(p.y, y, tolerance) << name;
    EXPECT_NEAR(p.z, z, tolerance) << name;
  };
  check("vertices", m.vertices[0]);
  check("faceCentres", m.faceCentres[0]);
  check("innerPoints", m.innerPoints[0]);
  check("innerCentres", m.innerCentres[0]);
  check("outerPoints", m.outerPoints[0]);
  check("outerCentres", m.outerCentres[0]);
}

TEST(Drehen, QuarterTurnsInEachPlane) {
  auto m = onePointEverywhere(1.0, 0.0, 0.0);
  drehen(*m, 90.0, 0.0, 0.0);  // x-y plane: +x toward +y
  expectAllSets(*m, 0.0, 1.0, 0.0, 1e-15);

  m = onePointEverywhere(0.0, 1.0, 0.0);
  drehen(*m, 0.0, 90.0, 0.0);  // y-z plane: +y toward +z
  expectAllSets(*m, 0.0, 0.0, 1.0, 1e-15);

  m = onePointEverywhere(1.0, 0.0, 0.0);
  drehen(*m, 0.0, 0.0, 90.0);  // x-z plane: +x toward +z
  expectAllSets(*m, 0.0, 0.0, 1.0, 1e-15);
}

TEST(Drehen, PlanesTurnInTheirFixedOrder) {
  // x-y first: (1,0,0) -> (0,1,0), then y-z: -> (0,0,1).
  auto m = onePointEverywhere(1.0, 0.0, 0.0);
  drehen(*m, 90.0, 90.0, 0.0);
  expectAllSets(*m, 0.0, 0.0, 1.0, 1e-15);
  // y-z before x-z: (0,1,0) -> (0,0,1) -> x-z by 90 -> (-1,0,0).
  m = onePointEverywhere(0.0, 1.0, 0.0);
  drehen(*m, 0.0, 90.0, 90.0);
  expectAllSets(*m, -1.0, 0.0, 0.0, 1e-15);
  // Not commutative: two calls in the other order end elsewhere.
  m = onePointEverywhere(0.0, 1.0, 0.0);
  drehen(*m, 0.0, 0.0, 90.0);
  drehen(*m, 0.0, 90.0, 0.0);
  expectAllSets(*m, 0.0, 0.0, 1.0, 1e-15);
}

TEST(Drehen, ZeroTurnKeepsEveryCoordinate) {
  auto m = onePointEverywhere(0.1, -7.25, 1e-300);
  drehen(*m, 0.0, 0.0, 0.0);
  EXPECT_EQ(m->vertices[0].x, 0.1);
  EXPECT_EQ(m->vertices[0].y, -7.25);
  EXPECT_EQ(m->vertices[0].z, 1e-300);
}

TEST(Drehen, FullTurnOfOneDegreeStepsReturnsWithinRounding) {
  auto m = onePointEverywhere(260.0, -130.0, 45.5);
  for (const int plane : {0, 1, 2}) {
    for (int step = 0; step < 360; ++step) {
      drehen(*m, plane == 0 ? 1.0 : 0.0, plane == 1 ? 1.0 : 0.0, plane == 2 ? 1.0 : 0.0);
    }
    expectAllSets(*m, 260.0, -130.0, 45.5, 1e-10);
  }
  // All three planes at once, 360 times: each single call is a fixed rotation
  // R, and R^360 is the identity only plane by plane; check the length instead.
  for (int step = 0; step < 360; ++step) {
    drehen(*m, 1.0, 1.0, 1.0);
  }
  const Point3& p = m->vertices[0];
  EXPECT_NEAR(std::hypot(p.x, p.y, p.z), std::hypot(260.0, -130.0, 45.5), 1e-10);
}

TEST(Drehen, TurnsOnlyUpToEachCount) {
  auto m = std::make_unique<Model>();
  m->vertexCount = 2;
  m->faceCount = 0;
  m->spherePointCount = -3;
  m->sphereQuadCount = 1;
  for (std::size_t i = 0; i < 3; ++i) {
    m->vertices[i] = {1.0, 0.0, 0.0};
    m->faceCentres[i] = {1.0, 0.0, 0.0};
    m->innerPoints[i] = {1.0, 0.0, 0.0};
    m->innerCentres[i] = {1.0, 0.0, 0.0};
  }
  drehen(*m, 180.0, 0.0, 0.0);
  EXPECT_NEAR(m->vertices[1].x, -1.0, 1e-15);
  EXPECT_EQ(m->vertices[2].x, 1.0);
  EXPECT_EQ(m->faceCentres[0].x, 1.0);
  EXPECT_EQ(m->innerPoints[0].x, 1.0);
  EXPECT_NEAR(m->innerCentres[0].x, -1.0, 1e-15);
  EXPECT_EQ(m->innerCentres[1].x, 1.0);
}

TEST(Drehen, FacesKeepTheirCentresAndIndexLists) {
  // A square face and its centre turn alike; the index list is untouched.
  auto m = std::make_unique<Model>();
  m->vertexCount = 4;
  m->faceCount = 1;
  m->vertices[0] = {1.0, 2.0, 3.0};
  m->vertices[1] = {-2.0, 1.0, 0.5};
  m->vertices[2] = {0.25, -1.0, 2.0};
  m->vertices[3] = {4.0, 0.0, -1.0};
  m->faces[0].count = 4;
  m->faces[0].indices = {3, 1, 0, 2};
  m->faceCentres[0] = {3.25 / 4, 2.0 / 4, 4.5 / 4};
  for (int i = 0; i < 1000; ++i) {
    drehen(*m, 3.7, -11.0, 0.3);
  }
  double sx = 0.0;
  double sy = 0.0;
  double sz = 0.0;
  for (std::size_t k = 0; k < 4; ++k) {
    sx += m->vertices[k].x;
    sy += m->vertices[k].y;
    sz += m->vertices[k].z;
  }
  EXPECT_NEAR(m->faceCentres[0].x, sx / 4, 1e-12);
  EXPECT_NEAR(m->faceCentres[0].y, sy / 4, 1e-12);
  EXPECT_NEAR(m->faceCentres[0].z, sz / 4, 1e-12);
  EXPECT_EQ(m->faces[0].indices[0], 3);
  EXPECT_EQ(m->faces[0].indices[3], 2);
}

// drehen worked out by hand for one point: each elementary turn computes in long
// double and is rounded to double before the next, in the order x-y plane by a,
// y-z plane by b, x-z plane by c; angles converted with kDegree.
Point3 turnedByHand(const Point3& p, double a, double b, double c) {
  const long double alpha = kDegree * a;
  const long double beta = kDegree * b;
  const long double gamma = kDegree * c;
  const long double sinA = std::sin(alpha);
  const long double cosA = std::cos(alpha);
  const long double sinB = std::sin(beta);
  const long double cosB = std::cos(beta);
  const long double sinC = std::sin(gamma);
  const long double cosC = std::cos(gamma);
  const auto x = static_cast<long double>(p.x);
  const auto y = static_cast<long double>(p.y);
  const auto z = static_cast<long double>(p.z);
  const double xyX = static_cast<double>(cosA * x - sinA * y);
  const double xyY = static_cast<double>(sinA * x + cosA * y);
  const double yzY = static_cast<double>(cosB * static_cast<long double>(xyY) - sinB * z);
  const double yzZ = static_cast<double>(sinB * static_cast<long double>(xyY) + cosB * z);
  const double xzX = static_cast<double>(cosC * static_cast<long double>(xyX) -
                                         sinC * static_cast<long double>(yzZ));
  const double xzZ = static_cast<double>(sinC * static_cast<long double>(xyX) +
                                         cosC * static_cast<long double>(yzZ));
  return {xzX, yzY, xzZ};
}

// Compares the first element of all six sets with p, bit for bit.
void expectAllSetsBitwise(const Model& m, const Point3& p, const char* when) {
  auto check = [&](const char* name, const auto& q) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(q.x), std::bit_cast<std::uint64_t>(p.x))
        << when << ", " << name << ".x: " << q.x << " instead of " << p.x;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(q.y), std::bit_cast<std::uint64_t>(p.y))
        << when << ", " << name << ".y: " << q.y << " instead of " << p.y;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(q.z), std::bit_cast<std::uint64_t>(p.z))
        << when << ", " << name << ".z: " << q.z << " instead of " << p.z;
  };
  check("vertices", m.vertices[0]);
  check("faceCentres", m.faceCentres[0]);
  check("innerPoints", m.innerPoints[0]);
  check("innerCentres", m.innerCentres[0]);
  check("outerPoints", m.outerPoints[0]);
  check("outerCentres", m.outerCentres[0]);
}

TEST(Drehen, RoundsToDoubleAfterEachElementaryTurnBitForBit) {
  struct Case {
    Point3 start;
    double a;
    double b;
    double c;
  };
  for (const Case& k :
       {Case{{1.0, 0.0, 0.0}, 37.0, 0.0, 0.0}, Case{{0.3, -1.7, 2.9}, 3.7, -11.0, 0.3},
        Case{{260.0, -130.0, 45.5}, 1.0, 1.0, 1.0},
        Case{{-0.8164966, 1.414214, -0.5773503}, -123.25, 77.5, 359.0}}) {
    auto m = onePointEverywhere(k.start.x, k.start.y, k.start.z);
    drehen(*m, k.a, k.b, k.c);
    Point3 byHand = turnedByHand(k.start, k.a, k.b, k.c);
    expectAllSetsBitwise(*m, byHand, "one turn");

    // 1000 turns, each by its own angles: the rounding of every step feeds the next.
    for (int step = 0; step < 1000; ++step) {
      const double a = k.a + 0.01 * step;
      const double b = k.b - 0.02 * step;
      const double c = k.c + 0.005 * step;
      drehen(*m, a, b, c);
      byHand = turnedByHand(byHand, a, b, c);
    }
    expectAllSetsBitwise(*m, byHand, "after 1000 more turns");
  }
}

TEST(TiltModel, InitialPoseOfTheXAxis) {
  auto m = onePointEverywhere(1.0, 0.0, 0.0);
  tiltModel(*m);
  const double c = std::sqrt(3.0) / 2.0;
  expectAllSets(*m, c, -0.5 * c, 0.25, 1e-15);
}

TEST(TiltModel, EqualsTurningByMinusThirtyInTwoPlanes) {
  auto tilted = onePointEverywhere(0.3, -1.7, 2.9);
  auto turned = onePointEverywhere(0.3, -1.7, 2.9);
  tiltModel(*tilted);
  drehen(*turned, -30.0, -30.0, 0.0);
  // Bit for bit: the same extended-precision angle and the same rounding steps.
  EXPECT_EQ(tilted->vertices[0].x, turned->vertices[0].x);
  EXPECT_EQ(tilted->vertices[0].y, turned->vertices[0].y);
  EXPECT_EQ(tilted->vertices[0].z, turned->vertices[0].z);
}

}  // namespace
}  // namespace velkora
