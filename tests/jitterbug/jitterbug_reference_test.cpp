// The jitterbug held against a construction made here: each of the eight
// triangles of the cuboctahedron (permutations of (±1, ±1, 0)) turned about
// its own axis s / sqrt 3 by J x 60 degrees (counter-clockwise seen from
// outside for s.x s.y s.z = 1, clockwise otherwise) and moved in along the
// axis so that its corners stay on their coordinate planes; the solid is the
// brute-force hull of the corners (tests/reference). The icosahedron's J in
// closed form: the corner starting at (1, 1, 0) is at
// (cos t - sin t / sqrt 3, cos t + sin t / sqrt 3, 0), t = J pi / 3, and the
// twelve corners are an icosahedron's when the larger coordinate is phi times
// the smaller: tan t = sqrt 3 (phi - 1) / (phi + 1) = sqrt 3 (sqrt 5 - 2).

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "jitterbug/jitterbug.h"
#include "jitterbug/jitterbug_solid.h"
#include "tests/reference/polytope_reference.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora {
namespace {

// J = 0.370645934882750, as tests/reference/snub_and_jitterbug_constants.py prints it.
double icosahedronJ() {
  return std::atan(std::sqrt(3.0) * (std::sqrt(5.0) - 2.0)) / (std::numbers::pi / 3);
}

// The corners of the eight triangles at j, three per triangle (24 points, each
// corner twice). A triangle's corners at the start are the cuboctahedron's
// vertices v with v.s = 2; its centre moves from (2/3) s to d s / sqrt 3 with
// d chosen so that the corner from (1, 1, 0) stays on z = 0: the offset
// u = v - (2/3) s turned by t has z part -(2/3) cos t, so d / sqrt 3 = (2/3) cos t.
std::vector<Vec3> triangleCorners(double j) {
  const double t = j * std::numbers::pi / 3;
  std::vector<Vec3> corners;
  for (int sx : {-1, 1})
    for (int sy : {-1, 1})
      for (int sz : {-1, 1}) {
        const Vec3 s{double(sx), double(sy), double(sz)};
        const Vec3 axis = normalized(s);
        const double turn = sx * sy * sz > 0 ? t : -t;
        const Vec3 centre = (2.0 / 3.0) * std::cos(t) * s;
        const std::array<Vec3, 3> start{Vec3{s.x, s.y, 0}, Vec3{0, s.y, s.z}, Vec3{s.x, 0, s.z}};
        for (Vec3 v : start) {
          const Vec3 u = v - (2.0 / 3.0) * s;  // perpendicular to the axis
          corners.push_back(centre + std::cos(turn) * u + std::sin(turn) * cross(axis, u));
        }
      }
  return corners;
}

Polyhedron referenceJitterbug(double j) {
  double margin = 0;
  const auto corners = triangleCorners(j);
  Polyhedron hull = reference::bruteForceHull(corners, 1e-9, 1e-9, &margin);
  EXPECT_GT(margin, 1e-4) << "the reference hull is near a change of its faces at J = " << j;
  return hull;
}

std::vector<JitterbugStop> programStops() { return jitterbugStops(test::embeddedSolids()); }

const std::vector<double> kBetweenStops{0.15, 0.6, 0.9};

// --- The construction made here, against what it must be ---------------------

TEST(JitterbugReferenceSelfCheck, CornersAreSharedInPairsAndStayOnTheirPlanes) {
  for (double j : {0.0, 0.15, icosahedronJ(), 0.6, 0.9}) {
    const auto corners = triangleCorners(j);
    for (size_t i = 0; i < corners.size(); ++i) {
      int twins = 0;
      for (size_t k = 0; k < corners.size(); ++k)
        if (k != i && norm(corners[i] - corners[k]) < 1e-12) ++twins;
      EXPECT_EQ(twins, 1) << "J = " << j << ", corner " << i;
      const Vec3 c = corners[i];
      EXPECT_NEAR(std::min({std::abs(c.x), std::abs(c.y), std::abs(c.z)}), 0.0, 1e-12);
    }
    // The triangles keep their size: corners 3k, 3k+1, 3k+2 stay sqrt 2 apart.
    for (size_t k = 0; k < corners.size(); k += 3)
      for (size_t a = 0; a < 3; ++a)
        EXPECT_NEAR(norm(corners[k + a] - corners[k + (a + 1) % 3]), std::sqrt(2.0), 1e-12);
  }
}

TEST(JitterbugReferenceSelfCheck, HullsAreTheKnownSolids) {
  const auto start = reference::measure(referenceJitterbug(0.0));
  EXPECT_EQ(start.vertices, 12);
  EXPECT_EQ(start.faces, 14);
  EXPECT_EQ(start.facesBySides, (std::map<int, int>{{3, 8}, {4, 6}}));
  // The cuboctahedron's volume 5 sqrt 2 / 3 a^3 and area (6 + 2 sqrt 3) a^2, a = R.
  EXPECT_NEAR(start.volumeOverR3, 5 * std::sqrt(2.0) / 3, 1e-12);
  EXPECT_NEAR(start.areaOverR2, 6 + 2 * std::sqrt(3.0), 1e-12);
  const auto ico = reference::measure(referenceJitterbug(icosahedronJ()));
  EXPECT_EQ(ico.faces, 20);
  EXPECT_NEAR(ico.edgeMaxOverR - ico.edgeMinOverR, 0.0, 1e-12) << "all thirty edges equal";
  // Icosahedron with R = 1: edge a = 4 / sqrt(10 + 2 sqrt 5), V = 5 (3 + sqrt 5) a^3 / 12, A = 5
  // sqrt 3 a^2.
  const double a = 4 / std::sqrt(10 + 2 * std::sqrt(5.0));
  EXPECT_NEAR(ico.volumeOverR3, 5 * (3 + std::sqrt(5.0)) * a * a * a / 12, 1e-12);
  EXPECT_NEAR(ico.areaOverR2, 5 * std::sqrt(3.0) * a * a, 1e-12);
  const auto end = reference::measure(referenceJitterbug(1.0));
  EXPECT_EQ(end.vertices, 6);
  EXPECT_EQ(end.faces, 8);
  EXPECT_NEAR(end.volumeOverR3, 4.0 / 3, 1e-12);
  EXPECT_NEAR(end.areaOverR2, 4 * std::sqrt(3.0), 1e-12);
  for (double j : kBetweenStops) {
    const auto m = reference::measure(referenceJitterbug(j));
    EXPECT_EQ(m.vertices, 12) << j;
    EXPECT_EQ(m.edges, 30) << j;
    EXPECT_EQ(m.facesBySides, (std::map<int, int>{{3, 20}})) << j;
  }
}

// --- The program's jitterbug ----------------------------------------------------

TEST(JitterbugReference, StopsAreTheStartTheIcosahedronAndTheEnd) {
  const auto stops = programStops();
  ASSERT_EQ(stops.size(), 3u);
  EXPECT_EQ(stops[0].j, 0.0);
  EXPECT_NEAR(stops[1].j, icosahedronJ(), 1e-6);
  EXPECT_NEAR(stops[1].j, 0.370645934882750, 1e-6);
  EXPECT_EQ(stops[2].j, 1.0);
  const auto& solids = test::embeddedSolids();
  const std::array<std::map<int, int>, 3> sides{
      std::map<int, int>{{3, 8}, {4, 6}}, std::map<int, int>{{3, 20}}, std::map<int, int>{{3, 8}}};
  for (size_t i = 0; i < 3; ++i) {
    ASSERT_GE(stops[i].position, 0);
    const Solid& solid = solids.at(static_cast<size_t>(stops[i].position));
    EXPECT_EQ(stops[i].name, solid.name);
    EXPECT_EQ(reference::measure(solid.geometry).facesBySides, sides[i]) << solid.name;
  }
}

TEST(JitterbugReference, IcosahedronParameterIsTheClosedForm) {
  EXPECT_NEAR(icosahedronParameter(), icosahedronJ(), 1e-6);
  EXPECT_NEAR(jitterbugAngle(icosahedronJ()), std::atan(std::sqrt(3.0) * (std::sqrt(5.0) - 2.0)),
              1e-12);
}

TEST(JitterbugReference, ProgramSolidsHaveTheMeasuresOfTheHullsMadeHere) {
  const auto stops = programStops();
  const Solid& start = jitterbugStart(test::embeddedSolids(), stops);
  std::vector<double> moments;
  for (const auto& s : stops)
    moments.push_back(s.j);
  moments.insert(moments.end(), kBetweenStops.begin(), kBetweenStops.end());
  for (double j : moments) {
    SCOPED_TRACE("J = " + std::to_string(j));
    const Polyhedron mine = referenceJitterbug(j == stops[1].j ? icosahedronJ() : j);
    const Solid solid = jitterbugSolid(start, j, stops);
    const auto p = reference::measure(solid.geometry);
    const auto m = reference::measure(mine);
    EXPECT_EQ(p.vertices, m.vertices);
    EXPECT_EQ(static_cast<int>(solid.geometry.vertices.size()), m.vertices)
        << "vertices held, used or not";
    EXPECT_EQ(p.edges, m.edges);
    EXPECT_EQ(p.faces, m.faces);
    EXPECT_EQ(p.facesBySides, m.facesBySides);
    EXPECT_NEAR(p.volumeOverR3, m.volumeOverR3, 2e-5);
    EXPECT_NEAR(p.areaOverR2, m.areaOverR2, 2e-5);
    // The same solid up to a congruence (the jitterbug has mirror symmetry,
    // so either hand of turning gives it).
    EXPECT_FALSE(reference::congruences(solid.geometry, mine, 1e-6).empty());
    // Its reach is the start's: the picture does not pump.
    const auto reach = [](const Polyhedron& s) {
      double r = 0;
      for (Vec3 v : s.vertices)
        r = std::max(r, norm(v));
      return r;
    };
    EXPECT_NEAR(reach(solid.geometry), reach(start.geometry), 1e-9 * reach(start.geometry));
  }
}

// The program's own frame (jitterbug.h): the same twelve corners as made here,
// one for one, when its triangles turn the way described.
TEST(JitterbugReference, ProgramVerticesInItsFrameAreTheCornersMadeHere) {
  for (double j : {0.0, 0.15, 0.6, 0.9}) {
    const auto theirs = jitterbugVertices(j);
    const auto mine = triangleCorners(j);
    for (Vec3 v : theirs) {
      const bool found =
          std::any_of(mine.begin(), mine.end(), [&](Vec3 w) { return norm(v - w) < 1e-9; });
      EXPECT_TRUE(found) << "J = " << j << ": (" << v.x << ", " << v.y << ", " << v.z << ")";
    }
  }
}

}  // namespace
}  // namespace velkora
