// The kaleidoscope's snub (the hull of the generator's copies under the
// rotations alone) held against a reference made here: the family's triangle
// from the axes of its own solids, the rotation group generated from the
// turns about those axes, the snub's stop solved from the three edge lengths,
// and the hull of the orbit by brute force (tests/reference). Measures are
// compared scale-free (volume / R^3, area / R^2), the solids themselves by
// a congruence that keeps or reverses the hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "kaleidoscope/kaleidoscope_solid.h"
#include "kaleidoscope/wythoff.h"
#include "tests/reference/polytope_reference.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora {
namespace {

using reference::Mat3;

constexpr double kPhi = std::numbers::phi;

// The snub stops as tests/reference/snub_and_jitterbug_constants.py solves
// them (Newton's method in Python on the three edge lengths), weights of the
// unit corners in the program's order: A the axis of the first corner solid's
// vertices, B an edge's middle, C a face's centre.
constexpr std::array<double, 3> kSnubT{0.368508151340326, 0.262983697319347, 0.368508151340326};
// O with A the 4-fold axis (octahedron first); with A the 3-fold axis the
// first and last weights trade places.
constexpr std::array<double, 3> kSnubOWithFourFoldA{0.345911489891988, 0.265968707162779,
                                                    0.388119802945233};
// I with A the 5-fold axis (icosahedron first); likewise traded otherwise.
constexpr std::array<double, 3> kSnubIWithFiveFoldA{0.314827687762824, 0.275643417683562,
                                                    0.409528894553614};

// A family's triangle as made here: unit corners in the program's order
// A, B, C and the order of the rotation axis through each.
struct Triangle {
  std::array<Vec3, 3> corners;
  std::array<int, 3> orders{};
  std::vector<Mat3> rotations;  // the family's rotation group, generated here
};

int rotationCount(WythoffFamily family) {
  switch (family) {
    case WythoffFamily::T:
      return 12;
    case WythoffFamily::O:
      return 24;
    case WythoffFamily::I:
      return 60;
  }
  return 0;
}

// The vertex count of the program's solid at a corner of the triangle: the
// orbit of an n-fold axis under the N rotations has N / n points, so it
// tells the order of the axis at that corner.
int programCornerVertexCount(const Kaleidoscope& kaleidoscope, int corner) {
  WythoffWeights w{0.0, 0.0, 0.0};
  (corner == 0 ? w.a : corner == 1 ? w.b : w.c) = 1.0;
  return static_cast<int>(kaleidoscope.solid(w).vertices.size());
}

// The triangle of family. Its axes: T the tetrahedron (1,1,1), (1,-1,-1),
// (-1,1,-1), (-1,-1,1) with a vertex, an edge's middle and a face's centre;
// O the cube's vertex (1,1,1), edge middle (1,0,1) and face centre (0,0,1);
// I the icosahedron (0, ±1, ±phi) cyclic with vertex (0,1,phi), edge middle
// (0,0,1) and face centre (phi, 0, 2 phi + 1). A and C of the program are
// matched to these by the orders that programCornerVertexCount tells.
Triangle triangleOf(WythoffFamily family, int orderA, int orderC) {
  struct Axis {
    Vec3 direction;
    int order = 0;
  };
  std::array<Axis, 3> axes{};
  switch (family) {
    case WythoffFamily::T:
      axes = {{{{1, 1, 1}, 3}, {{1, 0, 0}, 2}, {{1, 1, -1}, 3}}};
      break;
    case WythoffFamily::O:
      axes = {{{{1, 1, 1}, 3}, {{1, 0, 1}, 2}, {{0, 0, 1}, 4}}};
      break;
    case WythoffFamily::I:
      axes = {{{{0, 1, kPhi}, 5}, {{0, 0, 1}, 2}, {{kPhi, 0, 2 * kPhi + 1}, 3}}};
      break;
  }
  if (axes[0].order != orderA) std::swap(axes[0], axes[2]);
  Triangle t;
  for (size_t i = 0; i < 3; ++i) {
    t.corners[i] = normalized(axes[i].direction);
    t.orders[i] = axes[i].order;
  }
  EXPECT_EQ(t.orders[0], orderA);
  EXPECT_EQ(t.orders[2], orderC);
  std::vector<Mat3> turns;
  for (size_t i = 0; i < 3; ++i)
    turns.push_back(reference::rotationAbout(t.corners[i], 2 * std::numbers::pi / t.orders[i]));
  t.rotations = reference::generatedGroup(turns);
  return t;
}

Vec3 pointOf(const Triangle& t, std::array<double, 3> w) {
  return normalized(w[0] * t.corners[0] + w[1] * t.corners[1] + w[2] * t.corners[2]);
}

// The distance from p to its image under the turn by 2 pi / n about corner i:
// 2 sin(pi / n) times the distance of p from the axis.
double turnEdge(const Triangle& t, Vec3 p, size_t i) {
  const double along = dot(p, t.corners[i]);
  return 2 * std::sin(std::numbers::pi / t.orders[i]) * std::sqrt(std::max(0.0, 1 - along * along));
}

// The snub's stop: the weights at which the three turn edges are equal,
// by Newton's method from the triangle's middle (a numeric Jacobian).
std::array<double, 3> solveSnubStop(const Triangle& t) {
  auto residual = [&](double a, double b) {
    const Vec3 p = pointOf(t, {a, b, 1 - a - b});
    const double eb = turnEdge(t, p, 1);
    return std::array<double, 2>{turnEdge(t, p, 0) - eb, turnEdge(t, p, 2) - eb};
  };
  double a = 1.0 / 3;
  double b = 1.0 / 3;
  for (int step = 0; step < 100; ++step) {
    const auto r = residual(a, b);
    const double h = 1e-7;
    const auto ra = residual(a + h, b);
    const auto rb = residual(a, b + h);
    const double j00 = (ra[0] - r[0]) / h, j10 = (ra[1] - r[1]) / h;  // d/da
    const double j01 = (rb[0] - r[0]) / h, j11 = (rb[1] - r[1]) / h;  // d/db
    const double det = j00 * j11 - j01 * j10;
    const double da = (-r[0] * j11 + r[1] * j01) / det;
    const double db = (-r[1] * j00 + r[0] * j10) / det;
    a += da;
    b += db;
    if (std::abs(da) + std::abs(db) < 1e-15) break;
  }
  return {a, b, 1 - a - b};
}

// The snub's vertices made here: the rotation orbit of the point, or (hand
// -1) its point reflection, the mirror image.
std::vector<Vec3> orbitOf(const Triangle& t, std::array<double, 3> w, int hand) {
  const Vec3 p = pointOf(t, w);
  std::vector<Vec3> points;
  for (const Mat3& g : t.rotations)
    points.push_back(hand * (g * p));
  return points;
}

std::array<double, 3> normalisedWeightsOf(const WythoffWeights& w) {
  const double sum = w.a + w.b + w.c;
  return {w.a / sum, w.b / sum, w.c / sum};
}

// What a test needs of one family: the program's kaleidoscope, its stops under
// both hands, the triangle made here and the snub stop solved here.
struct Family {
  WythoffFamily family;
  Kaleidoscope kaleidoscope;
  std::vector<KaleidoscopeStop> stops;
  std::vector<KaleidoscopeStop> mirroredStops;
  Triangle triangle;
  std::array<double, 3> snub;
};

Family familyOf(WythoffFamily family) {
  const Kaleidoscope kaleidoscope(family);
  const int n = rotationCount(family);
  const int orderA = n / programCornerVertexCount(kaleidoscope, 0);
  const int orderC = n / programCornerVertexCount(kaleidoscope, 2);
  Triangle triangle = triangleOf(family, orderA, orderC);
  const auto snub = solveSnubStop(triangle);
  return {family,
          kaleidoscope,
          kaleidoscopeStops(kaleidoscope, test::embeddedSolids(), WythoffCopies::Rotations),
          kaleidoscopeStops(kaleidoscope, test::embeddedSolids(), WythoffCopies::MirroredRotations),
          triangle,
          snub};
}

const std::array<WythoffFamily, 3> kFamilies{WythoffFamily::T, WythoffFamily::O, WythoffFamily::I};

// Weights between the stops; (0.3, 0.4, 0.3) is on the line where A and C
// weigh the same, which for T gives a snub with a point reflection among its
// symmetries (an achiral one), for O and I an ordinary chiral one.
const std::vector<std::array<double, 3>> kBetweenStops{
    {0.5, 0.3, 0.2}, {0.2, 0.2, 0.6}, {0.3, 0.4, 0.3}};

std::string traceOf(WythoffFamily family, std::array<double, 3> w) {
  return std::string(1, wythoffLetter(family)) + " (" + std::to_string(w[0]) + ", " +
         std::to_string(w[1]) + ", " + std::to_string(w[2]) + ")";
}

// The interior stop of the list: the one with every weight above zero.
const KaleidoscopeStop* interiorStop(const std::vector<KaleidoscopeStop>& stops) {
  const KaleidoscopeStop* found = nullptr;
  int count = 0;
  for (const auto& s : stops) {
    if (s.weights.a > 1e-9 && s.weights.b > 1e-9 && s.weights.c > 1e-9) {
      found = &s;
      ++count;
    }
  }
  EXPECT_EQ(count, 1) << "one stop inside the triangle";
  return found;
}

// The hull made here, its combinatorics checked to be far from changing.
Polyhedron referenceHull(const Triangle& t, std::array<double, 3> w, int hand) {
  double margin = 0;
  const auto points = orbitOf(t, w, hand);
  Polyhedron hull = reference::bruteForceHull(points, 1e-9, 1e-9, &margin);
  EXPECT_GT(margin, 1e-4) << "the reference hull is near a change of its faces";
  return hull;
}

void expectSameMeasures(const Polyhedron& program, const Polyhedron& mine) {
  const auto p = reference::measure(program);
  const auto m = reference::measure(mine);
  EXPECT_EQ(p.vertices, m.vertices);
  EXPECT_EQ(static_cast<int>(program.vertices.size()), m.vertices) << "vertices held, used or not";
  EXPECT_EQ(p.edges, m.edges);
  EXPECT_EQ(p.faces, m.faces);
  EXPECT_EQ(p.facesBySides, m.facesBySides);
  EXPECT_NEAR(p.volumeOverR3, m.volumeOverR3, 2e-5);
  EXPECT_NEAR(p.areaOverR2, m.areaOverR2, 2e-5);
  const auto pk = reference::faceKindsBySymmetry(program, 1e-6);
  const auto mk = reference::faceKindsBySymmetry(mine, 1e-6);
  EXPECT_EQ(reference::kindCount(pk), reference::kindCount(mk));
  EXPECT_EQ(reference::kindSizes(pk), reference::kindSizes(mk));
}

bool hasProperCongruence(const Polyhedron& a, const Polyhedron& b) {
  const auto all = reference::congruences(a, b, 1e-6);
  return std::any_of(all.begin(), all.end(), [](const auto& g) { return g.proper; });
}

bool hasImproperCongruence(const Polyhedron& a, const Polyhedron& b) {
  const auto all = reference::congruences(a, b, 1e-6);
  return std::any_of(all.begin(), all.end(), [](const auto& g) { return !g.proper; });
}

// --- The reference itself, against closed forms -----------------------------

TEST(SnubReferenceSelfCheck, RotationGroupsHaveTheirOrders) {
  for (WythoffFamily f : kFamilies) {
    const Family family = familyOf(f);
    EXPECT_EQ(static_cast<int>(family.triangle.rotations.size()), rotationCount(f))
        << wythoffLetter(f);
    for (const Mat3& g : family.triangle.rotations)
      EXPECT_NEAR(reference::determinant(g), 1.0, 1e-9);
  }
}

TEST(SnubReferenceSelfCheck, StopAgreesWithTheScriptAndHasEqualEdges) {
  for (WythoffFamily f : kFamilies) {
    const Family family = familyOf(f);
    std::array<double, 3> expected = f == WythoffFamily::T   ? kSnubT
                                     : f == WythoffFamily::O ? kSnubOWithFourFoldA
                                                             : kSnubIWithFiveFoldA;
    if ((f == WythoffFamily::O && family.triangle.orders[0] != 4) ||
        (f == WythoffFamily::I && family.triangle.orders[0] != 5))
      std::swap(expected[0], expected[2]);
    for (size_t i = 0; i < 3; ++i)
      EXPECT_NEAR(family.snub[i], expected[i], 1e-11) << wythoffLetter(f);
    const auto m = reference::measure(referenceHull(family.triangle, family.snub, 1));
    EXPECT_NEAR(m.edgeMaxOverR - m.edgeMinOverR, 0.0, 1e-12) << wythoffLetter(f);
  }
}

// The snubs' known shapes: the icosahedron, the snub cube (3^4.4), the snub
// dodecahedron (3^4.5), and the same counts between the stops; the face kinds
// by closed form: the faces about each kind of axis, and the triangles
// between them, one orbit of the rotations.
TEST(SnubReferenceSelfCheck, HullsHaveTheKnownCountsAndKinds) {
  struct Expected {
    int v, e, f;
    std::map<int, int> sides;
    std::vector<int> kindsAtStop, kindsBetween, kindsBetweenEqualAC;
  };
  const std::map<WythoffFamily, Expected> expected{
      {WythoffFamily::T, {12, 30, 20, {{3, 20}}, {20}, {4, 4, 12}, {8, 12}}},
      {WythoffFamily::O, {24, 60, 38, {{3, 32}, {4, 6}}, {6, 8, 24}, {6, 8, 24}, {6, 8, 24}}},
      {WythoffFamily::I,
       {60, 150, 92, {{3, 80}, {5, 12}}, {12, 20, 60}, {12, 20, 60}, {12, 20, 60}}}};
  for (WythoffFamily f : kFamilies) {
    const Family family = familyOf(f);
    const Expected& x = expected.at(f);
    std::vector<std::array<double, 3>> points{family.snub};
    points.insert(points.end(), kBetweenStops.begin(), kBetweenStops.end());
    for (const auto& w : points) {
      SCOPED_TRACE(traceOf(f, w));
      const Polyhedron hull = referenceHull(family.triangle, w, 1);
      const auto m = reference::measure(hull);
      EXPECT_EQ(m.vertices, x.v);
      EXPECT_EQ(m.edges, x.e);
      EXPECT_EQ(m.faces, x.f);
      EXPECT_EQ(m.facesBySides, x.sides);
      const auto kinds = reference::faceKindsBySymmetry(hull, 1e-6);
      const bool atStop = w == family.snub;
      const bool equalAC = w[0] == w[2];
      EXPECT_EQ(reference::kindSizes(kinds), atStop    ? x.kindsAtStop
                                             : equalAC ? x.kindsBetweenEqualAC
                                                       : x.kindsBetween);
      EXPECT_TRUE(reference::samePartition(kinds, reference::faceKindsByNeighbourhood(hull, 1e-6)));
      // Chiral exactly where no point reflection maps the orbit onto itself.
      const bool achiral = atStop ? f == WythoffFamily::T : f == WythoffFamily::T && equalAC;
      EXPECT_EQ(hasImproperCongruence(hull, hull), achiral);
    }
  }
}

// --- The program's triangle and generator ------------------------------------

TEST(SnubReference, ProgramTriangleHasTheCornersAnglesOfTheFamily) {
  for (WythoffFamily f : kFamilies) {
    const Family family = familyOf(f);
    SCOPED_TRACE(wythoffLetter(f));
    const auto& program = family.kaleidoscope.corners();
    const auto& mine = family.triangle.corners;
    EXPECT_EQ(family.kaleidoscope.order(), 2 * rotationCount(f));
    EXPECT_EQ(programCornerVertexCount(family.kaleidoscope, 1), rotationCount(f) / 2)
        << "B an edge's middle";
    for (size_t i = 0; i < 3; ++i) {
      EXPECT_NEAR(norm(program[i]), 1.0, 1e-12);
      const size_t j = (i + 1) % 3;
      EXPECT_NEAR(dot(program[i], program[j]), dot(mine[i], mine[j]), 1e-12)
          << "corners " << i << ", " << j;
    }
  }
}

TEST(SnubReference, GeneratorIsTheNormalisedWeightedSumOfTheCorners) {
  for (WythoffFamily f : kFamilies) {
    const Kaleidoscope k(f);
    for (const auto& w : kBetweenStops) {
      const auto& c = k.corners();
      const Vec3 expected = normalized(w[0] * c[0] + w[1] * c[1] + w[2] * c[2]);
      const Vec3 got = k.generator({w[0], w[1], w[2]});
      EXPECT_NEAR(norm(got - expected), 0.0, 1e-12) << traceOf(f, w);
    }
  }
}

// --- The snub's stop -----------------------------------------------------------

TEST(SnubReference, ProgramSnubStopHasTheWeightsSolvedHere) {
  for (WythoffFamily f : kFamilies) {
    const Family family = familyOf(f);
    for (const auto* stops : {&family.stops, &family.mirroredStops}) {
      const KaleidoscopeStop* stop = interiorStop(*stops);
      ASSERT_NE(stop, nullptr) << wythoffLetter(f);
      const auto w = normalisedWeightsOf(stop->weights);
      for (size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(w[i], family.snub[i], 1e-6) << wythoffLetter(f) << " weight " << i;
    }
  }
}

// The stop names the catalogue solid of the snub's shape: the icosahedron for
// T, the two snub solids for O and I (counted here, not named).
TEST(SnubReference, ProgramSnubStopIsTheCatalogueSolidOfItsShape) {
  for (WythoffFamily f : kFamilies) {
    const Family family = familyOf(f);
    const KaleidoscopeStop* stop = interiorStop(family.stops);
    ASSERT_NE(stop, nullptr);
    ASSERT_GE(stop->position, 0);
    ASSERT_LT(stop->position, static_cast<int>(test::embeddedSolids().size()));
    const Solid& catalogue = test::embeddedSolids()[static_cast<size_t>(stop->position)];
    EXPECT_EQ(stop->name, catalogue.name);
    const auto mine = reference::measure(referenceHull(family.triangle, family.snub, 1));
    const auto theirs = reference::measure(catalogue.geometry);
    EXPECT_EQ(theirs.vertices, mine.vertices) << catalogue.name;
    EXPECT_EQ(theirs.faces, mine.faces) << catalogue.name;
    EXPECT_EQ(theirs.facesBySides, mine.facesBySides) << catalogue.name;
    const Solid solid = kaleidoscopeSolid(family.kaleidoscope, stop->weights, family.stops,
                                          WythoffCopies::Rotations);
    EXPECT_EQ(solid.name, catalogue.name);
    EXPECT_EQ(solid.position, stop->position);
  }
}

// --- The program's snub solids against the hulls made here ----------------------

// The hand of the catalogue's snub solids among the two hands made here: +1
// when the rotation orbit of the triangle's own point has it, -1 when its
// mirror image does. Found from the catalogue solid at the program's stop.
int catalogueHand(const Family& family) {
  const KaleidoscopeStop* stop = interiorStop(family.stops);
  if (stop == nullptr) return 0;
  const Polyhedron& catalogue =
      test::embeddedSolids()[static_cast<size_t>(stop->position)].geometry;
  const Polyhedron mine = referenceHull(family.triangle, family.snub, 1);
  const auto all = reference::congruences(mine, catalogue, 1e-4);
  const bool proper = std::any_of(all.begin(), all.end(), [](const auto& g) { return g.proper; });
  const bool improper =
      std::any_of(all.begin(), all.end(), [](const auto& g) { return !g.proper; });
  EXPECT_NE(proper, improper) << "the catalogue's snub solid is chiral and of one hand";
  return proper ? 1 : -1;
}

TEST(SnubReference, ProgramSnubSolidsHaveTheMeasuresOfTheHullsMadeHere) {
  for (WythoffFamily f : kFamilies) {
    const Family family = familyOf(f);
    std::vector<std::array<double, 3>> points{family.snub};
    points.insert(points.end(), kBetweenStops.begin(), kBetweenStops.end());
    for (const auto& w : points) {
      SCOPED_TRACE(traceOf(f, w));
      const Polyhedron mine = referenceHull(family.triangle, w, 1);
      for (auto copies : {WythoffCopies::Rotations, WythoffCopies::MirroredRotations}) {
        const auto& stops =
            copies == WythoffCopies::Rotations ? family.stops : family.mirroredStops;
        const Solid solid =
            kaleidoscopeSolid(family.kaleidoscope, {w[0], w[1], w[2]}, stops, copies);
        SCOPED_TRACE(copies == WythoffCopies::Rotations ? "rotations" : "mirrored rotations");
        expectSameMeasures(solid.geometry, mine);
        for (Vec3 v : solid.geometry.vertices)
          EXPECT_NEAR(norm(v), 1.0, 1e-9) << "on the unit sphere";
      }
    }
  }
}

// The program's snub of the rotations has the catalogue's hand wherever the
// solid is chiral (for O and I, found at the stop from the catalogue; for T,
// whose stop is the achiral icosahedron, one hand for all weights), and its
// mirrored form the other.
TEST(SnubReference, ProgramSnubSolidsHaveTheirHand) {
  for (WythoffFamily f : kFamilies) {
    const Family family = familyOf(f);
    int hand = f == WythoffFamily::T ? 0 : catalogueHand(family);
    std::vector<std::array<double, 3>> points{family.snub};
    points.insert(points.end(), kBetweenStops.begin(), kBetweenStops.end());
    for (const auto& w : points) {
      SCOPED_TRACE(traceOf(f, w));
      const Polyhedron mine = referenceHull(family.triangle, w, 1);
      const bool chiral = !hasImproperCongruence(mine, mine);
      const Solid rotations = kaleidoscopeSolid(family.kaleidoscope, {w[0], w[1], w[2]},
                                                family.stops, WythoffCopies::Rotations);
      const Solid mirrored =
          kaleidoscopeSolid(family.kaleidoscope, {w[0], w[1], w[2]}, family.mirroredStops,
                            WythoffCopies::MirroredRotations);
      EXPECT_TRUE(hasImproperCongruence(rotations.geometry, mirrored.geometry)) << "mirror images";
      EXPECT_EQ(hasProperCongruence(rotations.geometry, mirrored.geometry), !chiral);
      if (!chiral) {
        EXPECT_TRUE(hasProperCongruence(rotations.geometry, mine));
        continue;
      }
      if (hand == 0) hand = hasProperCongruence(rotations.geometry, mine) ? 1 : -1;
      const Polyhedron mineOfHand = referenceHull(family.triangle, w, hand);
      const Polyhedron mineOfOtherHand = referenceHull(family.triangle, w, -hand);
      EXPECT_TRUE(hasProperCongruence(rotations.geometry, mineOfHand)) << "hand " << hand;
      EXPECT_FALSE(hasProperCongruence(rotations.geometry, mineOfOtherHand)) << "hand " << hand;
      EXPECT_TRUE(hasProperCongruence(mirrored.geometry, mineOfOtherHand)) << "hand " << hand;
    }
  }
}

// At the stop the program's snub of the rotations is the catalogue's solid
// itself, hand included; its mirrored form is the mirror image.
TEST(SnubReference, ProgramSnubAtTheStopIsCongruentToTheCatalogueSolid) {
  for (WythoffFamily f : kFamilies) {
    const Family family = familyOf(f);
    const KaleidoscopeStop* stop = interiorStop(family.stops);
    ASSERT_NE(stop, nullptr);
    const Polyhedron& catalogue =
        test::embeddedSolids()[static_cast<size_t>(stop->position)].geometry;
    const Solid rotations = kaleidoscopeSolid(family.kaleidoscope, stop->weights, family.stops,
                                              WythoffCopies::Rotations);
    const auto all = reference::congruences(rotations.geometry, catalogue, 1e-4);
    EXPECT_TRUE(std::any_of(all.begin(), all.end(), [](const auto& g) { return g.proper; }))
        << wythoffLetter(f);
    const KaleidoscopeStop* mirroredStop = interiorStop(family.mirroredStops);
    ASSERT_NE(mirroredStop, nullptr);
    const Solid mirrored =
        kaleidoscopeSolid(family.kaleidoscope, mirroredStop->weights, family.mirroredStops,
                          WythoffCopies::MirroredRotations);
    const auto mirroredAll = reference::congruences(mirrored.geometry, catalogue, 1e-4);
    EXPECT_TRUE(std::any_of(mirroredAll.begin(), mirroredAll.end(), [](const auto& g) {
      return !g.proper;
    })) << wythoffLetter(f);
    if (f != WythoffFamily::T) {
      EXPECT_FALSE(std::any_of(mirroredAll.begin(), mirroredAll.end(),
                               [](const auto& g) { return g.proper; }))
          << wythoffLetter(f) << ": the mirrored snub has the other hand";
    }
  }
}

}  // namespace
}  // namespace velkora
