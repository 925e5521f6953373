// Properties of the constructions the catalogue rests on: group orders, uniform edges of the
// Wythoff solids, the snub cubics, the polar reciprocal, and the catalogue order of vertices.

#include "tools/catalogue_generator/construction.h"
#include "tools/catalogue_generator/hull.h"
#include "tools/catalogue_generator/ordering.h"
#include "tools/catalogue_generator/polynomial.h"
#include "tools/catalogue_generator/symmetry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace velkora::gen {
namespace {

TEST(Symmetry, ReflectionGroupsHaveTheirOrdersAndHalfAreRotations) {
  const std::pair<SchwarzTriangle, std::size_t> cases[] = {
      {tetrahedralTriangle(), 24}, {octahedralTriangle(), 48}, {icosahedralTriangle(), 120}};
  for (const auto& [triangle, order] : cases) {
    const auto group = reflectionGroup(triangle);
    EXPECT_EQ(group.size(), order);
    EXPECT_EQ(rotationSubgroup(group).size(), order / 2);
    // A point on no mirror has as many distinct images as the group has elements.
    EXPECT_EQ(orbit(group, Vec3{0.3L, 0.2L, 0.9L}).size(), order);
  }
}

TEST(Symmetry, WythoffPointsSitOneUnitFromEachActiveMirror) {
  // Every edge of the orbit solid is then 2 long: check on the truncated icosidodecahedron,
  // whose seed keeps its distance from all three mirrors.
  const SchwarzTriangle triangle = icosahedralTriangle();
  const auto points = orbit(reflectionGroup(triangle), wythoffPoint(triangle, true, true, true));
  ASSERT_EQ(points.size(), 120U);
  const auto faces = convexHullFaces(points, 1e-9L);
  EXPECT_EQ(faces.size(), 62U);
  for (const auto& [a, b] : edgesOf(faces)) {
    EXPECT_NEAR(static_cast<double>(distance(points[static_cast<std::size_t>(a)],
                                             points[static_cast<std::size_t>(b)])),
                2.0, 1e-12);
  }
}

TEST(Polynomial, NewtonFindsTheRealRootsOfTheSnubCubics) {
  const Real phi = (1 + std::sqrt(5.0L)) / 2;
  const std::vector<Real> tribonacci{1, -1, -1, -1};
  const Real t = newtonRoot(tribonacci, 2);
  EXPECT_LT(std::fabs(evaluatePolynomial(tribonacci, t)), 1e-17L);
  EXPECT_NEAR(static_cast<double>(t), 1.839286755, 1e-9);
  const std::vector<Real> snubDodecahedral{1, 2, 0, -phi * phi};
  const Real x = newtonRoot(snubDodecahedral, 1);
  EXPECT_LT(std::fabs(evaluatePolynomial(snubDodecahedral, x)), 1e-17L);
  EXPECT_NEAR(static_cast<double>(x), 0.943151259, 1e-9);
}

TEST(PolarReciprocal, TwiceGivesBackTheOriginalVertices) {
  for (int type : {5, 9, 10, 12, 16}) {
    const Solid solid = constructSolid(type);
    const Solid back = polarReciprocal(polarReciprocal(solid));
    ASSERT_EQ(back.vertices.size(), solid.vertices.size()) << type;
    for (const Vec3& v : solid.vertices) {
      const bool found = std::any_of(back.vertices.begin(), back.vertices.end(),
                                     [&](const Vec3& w) { return distance(v, w) < 1e-12L; });
      EXPECT_TRUE(found) << "type " << type;
    }
  }
}

TEST(PolarReciprocal, EdgesOfSolidAndDualTouchTheUnitSphereAtTheSamePoints) {
  // Each dual edge touches the unit sphere at the point of its line nearest the centre, and
  // that point is the midpoint of an edge of the original solid.
  const Solid cuboctahedron = constructSolid(5);
  std::vector<Vec3> midpoints;
  for (const auto& [a, b] : edgesOf(cuboctahedron.faces)) {
    midpoints.push_back((cuboctahedron.vertices[static_cast<std::size_t>(a)] +
                         cuboctahedron.vertices[static_cast<std::size_t>(b)]) /
                        2);
  }
  const Solid dual = polarReciprocal(cuboctahedron);
  for (const auto& [a, b] : edgesOf(dual.faces)) {
    const Vec3 p = dual.vertices[static_cast<std::size_t>(a)];
    const Vec3 d = dual.vertices[static_cast<std::size_t>(b)] - p;
    const Vec3 nearest = p - d * (dot(p, d) / dot(d, d));
    EXPECT_NEAR(static_cast<double>(norm(nearest)), 1.0, 1e-12);
    EXPECT_TRUE(std::any_of(midpoints.begin(), midpoints.end(),
                            [&](const Vec3& m) { return distance(m, nearest) < 1e-12L; }));
  }
}

TEST(CatalogueOrder, PutsTheWantedEdgeFirstAndFacesStartAtTheirSmallestIndex) {
  for (int type = 2; type <= 30; ++type) {
    Solid solid = constructSolid(type);
    orderForCatalogue(solid, type);
    Real shortest = 1e9L;
    Real longest = 0;
    for (const auto& [a, b] : edgesOf(solid.faces)) {
      const Real length = distance(solid.vertices[static_cast<std::size_t>(a)],
                                   solid.vertices[static_cast<std::size_t>(b)]);
      shortest = std::min(shortest, length);
      longest = std::max(longest, length);
    }
    const Real edge01 = distance(solid.vertices[0], solid.vertices[1]);
    const Real wanted = edgeKindOf(type) == EdgeKind::Longest ? longest : shortest;
    EXPECT_NEAR(static_cast<double>(edge01), static_cast<double>(wanted), 1e-12) << type;
    for (const Face& face : solid.faces) {
      EXPECT_EQ(face.front(), *std::min_element(face.begin(), face.end())) << type;
      const Vec3 n = cross(solid.vertices[static_cast<std::size_t>(face[1])] -
                               solid.vertices[static_cast<std::size_t>(face[0])],
                           solid.vertices[static_cast<std::size_t>(face[2])] -
                               solid.vertices[static_cast<std::size_t>(face[1])]);
      EXPECT_GT(dot(n, solid.vertices[static_cast<std::size_t>(face[0])]), 0)
          << "type " << type << ": face not counter-clockwise from outside";
    }
  }
}

}  // namespace
}  // namespace velkora::gen
