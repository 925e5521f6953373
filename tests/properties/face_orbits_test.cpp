// Face kinds by symmetry on solids whose kinds geometry tells: the cube, the
// rhombicuboctahedron's two kinds of squares, the snub cube's two kinds of
// triangles in either hand, a box, a cube with one face cut in two; the same
// kinds at any size, pose and with repeated corners.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "base/rigid_motion.h"
#include "properties/face_orbits.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora {
namespace {

const Polyhedron& solidOfType(int type) {
  for (const Solid& solid : test::embeddedSolids()) {
    if (solid.type == type) return solid.geometry;
  }
  throw std::runtime_error("no solid of type " + std::to_string(type));
}

constexpr int kCube = 1;
constexpr int kSnubCube = 9;
constexpr int kRhombicuboctahedron = 8;

// (corners of the faces of the kind, faces of the kind) for every kind.
std::multiset<std::pair<std::size_t, int>> kindSizes(const Polyhedron& p, const FaceOrbits& o) {
  std::map<int, std::pair<std::size_t, int>> byKind;
  for (std::size_t f = 0; f < p.faces.size(); ++f) {
    auto& entry = byKind[o.kindOfFace[f]];
    entry.first = p.faces[f].size();
    ++entry.second;
  }
  std::multiset<std::pair<std::size_t, int>> sizes;
  for (const auto& [kind, entry] : byKind)
    sizes.insert(entry);
  return sizes;
}

// How many faces of each number of corners share an edge with face f.
std::map<std::size_t, int> neighbourSides(const Polyhedron& p, std::size_t f) {
  std::map<std::size_t, int> sides;
  const std::vector<int>& face = p.faces[f];
  for (std::size_t g = 0; g < p.faces.size(); ++g) {
    if (g == f) continue;
    int shared = 0;
    for (const int corner : p.faces[g])
      shared += std::count(face.begin(), face.end(), corner);
    if (shared == 2) ++sides[p.faces[g].size()];
  }
  return sides;
}

Polyhedron mirrored(Polyhedron p) {
  for (Vec3& v : p.vertices)
    v.x = -v.x;
  return p;
}

Polyhedron cube() {
  Polyhedron p;
  for (int k = 0; k < 8; ++k) {
    p.vertices.push_back({k & 1 ? 1.0 : -1.0, k & 2 ? 1.0 : -1.0, k & 4 ? 1.0 : -1.0});
  }
  // bottom, top, front, back, left, right
  p.faces = {{0, 1, 3, 2}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 3, 7, 5}};
  return p;
}

TEST(FaceOrbits, KindsAreNumberedByTheirFirstFace) {
  for (const int type : {kCube, kRhombicuboctahedron, kSnubCube, 11, 13, 24}) {
    const FaceOrbits o = faceOrbits(solidOfType(type));
    ASSERT_EQ(o.kindOfFace.size(), solidOfType(type).faces.size());
    int next = 0;
    for (const int kind : o.kindOfFace) {
      ASSERT_LE(kind, next) << "type " << type;
      if (kind == next) ++next;
    }
    EXPECT_EQ(next, o.kindCount) << "type " << type;
  }
}

TEST(FaceOrbits, CatalogueSolidsWithKindsThatGeometryTells) {
  const Polyhedron& cubeSolid = solidOfType(kCube);
  EXPECT_EQ(faceOrbits(cubeSolid).kindCount, 1);

  // Eight triangles, six squares between squares, twelve next to triangles.
  const Polyhedron& rhombi = solidOfType(kRhombicuboctahedron);
  const FaceOrbits r = faceOrbits(rhombi);
  EXPECT_EQ(r.kindCount, 3);
  EXPECT_EQ(kindSizes(rhombi, r),
            (std::multiset<std::pair<std::size_t, int>>{{3, 8}, {4, 6}, {4, 12}}));
  for (std::size_t f = 0; f < rhombi.faces.size(); ++f) {
    for (std::size_t g = 0; g < rhombi.faces.size(); ++g) {
      const bool alike = rhombi.faces[f].size() == rhombi.faces[g].size() &&
                         neighbourSides(rhombi, f) == neighbourSides(rhombi, g);
      EXPECT_EQ(r.kindOfFace[f] == r.kindOfFace[g], alike) << "faces " << f << ", " << g;
    }
  }

  // Eight triangles among triangles only, 24 next to a square, six squares.
  const Polyhedron& snub = solidOfType(kSnubCube);
  const FaceOrbits s = faceOrbits(snub);
  EXPECT_EQ(kindSizes(snub, s),
            (std::multiset<std::pair<std::size_t, int>>{{3, 8}, {3, 24}, {4, 6}}));
  // One kind for the triangles among triangles, another for those next to a
  // square: the kinds that counting sides alone puts together.
  std::map<bool, std::set<int>> triangleKinds;
  for (std::size_t f = 0; f < snub.faces.size(); ++f) {
    if (snub.faces[f].size() == 3) {
      triangleKinds[neighbourSides(snub, f)[4] == 0].insert(s.kindOfFace[f]);
    }
  }
  ASSERT_EQ(triangleKinds[true].size(), 1u);
  ASSERT_EQ(triangleKinds[false].size(), 1u);
  EXPECT_NE(*triangleKinds[true].begin(), *triangleKinds[false].begin());
}

TEST(FaceOrbits, TheSnubInTheOtherHandHasTheSameKinds) {
  const Polyhedron& snub = solidOfType(kSnubCube);
  EXPECT_EQ(faceOrbits(mirrored(snub)).kindOfFace, faceOrbits(snub).kindOfFace);
}

TEST(FaceOrbits, HandMadeSolids) {
  Polyhedron box = cube();
  for (Vec3& v : box.vertices)
    v = {v.x * 1.0, v.y * 2.0, v.z * 3.0};
  EXPECT_EQ(faceOrbits(box).kindOfFace, (std::vector<int>{0, 0, 1, 1, 2, 2}));

  // The top cut along a diagonal: the halves are one kind, the sides another
  // and the bottom a third, as the turn about the vertical axis by a half
  // and the two mirrors through the vertical axis along the diagonals keep the cut.
  Polyhedron cut = cube();
  cut.faces[1] = {4, 5, 7};
  cut.faces.push_back({4, 7, 6});
  EXPECT_EQ(faceOrbits(cut).kindOfFace, (std::vector<int>{0, 1, 2, 2, 2, 2, 1}));

  EXPECT_EQ(faceOrbits(Polyhedron{}).kindCount, 0);
}

TEST(FaceOrbits, SizePoseAndRepeatedCornersDoNotChangeTheKinds) {
  const Polyhedron& rhombi = solidOfType(kRhombicuboctahedron);
  const std::vector<int> kinds = faceOrbits(rhombi).kindOfFace;
  for (const double size : {1e-3, 1e3}) {
    Polyhedron moved = rhombi;
    const Rotation3 turn = axisRotation(normalized(Vec3{1.0, 2.0, 2.0}), 0.7);
    for (Vec3& v : moved.vertices) {
      v = size * (turn * v) + Vec3{7.0 * size, -3.0 * size, 0.5 * size};
    }
    EXPECT_EQ(faceOrbits(moved).kindOfFace, kinds) << "size " << size;
  }
  // Each corner listed twice, the faces using the copies in turn.
  Polyhedron twice = rhombi;
  const int n = static_cast<int>(rhombi.vertices.size());
  twice.vertices.insert(twice.vertices.end(), rhombi.vertices.begin(), rhombi.vertices.end());
  for (std::size_t f = 0; f < twice.faces.size(); f += 2) {
    for (int& corner : twice.faces[f])
      corner += n;
  }
  EXPECT_EQ(faceOrbits(twice).kindOfFace, kinds);

  // A small dent in one corner leaves fewer symmetries: more kinds.
  Polyhedron dented = rhombi;
  dented.vertices[0] = 0.98 * dented.vertices[0];
  EXPECT_GT(faceOrbits(dented).kindCount, 3);
}

}  // namespace
}  // namespace velkora
