// The dual morph held against the brute-force reference (which works on the
// catalogue solids refined to exact canonical form): counts, face kinds and
// volume along every path, every stop of every path, closed outward solids
// without slivers, and the touching points.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "base/convex_solid.h"
#include "morph/canonical_form.h"
#include "morph/dual_morph.h"
#include "morph/morph_solid.h"
#include "morph/morph_stops.h"
#include "tests/support/canonical_form.h"
#include "tests/support/embedded_catalogue.h"
#include "tests/support/morph_reference.h"
#include "tests/support/sanitized.h"

namespace velkora {
namespace {

reference::ReferenceMesh meshOf(const Polyhedron& p) { return {p.vertices, p.faces}; }

const std::vector<reference::ReferenceMesh>& exactSolids() {
  static const std::vector<reference::ReferenceMesh> all = [] {
    std::vector<reference::ReferenceMesh> list;
    for (const Solid& solid : test::embeddedSolids())
      list.push_back(reference::canonicalForm(meshOf(solid.geometry)));
    return list;
  }();
  return all;
}

double volumeOf(const Polyhedron& p) {
  // Fan each face from its first corner; the faces run counter-clockwise from outside.
  double sum = 0.0;
  for (const std::vector<int>& face : p.faces) {
    const Vec3 a = p.vertices[static_cast<std::size_t>(face[0])];
    for (std::size_t i = 1; i + 1 < face.size(); ++i) {
      sum += dot(a, cross(p.vertices[static_cast<std::size_t>(face[i])],
                          p.vertices[static_cast<std::size_t>(face[i + 1])]));
    }
  }
  return sum / 6.0;
}

std::map<int, int> faceKinds(const Polyhedron& p) {
  std::map<int, int> kinds;
  for (const auto& face : p.faces)
    ++kinds[static_cast<int>(face.size())];
  return kinds;
}

int edgeCount(const Polyhedron& p) {
  int corners = 0;
  for (const auto& face : p.faces)
    corners += static_cast<int>(face.size());
  return corners / 2;
}

double shortestEdge(const Polyhedron& p) {
  double shortest = INFINITY;
  for (const auto& face : p.faces) {
    for (std::size_t i = 0; i < face.size(); ++i) {
      const Vec3 a = p.vertices[static_cast<std::size_t>(face[i])];
      const Vec3 b = p.vertices[static_cast<std::size_t>(face[(i + 1) % face.size()])];
      shortest = std::min(shortest, norm(a - b));
    }
  }
  return shortest;
}

// A closed, outward, convex solid with no edge shorter than a ten-thousandth of the midradius.
void expectSoundSolid(const Polyhedron& m, const std::string& where) {
  ConvexSolid checked;
  std::string problem;
  std::vector<std::span<const int>> faces(m.faces.begin(), m.faces.end());
  EXPECT_TRUE(tryConvexSolid(m.vertices, faces, kConvexTolerance, checked, problem))
      << where << ": " << problem;
  EXPECT_GT(shortestEdge(m), 1e-4) << where;
  EXPECT_EQ(static_cast<int>(m.vertices.size()) - edgeCount(m) + static_cast<int>(m.faces.size()),
            2)
      << where;
}

TEST(DualMorph, CountsFaceKindsAndVolumeFollowTheReferenceOnEveryPath) {
  for (const Solid& solid : test::embeddedSolids()) {
    const DualMorph morph(solid.geometry);
    const reference::ReferenceMesh& exact = exactSolids()[static_cast<std::size_t>(solid.position)];
    for (const double t : {0.0, 0.13, 0.37, 0.5, 0.61, 0.88, 1.0}) {
      const std::string where = solid.name + " at t = " + std::to_string(t);
      const Polyhedron m = morph.at(t);
      const reference::MorphFacts facts = reference::morphFacts(exact, t);
      EXPECT_EQ(static_cast<int>(m.vertices.size()), facts.vertices) << where;
      EXPECT_EQ(edgeCount(m), facts.edges) << where;
      EXPECT_EQ(static_cast<int>(m.faces.size()), facts.faces) << where;
      EXPECT_EQ(faceKinds(m), facts.faceKinds) << where;
      EXPECT_NEAR(volumeOf(m), facts.volume, 2e-5 * facts.volume) << where;
      expectSoundSolid(m, where);
    }
  }
}

TEST(DualMorph, EveryPathStopsWhereTheReferenceStops) {
  std::vector<ShapeSignature> signatures;
  for (const Solid& solid : test::embeddedSolids())
    signatures.push_back(shapeSignature(settleCanonical(solid.geometry).solid));
  int interior = 0;
  for (const Solid& solid : test::embeddedSolids()) {
    const DualMorph morph(solid.geometry);
    const std::vector<MorphStop> ours = findMorphStops(morph, signatures);
    // The brute-force reference takes most of the time, many times more under
    // the sanitizers: there it is worked out for every fourth path only, while
    // every path's own stops are still found and checked below.
    if (!test::kSanitized || solid.position % 4 == 0) {
      const std::vector<reference::ReferenceStop> expected = reference::morphStops(
          exactSolids()[static_cast<std::size_t>(solid.position)], exactSolids());
      ASSERT_EQ(ours.size(), expected.size()) << solid.name;
      for (std::size_t k = 0; k < ours.size(); ++k) {
        EXPECT_EQ(ours[k].candidate, expected[k].candidate) << solid.name << " stop " << k;
        EXPECT_NEAR(ours[k].t, expected[k].t, 1e-7) << solid.name << " stop " << k;
      }
    }
    for (std::size_t k = 0; k < ours.size(); ++k) {
      const Polyhedron m = morph.at(ours[k].t);
      expectSoundSolid(m, solid.name + " at its stop " + std::to_string(k));
      const Polyhedron& stopSolid = test::embeddedSolid(ours[k].candidate).geometry;
      EXPECT_EQ(m.vertices.size(), stopSolid.vertices.size()) << solid.name << " stop " << k;
      EXPECT_EQ(m.faces.size(), stopSolid.faces.size()) << solid.name << " stop " << k;
      if (ours[k].t > 0.0 && ours[k].t < 1.0) ++interior;
    }
    // Every path starts at its solid and ends at its catalogue dual.
    ASSERT_GE(ours.size(), 2u) << solid.name;
    EXPECT_EQ(ours.front().t, 0.0);
    EXPECT_EQ(ours.front().candidate, solid.position);
    EXPECT_EQ(ours.back().t, 1.0);
  }
  // The five Platonic paths pass three solids each on the way.
  EXPECT_EQ(interior, 15);
}

TEST(DualMorph, HalfwayTheVerticesAreTheTouchingPointsOnTheMidsphere) {
  for (const Solid& solid : test::embeddedSolids()) {
    const DualMorph morph(solid.geometry);
    const Polyhedron half = morph.at(0.5);
    std::vector<Vec3> touch = morph.touchPoints();
    ASSERT_EQ(half.vertices.size(), touch.size()) << solid.name;
    for (const Vec3& v : half.vertices) {
      EXPECT_NEAR(norm(v), 1.0, 1e-5) << solid.name;
      const auto nearest = std::min_element(
          touch.begin(), touch.end(), [&](Vec3 a, Vec3 b) { return norm(a - v) < norm(b - v); });
      EXPECT_LT(norm(*nearest - v), 1e-5) << solid.name;
    }
  }
}

TEST(DualMorph, TheScaleRunsGeometricallyAndBack) {
  const DualMorph morph(test::embeddedSolid(1).geometry);
  // Cube at midradius 1: corners at distance sqrt(3/2), face planes at sqrt(1/2).
  EXPECT_NEAR(morph.s0(), 1.5, 1e-6);
  EXPECT_NEAR(morph.s1(), 0.5, 1e-6);
  EXPECT_NEAR(morph.scaleAt(0.25), std::sqrt(1.5), 1e-6);
  EXPECT_DOUBLE_EQ(morph.scaleAt(0.5), 1.0);
  EXPECT_NEAR(morph.scaleAt(0.75), std::sqrt(0.5), 1e-6);
  for (const double t : {0.0, 0.1, 0.4, 0.5, 0.7, 1.0})
    EXPECT_NEAR(morph.parameterOf(morph.scaleAt(t)), t, 1e-12);
  EXPECT_EQ(morph.scaleAt(-1.0), morph.scaleAt(0.0));
  EXPECT_EQ(morph.scaleAt(2.0), morph.scaleAt(1.0));
}

TEST(DualMorph, ASolidWithoutAMidsphereIsRefused) {
  Polyhedron box = test::embeddedSolid(1).geometry;
  for (Vec3& v : box.vertices)
    v.z *= 2.0;  // a cuboid: its edges lie at two distances from the centre
  EXPECT_THROW(DualMorph{box}, EInvalidSolid);
  Polyhedron open = test::embeddedSolid(1).geometry;
  open.faces.pop_back();
  EXPECT_THROW(DualMorph{open}, EInvalidSolid);
}

TEST(MorphSolid, KeepsTheFarthestVertexAndNamesTheStops) {
  const Solid& cube = test::embeddedSolid(1);
  const DualMorph morph(cube.geometry);
  const std::vector<SolidStop> stops = morphStops(morph, test::embeddedSolids());
  ASSERT_EQ(stops.size(), 5u);
  const auto farthest = [](const Polyhedron& p) {
    double r = 0.0;
    for (const Vec3& v : p.vertices)
      r = std::max(r, norm(v));
    return r;
  };
  for (const double t : {0.2, 0.5, 0.9}) {
    const Solid m = morphedSolid(cube, morph, t, stops);
    EXPECT_NEAR(farthest(m.geometry), farthest(cube.geometry), 1e-12);
  }
  const Solid cuboctahedron = morphedSolid(cube, morph, stops[2].t, stops);
  EXPECT_EQ(cuboctahedron.name, "Kuboktaeder");
  EXPECT_EQ(cuboctahedron.position, 12);
  EXPECT_EQ(cuboctahedron.type, -1);
  const Solid between = morphedSolid(cube, morph, 0.4, stops);
  EXPECT_EQ(between.position, -1);
  EXPECT_FALSE(between.family.has_value());
  EXPECT_NE(between.name.find("t = 0,40"), std::string::npos) << between.name;
}

}  // namespace
}  // namespace velkora
