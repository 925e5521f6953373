// The reference morph against what is known of the dual morph without it: the ends are the solid
// and its dual, halfway every vertex lies on the midsphere, the paths of the cube, tetrahedron and
// dodecahedron meet their truncations and the solid halfway at t (and for the cube volumes) worked
// out by hand, and the path of a dual runs backwards. The solids are built here from textbook
// coordinates.

#include "tests/support/morph_reference.h"

#include <gtest/gtest.h>

#include "tests/support/canonical_form.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace velkora::reference {
namespace {

const double kRoot2 = std::sqrt(2.0);
const double kPhi = (1.0 + std::sqrt(5.0)) / 2.0;

// ---- Textbook solids: corner positions and the convex hull found by trying every plane through
// three corners.

std::vector<Vec3> withEverySign(std::vector<Vec3> points) {
  std::vector<Vec3> result;
  for (const Vec3& p : points) {
    for (int signs = 0; signs < 8; ++signs) {
      const Vec3 q{(signs & 1) ? -p.x : p.x, (signs & 2) ? -p.y : p.y, (signs & 4) ? -p.z : p.z};
      if (std::find(result.begin(), result.end(), q) == result.end()) result.push_back(q);
    }
  }
  return result;
}

std::vector<Vec3> cyclicShifts(const std::vector<Vec3>& points) {
  std::vector<Vec3> result;
  for (const Vec3& p : points) {
    for (const Vec3& q : {p, Vec3{p.y, p.z, p.x}, Vec3{p.z, p.x, p.y}}) {
      if (std::find(result.begin(), result.end(), q) == result.end()) result.push_back(q);
    }
  }
  return result;
}

std::vector<Vec3> everyOrder(const std::vector<Vec3>& points) {
  std::vector<Vec3> result = cyclicShifts(points);
  for (const Vec3& p : cyclicShifts(points)) {
    const Vec3 swapped{p.y, p.x, p.z};
    if (std::find(result.begin(), result.end(), swapped) == result.end()) {
      result.push_back(swapped);
    }
  }
  return result;
}

std::vector<Vec3> withEvenMinusSigns(const std::vector<Vec3>& points) {
  std::vector<Vec3> result;
  for (const Vec3& p : points) {
    if (p.x * p.y * p.z > 0.0) result.push_back(p);
  }
  return result;
}

// The convex hull of points around the origin: every plane through three of them with all points
// on one side is a face, its corners in counter-clockwise order seen from outside.
ReferenceMesh hullOf(const std::vector<Vec3>& points) {
  const double tolerance = 1e-9;
  ReferenceMesh mesh{points, {}};
  std::vector<Vec3> normals;
  const std::size_t n = points.size();
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      for (std::size_t k = j + 1; k < n; ++k) {
        Vec3 normal = cross(points[j] - points[i], points[k] - points[i]);
        if (norm(normal) < tolerance) continue;
        normal = normalized(normal);
        if (dot(normal, points[i]) < 0.0) normal = -normal;
        const double offset = dot(normal, points[i]);
        const bool supporting = std::all_of(points.begin(), points.end(), [&](Vec3 p) {
          return dot(normal, p) <= offset + tolerance;
        });
        const bool known = std::any_of(normals.begin(), normals.end(),
                                       [&](Vec3 m) { return norm(m - normal) < tolerance; });
        if (!supporting || known) continue;
        normals.push_back(normal);
        std::vector<int> corners;
        Vec3 centre;
        for (std::size_t c = 0; c < n; ++c) {
          if (std::abs(dot(normal, points[c]) - offset) <= tolerance) {
            corners.push_back(static_cast<int>(c));
            centre = centre + points[c];
          }
        }
        centre = centre / static_cast<double>(corners.size());
        const Vec3 u = normalized(points[corners.front()] - centre);
        const Vec3 w = cross(normal, u);
        const auto angle = [&](int c) {
          return std::atan2(dot(points[c] - centre, w), dot(points[c] - centre, u));
        };
        std::sort(corners.begin(), corners.end(),
                  [&](int a, int b) { return angle(a) < angle(b); });
        mesh.faces.push_back(corners);
      }
    }
  }
  return mesh;
}

enum Solid {
  kTetrahedron,
  kCube,
  kOctahedron,
  kDodecahedron,
  kIcosahedron,
  kTruncatedTetrahedron,
  kTruncatedCube,
  kTruncatedOctahedron,
  kCuboctahedron,
  kTruncatedDodecahedron,
  kTruncatedIcosahedron,
  kIcosidodecahedron,
  kRhombicDodecahedron,
  kSolidCount
};

std::vector<Vec3> cornersOf(Solid solid) {
  const double p = kPhi;
  switch (solid) {
    case kTetrahedron:
      return withEvenMinusSigns(withEverySign({{1, 1, 1}}));
    case kCube:
      return withEverySign({{1, 1, 1}});
    case kOctahedron:
      return cyclicShifts(withEverySign({{1, 0, 0}}));
    case kDodecahedron: {
      std::vector<Vec3> corners = withEverySign({{1, 1, 1}});
      for (const Vec3& v : cyclicShifts(withEverySign({{0, 1 / p, p}})))
        corners.push_back(v);
      return corners;
    }
    case kIcosahedron:
      return cyclicShifts(withEverySign({{0, 1, p}}));
    case kTruncatedTetrahedron:
      return withEvenMinusSigns(everyOrder(withEverySign({{3, 1, 1}})));
    case kTruncatedCube:
      return everyOrder(withEverySign({{kRoot2 - 1, 1, 1}}));
    case kTruncatedOctahedron:
      return everyOrder(withEverySign({{0, 1, 2}}));
    case kCuboctahedron:
      return everyOrder(withEverySign({{1, 1, 0}}));
    case kTruncatedDodecahedron:
      return cyclicShifts(withEverySign({{0, 1 / p, 2 + p}, {1 / p, p, 2 * p}, {p, 2, p + 1}}));
    case kTruncatedIcosahedron:
      return cyclicShifts(withEverySign({{0, 1, 3 * p}, {1, 2 + p, 2 * p}, {p, 2, p * p * p}}));
    case kIcosidodecahedron:
      return cyclicShifts(withEverySign({{0, 0, p}, {0.5, p / 2, p * p / 2}}));
    case kRhombicDodecahedron: {
      std::vector<Vec3> corners = withEverySign({{1, 1, 1}});
      for (const Vec3& v : cyclicShifts(withEverySign({{2, 0, 0}})))
        corners.push_back(v);
      return corners;
    }
    case kSolidCount:
      break;
  }
  return {};
}

const std::vector<ReferenceMesh>& solids() {
  static const std::vector<ReferenceMesh> all = [] {
    std::vector<ReferenceMesh> meshes;
    for (int s = 0; s < kSolidCount; ++s)
      meshes.push_back(hullOf(cornersOf(Solid(s))));
    return meshes;
  }();
  return all;
}

const ReferenceMesh& solid(Solid s) { return solids()[s]; }

const char* nameOf(int s) {
  static const char* const names[] = {"tetrahedron",         "cube",          "octahedron",
                                      "dodecahedron",        "icosahedron",   "trunc. tetra.",
                                      "truncated cube",      "trunc. octa.",  "cuboctahedron",
                                      "trunc. dodeca.",      "trunc. icosa.", "icosidodecahedron",
                                      "rhombic dodecahedron"};
  return names[s];
}

std::string describe(const std::vector<ReferenceStop>& stops) {
  std::string text;
  for (const ReferenceStop& stop : stops) {
    text += std::to_string(stop.t) + " " + nameOf(stop.candidate) + "; ";
  }
  return text;
}

void expectStops(const std::vector<ReferenceStop>& found, const std::vector<ReferenceStop>& want,
                 double tolerance = 1e-7) {
  ASSERT_EQ(found.size(), want.size()) << describe(found);
  for (std::size_t k = 0; k < want.size(); ++k) {
    EXPECT_EQ(found[k].candidate, want[k].candidate) << k << ": " << describe(found);
    EXPECT_NEAR(found[k].t, want[k].t, tolerance) << k << ": " << describe(found);
  }
}

// The solids of known paths with their duals (the rhombic dodecahedron has corners at two
// distances from the centre).
struct Pair {
  Solid solid;
  Solid dual;
};
const Pair kPairs[] = {{kTetrahedron, kTetrahedron},  {kCube, kOctahedron},
                       {kOctahedron, kCube},          {kDodecahedron, kIcosahedron},
                       {kIcosahedron, kDodecahedron}, {kRhombicDodecahedron, kCuboctahedron}};

// ---- The cube's path by hand. Scaled to midradius 1 the cube is [-a, a]^3 with a = 1/sqrt 2 and
// corners at distance^2 3/2, so s0 = 3/2; its faces are at distance a, so s1 = 1/2. The planes
// of s·D are ±x ±y ±z = s·sqrt 2.
// Truncated cube: the octagon edge 2(c − 2a) equals the triangle edge sqrt 2 (3a − c) for
// c = s sqrt 2, at s = (1 + sqrt 2)/2; its edge is then 2 − sqrt 2.
const double kTruncatedCubeT = (1.0 - std::log((1.0 + kRoot2) / 2.0) / std::log(1.5)) / 2.0;
// Truncated octahedron: the octahedron |x|+|y|+|z| <= s sqrt 2 (edge 2s) has its edges cut in
// three equal parts by x = a when s sqrt 2 = 3a/2, s = 3/4; its edge is then 1/2.
const double kTruncatedOctahedronT = (1.0 + std::log(0.75) / std::log(0.5)) / 2.0;
// Tetrahedron corners (1,1,1)... have midradius 1 as they are, s0 = 3; x+y+z = s cuts its edges
// in three equal parts at s = 5/3.
const double kTruncatedTetrahedronT = (1.0 - std::log(5.0 / 3.0) / std::log(3.0)) / 2.0;

// The dodecahedron at midradius 1 (edge e) has its corners at squared distance
// s0 = (2 sqrt 3 φ / (3 + sqrt 5))^2 and its faces at squared distance
// s1 = (2 sqrt((25 + 11 sqrt 5)/10) / (3 + sqrt 5))^2.
const double kDodecahedronS0 = std::pow(2.0 * std::sqrt(3.0) * kPhi / (3.0 + std::sqrt(5.0)), 2);
const double kDodecahedronS1 =
    std::pow(2.0 * std::sqrt((25.0 + 11.0 * std::sqrt(5.0)) / 10.0) / (3.0 + std::sqrt(5.0)), 2);
// Truncated dodecahedron: a pentagon corner cut x along each edge leaves decagon edges e − 2x and
// 2x sin 54°, equal for x/e = 1/(2 + φ); neighbouring corners make an angle with cosine sqrt 5 / 3,
// so the cut plane has s = s0 (1 − (x/e)(1 − sqrt 5 / 3)).
const double kTruncatedDodecahedronT =
    -std::log(1.0 - (1.0 - std::sqrt(5.0) / 3.0) / (2.0 + kPhi)) /
    (2.0 * std::log(kDodecahedronS0));
// Truncated icosahedron: s·D has its corners at s/d on the face normals (d^2 = s1), neighbours at
// cosine 1/sqrt 5; the face planes cut its edges in three equal parts at
// s = s1 · 3/(2 + 1/sqrt 5).
const double kTruncatedIcosahedronT =
    (1.0 +
     std::log(kDodecahedronS1 * 3.0 / (2.0 + 1.0 / std::sqrt(5.0))) / std::log(kDodecahedronS1)) /
    2.0;

TEST(MorphReference, EndsAreTheSolidAndItsDual) {
  for (const Pair& pair : kPairs) {
    const ReferenceMesh& p = solid(pair.solid);
    const MorphFacts start = morphFacts(p, 0.0);
    const MorphFacts end = morphFacts(p, 1.0);
    EXPECT_TRUE(similar(start, factsOf(p))) << nameOf(pair.solid);
    EXPECT_TRUE(similar(end, factsOf(solid(pair.dual)))) << nameOf(pair.solid);
    EXPECT_FALSE(similar(morphFacts(p, 0.01), start)) << nameOf(pair.solid);
    EXPECT_FALSE(similar(morphFacts(p, 0.99), end)) << nameOf(pair.solid);
  }
}

TEST(MorphReference, HalfwayEveryVertexLiesOnTheMidsphere) {
  for (const Pair& pair : kPairs) {
    const MorphFacts half = morphFacts(solid(pair.solid), 0.5);
    ASSERT_FALSE(half.points.empty());
    for (const Vec3& point : half.points)
      EXPECT_NEAR(norm(point), 1.0, 1e-9) << nameOf(pair.solid);
  }
}

TEST(MorphReference, CubePathMatchesClosedForms) {
  struct Expected {
    double t;
    int vertices, edges, faces;
    std::map<int, int> kinds;
    double volume, edge;
  };
  const double tc = 2.0 - kRoot2;
  const Expected expected[] = {
      {0.0, 8, 12, 6, {{4, 6}}, 2.0 * kRoot2, kRoot2},
      {kTruncatedCubeT,
       24,
       36,
       14,
       {{3, 8}, {8, 6}},
       (21.0 + 14.0 * kRoot2) / 3.0 * tc * tc * tc,
       tc},
      {0.5, 12, 24, 14, {{3, 8}, {4, 6}}, 5.0 * kRoot2 / 3.0, 1.0},
      {kTruncatedOctahedronT, 24, 36, 14, {{4, 6}, {6, 8}}, 8.0 * kRoot2 / 8.0, 0.5},
      {1.0, 6, 12, 8, {{3, 8}}, kRoot2 / 3.0, 1.0}};
  // The cube at any scale and corner order: edge 3 and faces turned inward.
  ReferenceMesh cube = solid(kCube);
  for (Vec3& v : cube.vertices)
    v = 1.5 * v;
  for (auto& face : cube.faces)
    std::reverse(face.begin(), face.end());
  for (const Expected& e : expected) {
    const MorphFacts facts = morphFacts(cube, e.t);
    EXPECT_EQ(facts.vertices, e.vertices) << e.t;
    EXPECT_EQ(facts.edges, e.edges) << e.t;
    EXPECT_EQ(facts.faces, e.faces) << e.t;
    EXPECT_EQ(facts.faceKinds, e.kinds) << e.t;
    EXPECT_NEAR(facts.volume, e.volume, 1e-9) << e.t;
    ASSERT_EQ(facts.edgeLengths.size(), static_cast<std::size_t>(e.edges));
    EXPECT_NEAR(facts.edgeLengths.front(), e.edge, 1e-9) << e.t;
    EXPECT_NEAR(facts.edgeLengths.back(), e.edge, 1e-9) << e.t;
  }
}

TEST(MorphReference, EulerHoldsAlongEveryPathAndPoseDoesNotMatter) {
  // A rotation about (1, 2, 2)/3 by an angle with cosine 0.6, and a scale of 7.
  const Vec3 axis{1.0 / 3.0, 2.0 / 3.0, 2.0 / 3.0};
  const double cosine = 0.6;
  const double sine = 0.8;
  const auto turn = [&](Vec3 v) {
    return 7.0 * (cosine * v + sine * cross(axis, v) + (1.0 - cosine) * dot(axis, v) * axis);
  };
  for (const Pair& pair : kPairs) {
    ReferenceMesh turned = solid(pair.solid);
    for (Vec3& v : turned.vertices)
      v = turn(v);
    for (int step = 0; step <= 20; ++step) {
      const double t = step / 20.0;
      const MorphFacts facts = morphFacts(solid(pair.solid), t);
      EXPECT_EQ(facts.vertices - facts.edges + facts.faces, 2) << nameOf(pair.solid) << " " << t;
      int corners = 0;
      for (const auto& [kind, count] : facts.faceKinds)
        corners += kind * count;
      EXPECT_EQ(corners, 2 * facts.edges) << nameOf(pair.solid) << " " << t;

      const MorphFacts other = morphFacts(turned, t);
      EXPECT_NEAR(other.volume, facts.volume, 1e-9) << nameOf(pair.solid) << " " << t;
      ASSERT_EQ(other.edgeLengths.size(), facts.edgeLengths.size());
      for (std::size_t k = 0; k < facts.edgeLengths.size(); ++k) {
        EXPECT_NEAR(other.edgeLengths[k], facts.edgeLengths[k], 1e-9);
      }
    }
  }
}

TEST(MorphReference, CubeAndTetrahedronPathsStopWhereWorkedOutByHand) {
  expectStops(morphStops(solid(kCube), solids()), {{0.0, kCube},
                                                   {kTruncatedCubeT, kTruncatedCube},
                                                   {0.5, kCuboctahedron},
                                                   {kTruncatedOctahedronT, kTruncatedOctahedron},
                                                   {1.0, kOctahedron}});
  expectStops(morphStops(solid(kTetrahedron), solids()),
              {{0.0, kTetrahedron},
               {kTruncatedTetrahedronT, kTruncatedTetrahedron},
               {0.5, kOctahedron},
               {1.0 - kTruncatedTetrahedronT, kTruncatedTetrahedron},
               {1.0, kTetrahedron}});
}

// M(t) of the dual is M(1 − t) of the solid, scaled: the path of a dual runs backwards. The
// dodecahedron's stops are worked out by hand above.
TEST(MorphReference, DualPathsRunBackwardsAndTheDodecahedronStopsWhereWorkedOut) {
  for (const Pair& pair : {Pair{kCube, kOctahedron}, Pair{kDodecahedron, kIcosahedron}}) {
    const std::vector<ReferenceStop> forward = morphStops(solid(pair.solid), solids());
    std::vector<ReferenceStop> backward = morphStops(solid(pair.dual), solids());
    std::reverse(backward.begin(), backward.end());
    for (ReferenceStop& stop : backward)
      stop.t = 1.0 - stop.t;
    ASSERT_EQ(forward.size(), 5u) << describe(forward);
    expectStops(backward, forward);
  }
  expectStops(morphStops(solid(kDodecahedron), solids()),
              {{0.0, kDodecahedron},
               {kTruncatedDodecahedronT, kTruncatedDodecahedron},
               {0.5, kIcosidodecahedron},
               {kTruncatedIcosahedronT, kTruncatedIcosahedron},
               {1.0, kIcosahedron}});
}

// Seven significant digits, as the catalogue holds its coordinates, and the centre off by as much.
ReferenceMesh roundedToSevenDigits(ReferenceMesh mesh) {
  const auto round = [](double x) { return std::round(x * 1e6) / 1e6; };
  for (Vec3& v : mesh.vertices)
    v = Vec3{round(v.x), round(v.y), round(v.z)} + Vec3{3e-7, -2e-7, 0};
  return mesh;
}

// At seven digits the corners of a face are off its plane by about 1e-7 and the edge lines miss
// the midsphere by as much: the refined solid has them all exact and the touching points centred,
// its corners stay where they were given, and the paths stop exactly where worked out by hand.
TEST(CanonicalForm, RestoresSolidsGivenToSevenDigits) {
  for (const Solid s :
       {kTetrahedron, kCube, kIcosahedron, kTruncatedIcosahedron, kRhombicDodecahedron}) {
    const ReferenceMesh given = roundedToSevenDigits(solid(s));
    const ReferenceMesh exact = canonicalForm(given);
    ASSERT_EQ(exact.vertices.size(), given.vertices.size());
    ASSERT_EQ(exact.faces, given.faces);
    Vec3 touchingSum;
    int touchingCount = 0;
    for (const auto& face : exact.faces) {
      Vec3 mean;
      for (const int corner : face)
        mean = mean + exact.vertices[corner];
      mean = mean / static_cast<double>(face.size());
      const Vec3 normal = normalized(cross(exact.vertices[face[1]] - exact.vertices[face[0]],
                                           exact.vertices[face[2]] - exact.vertices[face[0]]));
      for (std::size_t k = 0; k < face.size(); ++k) {
        const Vec3 a = exact.vertices[face[k]];
        const Vec3 b = exact.vertices[face[(k + 1) % face.size()]];
        EXPECT_NEAR(dot(a - mean, normal), 0.0, 1e-12) << nameOf(s);
        EXPECT_NEAR(norm(cross(a, b)) / norm(b - a), 1.0, 1e-12) << nameOf(s);
        // The foot of the origin on the edge line, every edge twice.
        touchingSum = touchingSum + a + (dot(-a, b - a) / dot(b - a, b - a)) * (b - a);
        ++touchingCount;
      }
    }
    EXPECT_LT(norm(touchingSum / touchingCount), 1e-12) << nameOf(s);
    // The given solid's scale, from one of its edges, which touch the sphere to 1e-6.
    const Vec3 a = given.vertices[given.faces[0][0]];
    const Vec3 b = given.vertices[given.faces[0][1]];
    const double midradius = norm(cross(a, b)) / norm(b - a);
    for (std::size_t v = 0; v < given.vertices.size(); ++v) {
      EXPECT_LT(norm(exact.vertices[v] - given.vertices[v] / midradius), 1e-5) << nameOf(s);
    }
  }
  expectStops(morphStops(canonicalForm(roundedToSevenDigits(solid(kTetrahedron))), solids()),
              {{0.0, kTetrahedron},
               {kTruncatedTetrahedronT, kTruncatedTetrahedron},
               {0.5, kOctahedron},
               {1.0 - kTruncatedTetrahedronT, kTruncatedTetrahedron},
               {1.0, kTetrahedron}},
              1e-9);
  expectStops(morphStops(canonicalForm(roundedToSevenDigits(solid(kIcosahedron))), solids()),
              {{0.0, kIcosahedron},
               {1.0 - kTruncatedIcosahedronT, kTruncatedIcosahedron},
               {0.5, kIcosidodecahedron},
               {1.0 - kTruncatedDodecahedronT, kTruncatedDodecahedron},
               {1.0, kDodecahedron}},
              1e-9);
}

TEST(MorphReference, RefusesBrokenInput) {
  ReferenceMesh broken = solid(kCube);
  broken.faces[2][1] = 8;
  EXPECT_THROW(morphFacts(broken, 0.5), EMorphReference);
  EXPECT_THROW(morphFacts(solid(kCube), 1.5), EMorphReference);
  EXPECT_THROW(morphFacts(solid(kCube), std::nan("")), EMorphReference);
  // Seven digits leave edges off the midsphere and faces bent by about 1e-7.
  EXPECT_THROW(morphFacts(roundedToSevenDigits(solid(kIcosahedron)), 0.5), EMorphReference);
  EXPECT_THROW(morphStops(roundedToSevenDigits(solid(kIcosahedron)), solids()), EMorphReference);
  EXPECT_NO_THROW(morphFacts(canonicalForm(roundedToSevenDigits(solid(kIcosahedron))), 0.5));
}

}  // namespace
}  // namespace velkora::reference
