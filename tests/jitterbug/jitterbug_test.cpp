// The jitterbug measured against its definition: each of the eight triangles
// keeps its size, stays square to the line through its centre and the
// solid's, and has turned by J x 60 degrees about it, neighbours in opposite
// senses; every vertex lies on two triangles; the hull closes and has the
// counts of its three shapes; the icosahedron's J solves an equation derived
// here from the icosahedron's own proportions.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <set>
#include <utility>
#include <vector>

#include "base/convex_solid.h"
#include "base/polyhedron.h"
#include "jitterbug/jitterbug.h"

namespace velkora {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

const std::vector<double>& sampleParameters() {
  static const std::vector<double> samples = {0.0,  1e-7, 0.05, 0.2,   0.3707,  0.5,
                                              0.61, 0.8,  0.95, 0.999, 1 - 1e-6};
  return samples;
}

Vec3 corner(const std::array<Vec3, kJitterbugVertices>& points, int index) {
  return points[static_cast<std::size_t>(index)];
}

Vec3 centreOf(const std::array<Vec3, kJitterbugVertices>& points,
              const std::array<int, 3>& triangle) {
  return (corner(points, triangle[0]) + corner(points, triangle[1]) + corner(points, triangle[2])) /
         3.0;
}

// The angle from a to b about the unit axis, counter-clockwise seen from its tip.
double signedAngle(Vec3 a, Vec3 b, Vec3 axis) {
  return std::atan2(dot(cross(a, b), axis), dot(a, b));
}

TEST(JitterbugTriangles, KeepTheirSizeAndTurnAboutTheirOwnAxis) {
  const auto start = jitterbugVertices(0.0);
  for (const double j : sampleParameters()) {
    const auto points = jitterbugVertices(j);
    std::vector<double> turns;
    for (const auto& triangle : turningTriangles()) {
      // The axis: from the solid's centre through the triangle's centre at J = 0.
      const Vec3 axis = normalized(centreOf(start, triangle));
      const Vec3 centre = centreOf(points, triangle);
      EXPECT_GT(dot(cross(corner(points, triangle[1]) - corner(points, triangle[0]),
                          corner(points, triangle[2]) - corner(points, triangle[0])),
                    axis),
                0.0)
          << "j " << j << ": a triangle runs clockwise seen from outside";
      EXPECT_LT(norm(cross(centre, axis)), 1e-12) << "j " << j << ": centre off the axis";
      double turn = 0.0;
      for (int k = 0; k < 3; ++k) {
        const int a = triangle[static_cast<std::size_t>(k)];
        const int b = triangle[static_cast<std::size_t>((k + 1) % 3)];
        EXPECT_NEAR(norm(corner(points, a) - corner(points, b)), std::sqrt(2.0), 1e-12)
            << "j " << j;
        EXPECT_NEAR(dot(corner(points, a) - centre, axis), 0.0, 1e-12) << "j " << j;
        turn = signedAngle(corner(start, a) - centreOf(start, triangle), corner(points, a) - centre,
                           axis);
        EXPECT_NEAR(std::fabs(turn), j * 60.0 * kDegree, 1e-12) << "j " << j;
      }
      turns.push_back(turn);
    }
    // Triangles that share a vertex turn in opposite senses.
    if (j == 0.0) continue;
    for (std::size_t a = 0; a < turns.size(); ++a) {
      for (std::size_t b = a + 1; b < turns.size(); ++b) {
        const auto& ta = turningTriangles()[a];
        const auto& tb = turningTriangles()[b];
        bool share = false;
        for (const int x : ta) {
          for (const int y : tb)
            share = share || x == y;
        }
        if (share) {
          EXPECT_LT(turns[a] * turns[b], 0.0) << "j " << j << ", " << a << " " << b;
        }
      }
    }
  }
}

TEST(JitterbugTriangles, EachCornerIsOnTwoTrianglesUntilTheyMeetInPairs) {
  for (const double j : sampleParameters()) {
    const auto points = jitterbugVertices(j);
    for (const Vec3& p : points) {
      // Triangles with a corner at p's place, whatever its index.
      int touching = 0;
      for (const auto& triangle : turningTriangles()) {
        bool at = false;
        for (const int c : triangle)
          at = at || norm(corner(points, c) - p) < 1e-9;
        touching += at ? 1 : 0;
      }
      EXPECT_EQ(touching, 2) << "j " << j;
    }
    // The twelve points stay apart until the end.
    for (std::size_t a = 0; a < points.size(); ++a) {
      for (std::size_t b = a + 1; b < points.size(); ++b)
        EXPECT_GT(norm(points[a] - points[b]), 1e-9) << "j " << j;
    }
  }
  // At J = 1 they meet in pairs at the six unit points of the axes.
  const auto end = jitterbugVertices(1.0);
  std::multiset<std::pair<int, int>> places;  // (axis, sign)
  for (const Vec3& p : end) {
    const std::array<double, 3> c = {p.x, p.y, p.z};
    int axis = 0;
    for (int k = 1; k < 3; ++k) {
      if (std::fabs(c[static_cast<std::size_t>(k)]) > std::fabs(c[static_cast<std::size_t>(axis)]))
        axis = k;
    }
    EXPECT_NEAR(norm(p), 1.0, 1e-12);
    EXPECT_NEAR(std::fabs(c[static_cast<std::size_t>(axis)]), 1.0, 1e-12);
    places.insert({axis, c[static_cast<std::size_t>(axis)] > 0 ? 1 : -1});
  }
  for (const auto& place : places)
    EXPECT_EQ(places.count(place), 2u);
  EXPECT_EQ(places.size(), 12u);
}

struct Counts {
  std::size_t vertices, edges, faces, triangles;
};

Counts countsOf(const JitterbugShape& shape) {
  std::size_t triangles = 0;
  for (const auto& face : shape.solid.faces)
    triangles += face.size() == 3 ? 1 : 0;
  return {shape.solid.vertices.size(), edgesOf(shape.solid.faces).size(), shape.solid.faces.size(),
          triangles};
}

TEST(JitterbugShape, IsAClosedConvexSolidWithTheCountsOfItsMoment) {
  for (const double j : sampleParameters()) {
    const JitterbugShape shape = jitterbugShape(j);
    ASSERT_NO_THROW(checkConvexSolid(shape.solid.vertices, shape.solid.faces, 1e-9)) << "j " << j;
    const ConvexSolid checked = checkConvexSolid(shape.solid.vertices, shape.solid.faces, 1e-9);
    for (const bool turned : checked.turned)
      EXPECT_FALSE(turned) << "j " << j << ": a face runs clockwise seen from outside";
    const Counts counts = countsOf(shape);
    if (j == 0.0) {
      EXPECT_EQ(counts.vertices, 12u);
      EXPECT_EQ(counts.edges, 24u);
      EXPECT_EQ(counts.faces, 14u);
      EXPECT_EQ(counts.triangles, 8u);
    } else {
      EXPECT_EQ(counts.vertices, 12u) << "j " << j;
      EXPECT_EQ(counts.edges, 30u) << "j " << j;
      EXPECT_EQ(counts.faces, 20u) << "j " << j;
      EXPECT_EQ(counts.triangles, 20u) << "j " << j;
    }
  }
  const Counts end = countsOf(jitterbugShape(1.0));
  EXPECT_EQ(end.vertices, 6u);
  EXPECT_EQ(end.edges, 12u);
  EXPECT_EQ(end.faces, 8u);
}

TEST(JitterbugShape, StaysClosedWhereItsVerticesOrFacesAlmostMeet) {
  // Near the ends the hull decides which points are one (pairs of vertices
  // come within 1e-6 about 4e-7 before J = 1) and which faces are one (the
  // squares are within 1e-9 of flat below about J = 1e-9): on either side of
  // both it must still close, with Euler's count.
  for (int k = 1; k <= 60; ++k) {
    for (const double j : {k * 2e-11, 1.0 - k * 2e-8}) {
      const JitterbugShape shape = jitterbugShape(j);
      ASSERT_NO_THROW(checkConvexSolid(shape.solid.vertices, shape.solid.faces, 1e-9)) << "j " << j;
      const Counts counts = countsOf(shape);
      EXPECT_EQ(counts.vertices + counts.faces, counts.edges + 2) << "j " << j;
    }
  }
}

TEST(JitterbugShape, FlagsExactlyTheEightTurningTriangles) {
  for (const double j : {0.0, 0.3, 0.7, 1.0}) {
    const JitterbugShape shape = jitterbugShape(j);
    ASSERT_EQ(shape.turning.size(), shape.solid.faces.size());
    const auto points = jitterbugVertices(j);
    int flagged = 0;
    for (std::size_t f = 0; f < shape.turning.size(); ++f) {
      // A turning face has its centre where a turning triangle has its centre.
      Vec3 centre;
      for (const int c : shape.solid.faces[f])
        centre = centre + shape.solid.vertices[static_cast<std::size_t>(c)];
      centre = centre / static_cast<double>(shape.solid.faces[f].size());
      bool onTriangle = false;
      for (const auto& triangle : turningTriangles())
        onTriangle = onTriangle || norm(centreOf(points, triangle) - centre) < 1e-9;
      EXPECT_EQ(shape.turning[f], onTriangle) << "j " << j << ", face " << f;
      flagged += shape.turning[f] ? 1 : 0;
    }
    EXPECT_EQ(flagged, 8) << "j " << j;
  }
}

TEST(JitterbugStopAngle, SolvesTheIcosahedronsRatioOfCircumradiusToEdge) {
  // A regular icosahedron of edge a has circumradius a sin(72 degrees). Here
  // the edge stays sqrt 2 and a vertex lies at distance d = (2 / sqrt 3)
  // cos(angle) along the axis and r = sqrt(6) / 3 off it, so
  // 4/3 cos^2 + 2/3 = 2 sin^2(72 degrees).
  const double s = std::sin(72.0 * kDegree);
  const double angle = std::acos(std::sqrt(1.5 * s * s - 0.5));
  EXPECT_NEAR(angle / kDegree, 22.24, 0.005);
  EXPECT_NEAR(icosahedronParameter(), angle / (60.0 * kDegree), 1e-12);
  EXPECT_NEAR(jitterbugAngle(icosahedronParameter()), angle, 1e-12);
}

}  // namespace
}  // namespace velkora
