// The jitterbug among the catalogue's solids: its stops are the
// Kuboktaeder, the Ikosaeder and the Oktaeder, each equal to the catalogue's
// up to similarity (all distances between vertices, the longest 1); at J = 0
// its solid lies on the catalogue Kuboktaeder's vertices; it keeps that
// solid's reach; and its name between stops gives J.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "base/convex_solid.h"
#include "base/polyhedron.h"
#include "jitterbug/jitterbug.h"
#include "jitterbug/jitterbug_solid.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora {
namespace {

constexpr int kOctahedron = 2;
constexpr int kIcosahedron = 3;
constexpr int kCuboctahedron = 12;

// Every distance between two vertices, ascending, the longest 1.
std::vector<double> distanceSet(const std::vector<Vec3>& points) {
  std::vector<double> distances;
  for (std::size_t a = 0; a < points.size(); ++a) {
    for (std::size_t b = a + 1; b < points.size(); ++b)
      distances.push_back(norm(points[a] - points[b]));
  }
  std::sort(distances.begin(), distances.end());
  for (double& d : distances)
    d /= distances.back();
  return distances;
}

// Whether two point sets are similar by their distances (catalogue digits: 1e-6).
void expectSimilar(const Polyhedron& shape, const Polyhedron& solid) {
  const std::vector<double> ours = distanceSet(shape.vertices);
  const std::vector<double> theirs = distanceSet(solid.vertices);
  ASSERT_EQ(ours.size(), theirs.size());
  for (std::size_t k = 0; k < ours.size(); ++k)
    EXPECT_NEAR(ours[k], theirs[k], 1e-6) << "distance " << k;
  EXPECT_EQ(shape.faces.size(), solid.faces.size());
}

class JitterbugSolid : public ::testing::Test {
 protected:
  static const std::vector<JitterbugStop>& stops() {
    static const std::vector<JitterbugStop> found = jitterbugStops(test::embeddedSolids());
    return found;
  }
  static const Solid& start() { return jitterbugStart(test::embeddedSolids(), stops()); }
};

TEST_F(JitterbugSolid, StopsAreTheCuboctahedronTheIcosahedronAndTheOctahedron) {
  ASSERT_EQ(stops().size(), 3u);
  const int positions[] = {kCuboctahedron, kIcosahedron, kOctahedron};
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(stops()[k].position, positions[k]);
    EXPECT_EQ(stops()[k].name, test::embeddedSolid(positions[k]).name);
    EXPECT_EQ(stops()[k].family, test::embeddedSolid(positions[k]).family);
  }
  EXPECT_EQ(stops()[0].j, 0.0);
  EXPECT_NEAR(stops()[1].j, 0.3707, 1e-4);
  EXPECT_EQ(stops()[2].j, 1.0);
  EXPECT_EQ(start().position, kCuboctahedron);
}

TEST_F(JitterbugSolid, EachStopIsItsCatalogueSolidUpToSimilarity) {
  for (const JitterbugStop& stop : stops()) {
    const Solid solid = jitterbugSolid(start(), stop.j, stops());
    EXPECT_EQ(solid.name, stop.name);
    EXPECT_EQ(solid.position, stop.position);
    EXPECT_EQ(solid.type, -1);
    expectSimilar(solid.geometry, test::embeddedSolid(stop.position).geometry);
  }
  // At the icosahedron all thirty edges are one length, to rounding.
  const Polyhedron icosahedron = jitterbugSolid(start(), stops()[1].j, stops()).geometry;
  std::vector<double> lengths;
  for (const auto& [a, b] : edgesOf(icosahedron.faces))
    lengths.push_back(norm(icosahedron.vertices[static_cast<std::size_t>(a)] -
                           icosahedron.vertices[static_cast<std::size_t>(b)]));
  ASSERT_EQ(lengths.size(), 30u);
  const auto [shortest, longest] = std::minmax_element(lengths.begin(), lengths.end());
  EXPECT_LT(*longest / *shortest - 1.0, 1e-12);
  for (const auto& face : icosahedron.faces)
    EXPECT_EQ(face.size(), 3u);
}

TEST_F(JitterbugSolid, StartsOnTheCataloguesCuboctahedronAndKeepsItsReach) {
  // J = 0 in the catalogue solid's units and orientation: every vertex of
  // one is a vertex of the other.
  const Polyhedron& catalogue = start().geometry;
  const Polyhedron ours = jitterbugSolid(start(), 0.0, stops()).geometry;
  ASSERT_EQ(ours.vertices.size(), catalogue.vertices.size());
  double reach = 0.0;
  for (const Vec3& v : catalogue.vertices)
    reach = std::max(reach, norm(v));
  for (const Vec3& v : ours.vertices) {
    double nearest = INFINITY;
    for (const Vec3& w : catalogue.vertices)
      nearest = std::min(nearest, norm(v - w));
    EXPECT_LT(nearest, 1e-6 * reach);
  }
  for (const double j : {0.1, 0.5, 0.9, 1.0}) {
    const Polyhedron solid = jitterbugSolid(start(), j, stops()).geometry;
    for (const Vec3& v : solid.vertices)
      EXPECT_NEAR(norm(v), reach, 1e-9 * reach) << "j " << j;
    // Turned into the catalogue's orientation, not mirrored: faces still outward.
    const ConvexSolid checked = checkConvexSolid(solid.vertices, solid.faces);
    EXPECT_TRUE(std::none_of(checked.turned.begin(), checked.turned.end(),
                             [](bool turned) { return turned; }))
        << "j " << j;
  }
}

TEST_F(JitterbugSolid, BetweenStopsTheNameGivesJ) {
  const Solid between = jitterbugSolid(start(), 0.25, stops());
  EXPECT_EQ(between.name, "Jitterbug (J = 0,25)");
  EXPECT_EQ(between.position, -1);
  EXPECT_FALSE(between.family.has_value());
  EXPECT_EQ(jitterbugSolid(start(), 0.6, stops()).name, "Jitterbug (J = 0,60)");
  // Within a millionth of a stop it is that stop's solid.
  EXPECT_EQ(jitterbugSolid(start(), stops()[1].j + 1e-7, stops()).position, kIcosahedron);
  EXPECT_EQ(jitterbugSolid(start(), stops()[1].j + 1e-5, stops()).position, -1);
}

TEST_F(JitterbugSolid, StartWithoutTheCuboctahedronIsRefused) {
  // The octahedron has no square faces to take the axes from.
  EXPECT_THROW(jitterbugSolid(test::embeddedSolid(kOctahedron), 0.5, stops()), EInvalidSolid);
  const std::vector<JitterbugStop> none;
  EXPECT_THROW(jitterbugStart(test::embeddedSolids(), none), ESolidNotFound);
}

}  // namespace
}  // namespace velkora
