// The kaleidoscope held against the brute-force reference: counts, face
// kinds, volume and area at the corners, on the sides and inside for all
// three families; the stops equal their catalogue solids; near a side and at
// the corners no duplicate vertices and no slivers.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "base/convex_solid.h"
#include "kaleidoscope/kaleidoscope_solid.h"
#include "kaleidoscope/wythoff.h"
#include "tests/support/embedded_catalogue.h"
#include "tests/support/wythoff_reference.h"

namespace velkora {
namespace {

reference::ReferenceFamily referenceOf(WythoffFamily family) {
  return family == WythoffFamily::T   ? reference::ReferenceFamily::T
         : family == WythoffFamily::O ? reference::ReferenceFamily::O
                                      : reference::ReferenceFamily::I;
}

struct Measures {
  double volume = 0.0;
  double area = 0.0;
};

Measures measure(const Polyhedron& p) {
  Measures m;
  for (const std::vector<int>& face : p.faces) {
    const Vec3 a = p.vertices[static_cast<std::size_t>(face[0])];
    for (std::size_t i = 1; i + 1 < face.size(); ++i) {
      const Vec3 b = p.vertices[static_cast<std::size_t>(face[i])];
      const Vec3 c = p.vertices[static_cast<std::size_t>(face[i + 1])];
      m.volume += dot(a, cross(b, c)) / 6.0;
      m.area += norm(cross(b - a, c - a)) / 2.0;
    }
  }
  return m;
}

std::map<int, int> kindsOf(const Polyhedron& p) {
  std::map<int, int> kinds;
  for (const auto& face : p.faces)
    ++kinds[static_cast<int>(face.size())];
  return kinds;
}

void expectSound(const Polyhedron& p, const std::string& where) {
  ConvexSolid checked;
  std::string problem;
  const std::vector<std::span<const int>> faces(p.faces.begin(), p.faces.end());
  EXPECT_TRUE(tryConvexSolid(p.vertices, faces, 1e-9, checked, problem)) << where << problem;
  for (std::size_t i = 0; i < p.vertices.size(); ++i) {
    EXPECT_NEAR(norm(p.vertices[i]), 1.0, 1e-12) << where;
    for (std::size_t j = i + 1; j < p.vertices.size(); ++j)
      EXPECT_GT(norm(p.vertices[i] - p.vertices[j]), 1e-9) << where << " duplicate vertex";
  }
}

constexpr WythoffFamily kFamilies[] = {WythoffFamily::T, WythoffFamily::O, WythoffFamily::I};

TEST(Kaleidoscope, FollowsTheReferenceAtCornersOnSidesAndInside) {
  const WythoffWeights places[] = {{1, 0, 0},         {0, 1, 0},         {0, 0, 1},
                                   {0.3, 0.7, 0},     {0, 0.2, 0.8},     {0.55, 0, 0.45},
                                   {0.2, 0.3, 0.5},   {0.6, 0.25, 0.15}, {0.01, 0.98, 0.01},
                                   {0.999, 0.001, 0}, {0.001, 0, 0.999}, {1e-6, 1 - 2e-6, 1e-6}};
  for (const WythoffFamily family : kFamilies) {
    const Kaleidoscope kaleidoscope(family);
    EXPECT_EQ(kaleidoscope.order(), reference::groupOrder(referenceOf(family)));
    for (const WythoffWeights w : places) {
      const std::string where = std::string(1, wythoffLetter(family)) + " at " +
                                std::to_string(w.a) + "," + std::to_string(w.b) + "," +
                                std::to_string(w.c);
      const Polyhedron p = kaleidoscope.solid(w);
      const reference::WythoffFacts facts =
          reference::wythoffFacts(referenceOf(family), w.a, w.b, w.c);
      EXPECT_EQ(static_cast<int>(p.vertices.size()), facts.vertices) << where;
      EXPECT_EQ(static_cast<int>(edgesOf(p.faces).size()), facts.edges) << where;
      EXPECT_EQ(static_cast<int>(p.faces.size()), facts.faces) << where;
      EXPECT_EQ(kindsOf(p), facts.faceKinds) << where;
      const Measures m = measure(p);
      EXPECT_NEAR(m.volume, facts.volume, 1e-9) << where;
      EXPECT_NEAR(m.area, facts.area, 1e-9) << where;
      expectSound(p, where);
    }
  }
}

TEST(Kaleidoscope, EveryStopIsItsCatalogueSolidAndTheReferencesStop) {
  int stops = 0;
  for (const WythoffFamily family : kFamilies) {
    const Kaleidoscope kaleidoscope(family);
    const std::vector<KaleidoscopeStop> ours =
        kaleidoscopeStops(kaleidoscope, test::embeddedSolids());
    const std::vector<reference::ReferenceWythoffStop> expected =
        reference::wythoffStops(referenceOf(family));
    ASSERT_EQ(ours.size(), expected.size());
    for (std::size_t k = 0; k < ours.size(); ++k) {
      EXPECT_NEAR(ours[k].weights.a, expected[k].a, 1e-9);
      EXPECT_NEAR(ours[k].weights.b, expected[k].b, 1e-9);
      EXPECT_NEAR(ours[k].weights.c, expected[k].c, 1e-9);
      const Polyhedron& catalogue = test::embeddedSolid(ours[k].position).geometry;
      EXPECT_EQ(static_cast<int>(catalogue.vertices.size()), expected[k].facts.vertices)
          << ours[k].name;
      EXPECT_EQ(static_cast<int>(catalogue.faces.size()), expected[k].facts.faces) << ours[k].name;
      // Up to scale: every edge of the stop's solid as long as the others.
      const std::vector<double>& edges = expected[k].facts.edgeLengths;
      EXPECT_NEAR(edges.front() / edges.back(), 1.0, 1e-9) << ours[k].name;
      ++stops;
    }
  }
  EXPECT_EQ(stops, 21);
}

TEST(Kaleidoscope, WeightsAreCheckedAndNormalised) {
  EXPECT_FALSE(normalisedWeights(0, 0, 0).has_value());
  EXPECT_FALSE(normalisedWeights(-1, 1, 1).has_value());
  EXPECT_FALSE(normalisedWeights(NAN, 1, 1).has_value());
  EXPECT_FALSE(normalisedWeights(INFINITY, 1, 1).has_value());
  const WythoffWeights w = *normalisedWeights(2, 1, 1);
  EXPECT_DOUBLE_EQ(w.a, 0.5);
  EXPECT_DOUBLE_EQ(w.b + w.c, 0.5);
  EXPECT_EQ(wythoffFamilyOf("o"), WythoffFamily::O);
  EXPECT_FALSE(wythoffFamilyOf("OO").has_value());
  EXPECT_FALSE(wythoffFamilyOf("").has_value());
}

}  // namespace
}  // namespace velkora
