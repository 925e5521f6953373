// The reference kaleidoscope against what is known without it: the orders of the three groups,
// the solids at the corners of the triangle with volumes and areas from textbook formulas at
// circumradius 1, the seven uniform solids of each family named by their counts and face kinds,
// Euler's formula over the whole triangle, and clean hulls where orbit points coincide.

#include "tests/support/wythoff_reference.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace velkora::reference {
namespace {

// A uniform solid by its counts, face kinds and size.
struct Expected {
  std::string name;
  int vertices, edges, faces;
  std::map<int, int> faceKinds;
  double radiusOverEdge;  // circumradius in edge lengths, from the textbook formulas
};

void expectSolid(const WythoffFacts& facts, const Expected& expected) {
  SCOPED_TRACE(expected.name);
  EXPECT_EQ(facts.vertices, expected.vertices);
  EXPECT_EQ(facts.edges, expected.edges);
  EXPECT_EQ(facts.faces, expected.faces);
  EXPECT_EQ(facts.faceKinds, expected.faceKinds);
}

const double kRoot2 = std::sqrt(2.0);
const double kRoot5 = std::sqrt(5.0);

const Expected kTetrahedron{"Tetraeder", 4, 6, 4, {{3, 4}}, std::sqrt(6.0) / 4};
const Expected kCube{"Würfel", 8, 12, 6, {{4, 6}}, std::sqrt(3.0) / 2};
const Expected kOctahedron{"Oktaeder", 6, 12, 8, {{3, 8}}, std::sqrt(2.0) / 2};
const Expected kCuboctahedron{"Kuboktaeder", 12, 24, 14, {{3, 8}, {4, 6}}, 1.0};
const Expected kTruncatedTetrahedron{"Tetraederstumpf",  12, 18, 8, {{3, 4}, {6, 4}},
                                     std::sqrt(22.0) / 4};
const Expected kTruncatedCube{
    "Hexaederstumpf", 24, 36, 14, {{3, 8}, {8, 6}}, std::sqrt(7 + 4 * kRoot2) / 2};
const Expected kTruncatedOctahedron{"Oktaederstumpf",   24, 36, 14, {{4, 6}, {6, 8}},
                                    std::sqrt(10.0) / 2};
const Expected kRhombicuboctahedron{"Rhombenkuboktaeder",         24, 48, 26, {{3, 8}, {4, 18}},
                                    std::sqrt(5 + 2 * kRoot2) / 2};
const Expected kTruncatedCuboctahedron{
    "Großes Rhombenkuboktaeder",   48, 72, 26, {{4, 12}, {6, 8}, {8, 6}},
    std::sqrt(13 + 6 * kRoot2) / 2};
const Expected kDodecahedron{"Dodekaeder", 20,        30,
                             12,           {{5, 12}}, std::sqrt(3.0) * (1 + kRoot5) / 4};
const Expected kIcosahedron{"Ikosaeder", 12, 30, 20, {{3, 20}}, std::sqrt(10 + 2 * kRoot5) / 4};
const Expected kIcosidodecahedron{"Ikosidodekaeder", 30, 60, 32, {{3, 20}, {5, 12}},
                                  (1 + kRoot5) / 2};
const Expected kTruncatedDodecahedron{
    "Dodekaederstumpf", 60, 90, 32, {{3, 20}, {10, 12}}, std::sqrt(74 + 30 * kRoot5) / 4};
const Expected kTruncatedIcosahedron{
    "Ikosaederstumpf", 60, 90, 32, {{5, 12}, {6, 20}}, std::sqrt(58 + 18 * kRoot5) / 4};
const Expected kRhombicosidodecahedron{
    "Rhombenikosidodekaeder",      60, 120, 62, {{3, 20}, {4, 30}, {5, 12}},
    std::sqrt(11 + 4 * kRoot5) / 2};
const Expected kTruncatedIcosidodecahedron{
    "Großes Rhombenikosidodekaeder", 120, 180, 62, {{4, 30}, {6, 20}, {10, 12}},
    std::sqrt(31 + 12 * kRoot5) / 2};

TEST(WythoffReference, GroupsHaveTheOrdersOfTheThreeFullSymmetryGroups) {
  EXPECT_EQ(groupOrder(ReferenceFamily::T), 24);
  EXPECT_EQ(groupOrder(ReferenceFamily::O), 48);
  EXPECT_EQ(groupOrder(ReferenceFamily::I), 120);
}

TEST(WythoffReference, CornersOfTheOctahedralTriangleGiveCubeCuboctahedronOctahedron) {
  const WythoffFacts cube = wythoffFacts(ReferenceFamily::O, 1, 0, 0);
  const WythoffFacts cuboctahedron = wythoffFacts(ReferenceFamily::O, 0, 1, 0);
  const WythoffFacts octahedron = wythoffFacts(ReferenceFamily::O, 0, 0, 1);
  expectSolid(cube, kCube);
  expectSolid(cuboctahedron, kCuboctahedron);
  expectSolid(octahedron, kOctahedron);

  // Circumradius 1: the cube's edge is 2/sqrt(3), the octahedron's sqrt(2), the cuboctahedron's 1.
  const double s = 2.0 / std::sqrt(3.0);
  EXPECT_NEAR(cube.volume, s * s * s, 1e-12);
  EXPECT_NEAR(cube.area, 6.0 * s * s, 1e-12);
  EXPECT_NEAR(cube.edgeLengths.front(), s, 1e-12);
  EXPECT_NEAR(octahedron.volume, 4.0 / 3.0, 1e-12);
  EXPECT_NEAR(octahedron.area, 4.0 * std::sqrt(3.0), 1e-12);
  EXPECT_NEAR(cuboctahedron.volume, 5.0 * std::sqrt(2.0) / 3.0, 1e-12);
  EXPECT_NEAR(cuboctahedron.area, 6.0 + 2.0 * std::sqrt(3.0), 1e-12);
  EXPECT_NEAR(cuboctahedron.edgeLengths.back(), 1.0, 1e-12);
}

TEST(WythoffReference, WeightsNeedNotBeNormalised) {
  EXPECT_TRUE(similarShape(wythoffFacts(ReferenceFamily::I, 0.2, 0.3, 0.5),
                           wythoffFacts(ReferenceFamily::I, 2, 3, 5), 1e-12));
  EXPECT_NEAR(wythoffFacts(ReferenceFamily::O, 2, 0, 6).volume,
              wythoffFacts(ReferenceFamily::O, 0.25, 0, 0.75).volume, 1e-12);
}

TEST(WythoffReference, NegativeOrZeroWeightsAreRefused) {
  EXPECT_THROW(wythoffFacts(ReferenceFamily::O, 0, 0, 0), EReferenceWeights);
  EXPECT_THROW(wythoffFacts(ReferenceFamily::T, -0.1, 0.5, 0.6), EReferenceWeights);
  EXPECT_THROW(wythoffFacts(ReferenceFamily::I, 1, 1, NAN), Error);
}

// Each family's stops in the order A, B, C, AB, BC, CA, ABC, with the solid found there.
void expectStops(ReferenceFamily family, const std::vector<Expected>& expected) {
  const std::vector<ReferenceWythoffStop> stops = wythoffStops(family);
  ASSERT_EQ(stops.size(), expected.size());
  for (std::size_t i = 0; i < stops.size(); ++i) {
    const ReferenceWythoffStop& stop = stops[i];
    SCOPED_TRACE(testing::Message()
                 << "stop " << i << " at " << stop.a << ", " << stop.b << ", " << stop.c);
    EXPECT_NEAR(stop.a + stop.b + stop.c, 1.0, 1e-12);
    expectSolid(stop.facts, expected[i]);
    // Uniform: every edge of the hull as long as every other.
    ASSERT_FALSE(stop.facts.edgeLengths.empty());
    EXPECT_NEAR(stop.facts.edgeLengths.front(), stop.facts.edgeLengths.back(), 1e-9);
    EXPECT_NEAR(stop.facts.edgeLengths.back(), 1.0 / expected[i].radiusOverEdge, 1e-9);
    // The stop is recomputed from its weights alone.
    EXPECT_TRUE(similarShape(stop.facts, wythoffFacts(family, stop.a, stop.b, stop.c)));
  }
}

TEST(WythoffReference, OctahedralStopsAreTheSevenUniformSolidsOfTheCube) {
  expectStops(ReferenceFamily::O,
              {kCube, kCuboctahedron, kOctahedron, kTruncatedCube, kTruncatedOctahedron,
               kRhombicuboctahedron, kTruncatedCuboctahedron});
}

TEST(WythoffReference, TetrahedralStopsAreTetrahedraOctahedronAndTheirTruncations) {
  expectStops(ReferenceFamily::T, {kTetrahedron, kOctahedron, kTetrahedron, kTruncatedTetrahedron,
                                   kTruncatedTetrahedron, kCuboctahedron, kTruncatedOctahedron});
}

TEST(WythoffReference, IcosahedralStopsAreTheSevenUniformSolidsOfTheDodecahedron) {
  expectStops(ReferenceFamily::I,
              {kDodecahedron, kIcosidodecahedron, kIcosahedron, kTruncatedDodecahedron,
               kTruncatedIcosahedron, kRhombicosidodecahedron, kTruncatedIcosidodecahedron});
}

TEST(WythoffReference, SolidsReachedFromTwoFamiliesAreSimilar) {
  const auto t = wythoffStops(ReferenceFamily::T);
  const auto o = wythoffStops(ReferenceFamily::O);
  EXPECT_TRUE(similarShape(t[1].facts, o[2].facts));  // octahedron
  EXPECT_TRUE(similarShape(t[5].facts, o[1].facts));  // cuboctahedron
  EXPECT_TRUE(similarShape(t[6].facts, o[4].facts));  // truncated octahedron
  EXPECT_TRUE(similarShape(t[0].facts, t[2].facts));  // the two tetrahedra
  // Same counts and face kinds, different shape: a truncated cube off its stop.
  EXPECT_FALSE(similarShape(o[3].facts, wythoffFacts(ReferenceFamily::O, 0.5, 0.5, 0), 1e-6));
  EXPECT_FALSE(similarShape(o[0].facts, o[2].facts));
}

TEST(WythoffReference, EulerHoldsOverTheWholeTriangle) {
  for (ReferenceFamily family : {ReferenceFamily::T, ReferenceFamily::O, ReferenceFamily::I}) {
    const int steps = family == ReferenceFamily::I ? 3 : 5;
    for (int i = 0; i <= steps; ++i) {
      for (int j = 0; i + j <= steps; ++j) {
        const double a = i;
        const double b = j;
        const WythoffFacts f = wythoffFacts(family, a, b, steps - a - b);
        SCOPED_TRACE(testing::Message()
                     << "family " << static_cast<int>(family) << " at " << a << ", " << b);
        EXPECT_EQ(f.vertices - f.edges + f.faces, 2);
        int corners = 0;
        for (const auto& [kind, count] : f.faceKinds) {
          corners += kind * count;
        }
        EXPECT_EQ(corners, 2 * f.edges);
        EXPECT_GT(f.volume, 0.0);
        EXPECT_LT(f.volume, 4.0 * M_PI / 3.0);
      }
    }
  }
}

// Area of a face, by the fan from its first corner.
double faceArea(const ReferenceHull& hull, const std::vector<int>& face) {
  double area = 0.0;
  for (std::size_t i = 1; i + 1 < face.size(); ++i) {
    area += 0.5 * norm(cross(hull.vertices[face[i]] - hull.vertices[face[0]],
                             hull.vertices[face[i + 1]] - hull.vertices[face[0]]));
  }
  return area;
}

TEST(WythoffReference, CornersAndSidesGiveNoDuplicateVerticesAndNoEmptyFaces) {
  struct Case {
    ReferenceFamily family;
    double a, b, c;
    int vertices;
  };
  for (const Case& k :
       {Case{ReferenceFamily::O, 1, 0, 0, 8}, Case{ReferenceFamily::O, 0, 0, 1, 6},
        Case{ReferenceFamily::O, 0.3, 0.7, 0, 24}, Case{ReferenceFamily::T, 0, 1, 0, 6},
        Case{ReferenceFamily::T, 0.4, 0, 0.6, 12}, Case{ReferenceFamily::I, 0, 0, 1, 12},
        Case{ReferenceFamily::I, 0, 0.5, 0.5, 60}}) {
    SCOPED_TRACE(testing::Message() << "family " << static_cast<int>(k.family) << " at " << k.a
                                    << ", " << k.b << ", " << k.c);
    const ReferenceHull hull = wythoffHull(k.family, k.a, k.b, k.c);
    ASSERT_EQ(static_cast<int>(hull.vertices.size()), k.vertices);
    double closest = 2.0;
    for (std::size_t i = 0; i < hull.vertices.size(); ++i) {
      EXPECT_NEAR(norm(hull.vertices[i]), 1.0, 1e-12);
      for (std::size_t j = i + 1; j < hull.vertices.size(); ++j) {
        closest = std::min(closest, norm(hull.vertices[i] - hull.vertices[j]));
      }
    }
    EXPECT_GT(closest, 0.1);
    std::set<int> used;
    for (const auto& face : hull.faces) {
      EXPECT_GE(face.size(), 3u);
      EXPECT_GT(faceArea(hull, face), 1e-3);
      // Counter-clockwise seen from outside: the fan's normal points away from the centre.
      const Vec3 n = cross(hull.vertices[face[1]] - hull.vertices[face[0]],
                           hull.vertices[face[2]] - hull.vertices[face[1]]);
      EXPECT_GT(dot(n, hull.vertices[face[0]]), 0.0);
      used.insert(face.begin(), face.end());
    }
    EXPECT_EQ(static_cast<int>(used.size()), k.vertices);
  }
}

// A millionth off a corner or side the hull already has the counts of the solid inside, with its
// shortest edges about a millionth long: orbit points that close are still told apart.
TEST(WythoffReference, WeightsJustOffACornerOrSideGiveTheSolidBeyondIt) {
  const WythoffFacts nearCube = wythoffFacts(ReferenceFamily::O, 1, 1e-6, 0);
  expectSolid(nearCube, kTruncatedCube);
  EXPECT_LT(nearCube.edgeLengths.front(), 1e-5);
  EXPECT_GT(nearCube.edgeLengths.front(), 1e-7);
  const WythoffFacts nearSide = wythoffFacts(ReferenceFamily::I, 0.5, 0.5, 1e-6);
  expectSolid(nearSide, kTruncatedIcosidodecahedron);
  EXPECT_LT(nearSide.edgeLengths.front(), 1e-5);
  expectSolid(wythoffFacts(ReferenceFamily::T, 0, 1e-7, 1), kTruncatedTetrahedron);
}

// Inside the triangle, away from the stop, the hull keeps the counts of the stop's solid. The
// time of this one call is printed for the record.
TEST(WythoffReference, AnyPointInsideTheTriangleGivesTheStopsCounts) {
  const auto start = std::chrono::steady_clock::now();
  const WythoffFacts f = wythoffFacts(ReferenceFamily::I, 0.2, 0.3, 0.5);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << "one icosahedral hull inside the triangle: " << seconds << " s\n";
  expectSolid(f, kTruncatedIcosidodecahedron);
  EXPECT_GT(f.edgeLengths.back() - f.edgeLengths.front(), 0.01);
  expectSolid(wythoffFacts(ReferenceFamily::O, 0.6, 0.1, 0.3), kTruncatedCuboctahedron);
  expectSolid(wythoffFacts(ReferenceFamily::T, 0.1, 0.1, 0.8), kTruncatedOctahedron);
}

}  // namespace
}  // namespace velkora::reference
