// The face kinds (faces one symmetry maps onto another) of the 31 catalogue
// solids and of a few others, held against references made here
// (tests/reference): the partition by a search of every congruence of the
// solid onto itself, cross-checked against a partition found without any
// symmetry (each face's cyclic neighbourhood refined until stable) and
// against the kinds the solids have by their known symmetry (a table below,
// keyed by the counts of faces by sides).

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "jitterbug/jitterbug_solid.h"
#include "kaleidoscope/kaleidoscope_solid.h"
#include "kaleidoscope/wythoff.h"
#include "properties/face_orbits.h"
#include "tests/reference/polytope_reference.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora {
namespace {

// Relative tolerance of the references on the catalogue's coordinates.
constexpr double kTolerance = 1e-6;

using Sides = std::map<int, int>;  // number of sides -> number of faces

struct KnownKinds {
  std::vector<int> sizes;  // ascending
  int symmetries = 0;      // the order of the solid's symmetry group, reflections included
};

// The kinds by what is known of the solids: a Platonic or Catalan solid has
// one kind (its faces are all alike); an Archimedean solid one kind per
// number of sides, except the rhombicuboctahedron, whose squares are 6 on the
// 4-fold axes and 12 on the 2-fold ones, and the two snub solids, whose
// triangles are 8 (or 20) on the 3-fold axes and 24 (or 60) between. The
// group: 24 for the tetrahedral three (tetrahedron, truncated tetrahedron,
// triakis tetrahedron) and for the snub cube and its dual, 60 for the snub
// dodecahedron and its dual, 120 for a solid with a 5-fold axis (a pentagon,
// a decagon, or a vertex where 5 or 10 faces meet), else 48.
KnownKinds knownKinds(const Polyhedron& solid) {
  const auto m = reference::measure(solid);
  const Sides& sides = m.facesBySides;
  std::map<int, int> degrees;  // vertex -> faces at it
  for (const auto& face : solid.faces)
    for (int v : face)
      ++degrees[v];
  bool fiveFold = sides.contains(5) || sides.contains(10);
  for (const auto& [v, d] : degrees)
    fiveFold = fiveFold || d == 5 || d == 10;
  KnownKinds k;
  if (sides == Sides{{3, 8}, {4, 18}}) {
    k.sizes = {6, 8, 12};
  } else if (sides == Sides{{3, 32}, {4, 6}}) {
    k.sizes = {6, 8, 24};
  } else if (sides == Sides{{3, 80}, {5, 12}}) {
    k.sizes = {12, 20, 60};
  } else {
    for (const auto& [n, count] : sides)
      k.sizes.push_back(count);
    std::sort(k.sizes.begin(), k.sizes.end());
  }
  const bool tetrahedral =
      sides == Sides{{3, 4}} || sides == Sides{{3, 4}, {6, 4}} || sides == Sides{{3, 12}};
  const bool snubO = sides == Sides{{3, 32}, {4, 6}} || sides == Sides{{5, 24}};
  const bool snubI = sides == Sides{{3, 80}, {5, 12}} || sides == Sides{{5, 60}};
  k.symmetries = tetrahedral || snubO ? 24 : snubI ? 60 : fiveFold ? 120 : 48;
  return k;
}

std::string describe(std::span<const int> kinds) {
  std::string text = std::to_string(reference::kindCount(kinds)) + " kinds:";
  for (int size : reference::kindSizes(kinds))
    text += " " + std::to_string(size);
  return text;
}

// The program's kinds against the symmetry search made here on the same
// faces: the same number, the same sizes, the same partition.
void expectProgramKinds(const Polyhedron& solid, const std::vector<int>& mine,
                        const std::string& what) {
  SCOPED_TRACE(what);
  const FaceOrbits theirs = faceOrbits(solid);
  ASSERT_EQ(theirs.kindOfFace.size(), solid.faces.size());
  for (int k : theirs.kindOfFace) {
    EXPECT_GE(k, 0);
    EXPECT_LT(k, theirs.kindCount);
  }
  EXPECT_EQ(reference::kindCount(theirs.kindOfFace), theirs.kindCount) << "every kind has a face";
  EXPECT_EQ(theirs.kindCount, reference::kindCount(mine));
  EXPECT_EQ(reference::kindSizes(theirs.kindOfFace), reference::kindSizes(mine))
      << "program " << describe(theirs.kindOfFace) << ", reference " << describe(mine);
  EXPECT_TRUE(reference::samePartition(theirs.kindOfFace, mine)) << "the same faces together";
}

// --- The references on the catalogue, against each other and the known table ---

TEST(FaceOrbitsReferenceSelfCheck, CatalogueKindsAgreeWithTheKnownSymmetry) {
  for (const Solid& solid : test::embeddedSolids()) {
    SCOPED_TRACE(solid.name);
    const KnownKinds known = knownKinds(solid.geometry);
    const auto symmetries = reference::congruences(solid.geometry, solid.geometry, kTolerance);
    EXPECT_EQ(static_cast<int>(symmetries.size()), known.symmetries);
    const auto bySymmetry = reference::faceKindsBySymmetry(solid.geometry, kTolerance);
    const auto byNeighbourhood = reference::faceKindsByNeighbourhood(solid.geometry, kTolerance);
    EXPECT_EQ(reference::kindSizes(bySymmetry), known.sizes);
    EXPECT_TRUE(reference::samePartition(bySymmetry, byNeighbourhood))
        << "symmetry " << describe(bySymmetry) << ", neighbourhood " << describe(byNeighbourhood);
  }
}

// --- The program's face kinds -------------------------------------------------

TEST(FaceOrbitsReference, CatalogueSolidsHaveTheKindsOfTheSymmetrySearch) {
  const auto& solids = test::embeddedSolids();
  ASSERT_EQ(solids.size(), 31u);
  for (const Solid& solid : solids) {
    const auto mine = reference::faceKindsBySymmetry(solid.geometry, kTolerance);
    expectProgramKinds(solid.geometry, mine, solid.name + " (" + describe(mine) + ")");
  }
}

// A catalogue solid's faces given in another order and each starting at
// another corner: the kinds follow the faces.
TEST(FaceOrbitsReference, KindsFollowTheFacesWhenTheirOrderChanges) {
  for (const Solid& solid : test::embeddedSolids()) {
    Polyhedron shuffled = solid.geometry;
    std::reverse(shuffled.faces.begin(), shuffled.faces.end());
    for (size_t f = 0; f < shuffled.faces.size(); ++f)
      std::rotate(shuffled.faces[f].begin(),
                  shuffled.faces[f].begin() + static_cast<long>(f % shuffled.faces[f].size()),
                  shuffled.faces[f].end());
    const auto mine = reference::faceKindsBySymmetry(shuffled, kTolerance);
    expectProgramKinds(shuffled, mine, solid.name + " reordered");
  }
}

// Snubs between the stops, both hands: chiral (no reflection maps them onto
// themselves); for T two kinds of four triangles (about the two kinds of
// 3-fold axis), alike in size but joined by no rotation; for T at equal
// weights of A and C a snub whose point reflection joins them into one kind
// of eight.
TEST(FaceOrbitsReference, SnubsBetweenTheStops) {
  struct Case {
    WythoffFamily family;
    WythoffWeights weights;
    std::vector<int> sizes;
  };
  const std::vector<Case> cases{{WythoffFamily::O, {0.5, 0.3, 0.2}, {6, 8, 24}},
                                {WythoffFamily::I, {0.2, 0.2, 0.6}, {12, 20, 60}},
                                {WythoffFamily::T, {0.5, 0.3, 0.2}, {4, 4, 12}},
                                {WythoffFamily::T, {0.3, 0.4, 0.3}, {8, 12}}};
  for (const Case& c : cases) {
    const Kaleidoscope k(c.family);
    for (auto copies : {WythoffCopies::Rotations, WythoffCopies::MirroredRotations}) {
      const auto stops = kaleidoscopeStops(k, test::embeddedSolids(), copies);
      const Solid solid = kaleidoscopeSolid(k, c.weights, stops, copies);
      const auto mine = reference::faceKindsBySymmetry(solid.geometry, kTolerance);
      EXPECT_EQ(reference::kindSizes(mine), c.sizes) << solid.name;
      EXPECT_TRUE(reference::samePartition(
          mine, reference::faceKindsByNeighbourhood(solid.geometry, kTolerance)))
          << solid.name;
      expectProgramKinds(solid.geometry, mine, solid.name);
    }
  }
}

// A kaleidoscope solid of the reflections between the stops: the faces about
// the three kinds of axis, three kinds.
TEST(FaceOrbitsReference, ReflectionSolidBetweenTheStops) {
  const Kaleidoscope k(WythoffFamily::O);
  const auto stops = kaleidoscopeStops(k, test::embeddedSolids());
  const Solid solid = kaleidoscopeSolid(k, {0.25, 0.25, 0.5}, stops);
  const auto mine = reference::faceKindsBySymmetry(solid.geometry, kTolerance);
  EXPECT_EQ(reference::kindSizes(mine), (std::vector<int>{6, 8, 12}));
  expectProgramKinds(solid.geometry, mine, solid.name);
}

// The jitterbug between its stops: the eight turning triangles and the twelve
// others, two kinds (its group of 24 has the reflections in the axis planes).
TEST(FaceOrbitsReference, JitterbugBetweenTheStops) {
  const auto stops = jitterbugStops(test::embeddedSolids());
  const Solid& start = jitterbugStart(test::embeddedSolids(), stops);
  for (double j : {0.15, 0.6}) {
    const Solid solid = jitterbugSolid(start, j, stops);
    const auto mine = reference::faceKindsBySymmetry(solid.geometry, kTolerance);
    EXPECT_EQ(reference::kindSizes(mine), (std::vector<int>{8, 12})) << j;
    EXPECT_EQ(reference::congruences(solid.geometry, solid.geometry, kTolerance).size(), 24u) << j;
    expectProgramKinds(solid.geometry, mine, solid.name);
  }
}

// A cube with a square pyramid on its top: its bottom square is as large as
// the four sides, but no symmetry maps it onto one of them, so alike faces are
// not yet one kind: 1 bottom, 4 sides, 4 triangles.
TEST(FaceOrbitsReference, AlikeFacesThatNoSymmetryJoins) {
  std::vector<Vec3> points{{0, 0, 1.7}};
  for (double x : {-1.0, 1.0})
    for (double y : {-1.0, 1.0})
      for (double z : {-1.0, 1.0})
        points.push_back({x, y, z});
  const Polyhedron solid = reference::bruteForceHull(points);
  ASSERT_EQ(solid.faces.size(), 9u);
  const auto mine = reference::faceKindsBySymmetry(solid, kTolerance);
  EXPECT_EQ(reference::kindSizes(mine), (std::vector<int>{1, 4, 4}));
  EXPECT_TRUE(
      reference::samePartition(mine, reference::faceKindsByNeighbourhood(solid, kTolerance)));
  expectProgramKinds(solid, mine, "cube with a pyramid");
}

// A box of three different edges: its faces in three pairs.
TEST(FaceOrbitsReference, BoxOfThreeEdges) {
  std::vector<Vec3> points;
  for (double x : {-1.0, 1.0})
    for (double y : {-2.0, 2.0})
      for (double z : {-3.0, 3.0})
        points.push_back({x, y, z});
  const Polyhedron solid = reference::bruteForceHull(points);
  const auto mine = reference::faceKindsBySymmetry(solid, kTolerance);
  EXPECT_EQ(reference::kindSizes(mine), (std::vector<int>{2, 2, 2}));
  expectProgramKinds(solid, mine, "box 2 x 4 x 6");
}

}  // namespace
}  // namespace velkora
