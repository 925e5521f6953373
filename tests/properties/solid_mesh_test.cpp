// The measuring core on hand-made solids: faces oriented by geometry whatever
// their corner order, broken surfaces rejected, configurations in their
// smallest form, symmetry counted, equal values grouped.
#include <gtest/gtest.h>

#include <cmath>

#include "base/errors.h"
#include "model/solid_catalogue.h"
#include "properties/configuration.h"
#include "properties/measures.h"
#include "properties/properties.h"
#include "properties/solid_mesh.h"
#include "properties/symmetry.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora {
namespace {

// A box of sides a, b, c round the origin; every other face listed clockwise.
Polyhedron box(double a, double b, double c) {
  Polyhedron p;
  for (int k = 0; k < 8; ++k) {
    p.vertices.push_back(
        {(k & 1 ? 0.5 : -0.5) * a, (k & 2 ? 0.5 : -0.5) * b, (k & 4 ? 0.5 : -0.5) * c});
  }
  p.faces = {{0, 1, 3, 2}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 3, 7, 5}};
  return p;
}

TEST(SolidMesh, OrientsEveryFaceOutwardWhateverTheCornerOrder) {
  const SolidMesh mesh = buildSolidMesh(box(1.0, 2.0, 3.0));
  for (std::size_t f = 0; f < mesh.faces.size(); ++f) {
    Vec3 centre;
    for (const int c : mesh.faces[f])
      centre = centre + mesh.points[static_cast<std::size_t>(c)];
    EXPECT_GT(dot(mesh.faceNormals[f], centre), 0.0) << "face " << f;
  }
  const MeshMeasures m = measureMesh(mesh);
  EXPECT_NEAR(m.volume, 6.0, 1e-12);
  EXPECT_NEAR(m.surfaceArea, 2.0 * (2.0 + 3.0 + 6.0), 1e-12);
  EXPECT_EQ(mesh.edgeCount(), 12);
  for (const double angle : m.dihedralAngles)
    EXPECT_NEAR(angle, 90.0, 1e-9);
}

TEST(SolidMesh, PointsAreTakenFromTheCentreOfTheVertices) {
  Polyhedron moved = box(2.0, 2.0, 2.0);
  for (Point3& v : moved.vertices)
    v.x += 5.0;
  const MeshMeasures m = measureMesh(buildSolidMesh(moved));
  EXPECT_NEAR(m.volume, 8.0, 1e-12);
  for (const double d : m.faceDistances)
    EXPECT_NEAR(d, 1.0, 1e-12);
}

TEST(SolidMesh, RejectsSurfacesThatDoNotClose) {
  Polyhedron open = box(1, 1, 1);
  open.faces.pop_back();
  EXPECT_THROW(buildSolidMesh(open), EInvalidSolid);

  Polyhedron twice = box(1, 1, 1);
  twice.faces.push_back(twice.faces.front());
  EXPECT_THROW(buildSolidMesh(twice), EInvalidSolid);

  Polyhedron outOfRange = box(1, 1, 1);
  outOfRange.faces[2][1] = 8;
  EXPECT_THROW(buildSolidMesh(outOfRange), EInvalidSolid);

  Polyhedron repeated = box(1, 1, 1);
  repeated.faces[0] = {0, 1, 1, 2};
  EXPECT_THROW(buildSolidMesh(repeated), EInvalidSolid);

  Polyhedron collapsed = box(1, 1, 1);
  collapsed.vertices[7] = collapsed.vertices[6];
  EXPECT_THROW(buildSolidMesh(collapsed), EInvalidSolid);

  Polyhedron flat = box(1, 1, 0);
  EXPECT_THROW(buildSolidMesh(flat), EInvalidSolid);

  Polyhedron tiny;
  tiny.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
  tiny.faces = {{0, 1, 2}, {0, 2, 1}};
  EXPECT_THROW(buildSolidMesh(tiny), EInvalidSolid);

  // Two cubes touching at one vertex do not close into one convex surface.
  Polyhedron pinched = box(1, 1, 1);
  const Polyhedron other = box(1, 1, 1);
  for (const Point3& v : other.vertices)
    pinched.vertices.push_back({v.x + 1, v.y + 1, v.z + 1});
  for (auto face : other.faces) {
    for (int& c : face)
      c = (c == 0) ? 7 : c + 8;
    pinched.faces.push_back(face);
  }
  EXPECT_THROW(buildSolidMesh(pinched), EInvalidSolid);
}

TEST(Configuration, SmallestRotationOrReflection) {
  EXPECT_EQ(canonicalCycle({4, 3, 4, 3}), "3.4.3.4");
  EXPECT_EQ(canonicalCycle({4, 8, 6}), "4.6.8");
  EXPECT_EQ(canonicalCycle({4, 3, 3, 3, 3}), "3.3.3.3.4");
  EXPECT_EQ(canonicalCycle({10, 10, 3}), "3.10.10");
  EXPECT_EQ(canonicalCycle({4, 5, 4, 3}), "3.4.5.4");
  EXPECT_EQ(canonicalCycle({5}), "5");
}

TEST(Symmetry, BoxesAndAnIrregularTetrahedron) {
  const Symmetry box123 = symmetryOf(buildSolidMesh(box(1, 2, 3)), 1e-9);
  EXPECT_EQ(box123.rotations, 4);
  EXPECT_TRUE(box123.reflections);
  EXPECT_EQ(box123.order, 8);

  const Symmetry cube = symmetryOf(buildSolidMesh(box(2, 2, 2)), 1e-9);
  EXPECT_EQ(cube.group, "Oh");
  EXPECT_EQ(cube.order, 48);

  Polyhedron lopsided;
  lopsided.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 2, 0}, {0, 0, 3}};
  lopsided.faces = {{0, 1, 2}, {0, 1, 3}, {0, 2, 3}, {1, 2, 3}};
  const Symmetry s = symmetryOf(buildSolidMesh(lopsided), 1e-9);
  EXPECT_EQ(s.rotations, 1);
  EXPECT_FALSE(s.reflections);
}

// The convex hull of the cyclic permutations of (0, +-1, +-b): twenty
// triangles, found by brute force. For b = golden ratio the icosahedron (Ih);
// otherwise only the 12 rotations of the tetrahedron, mirror planes and the
// inversion remain (Th).
Polyhedron pseudoIcosahedron(double b) {
  Polyhedron p;
  for (const double s : {-1.0, 1.0}) {
    for (const double t : {-b, b}) {
      p.vertices.push_back({0.0, s, t});
      p.vertices.push_back({s, t, 0.0});
      p.vertices.push_back({t, 0.0, s});
    }
  }
  const int n = static_cast<int>(p.vertices.size());
  const auto vec = [&](int i) {
    const Point3& q = p.vertices[static_cast<std::size_t>(i)];
    return Vec3{q.x, q.y, q.z};
  };
  for (int i = 0; i < n; ++i) {
    for (int j = i + 1; j < n; ++j) {
      for (int k = j + 1; k < n; ++k) {
        const Vec3 normal = cross(vec(j) - vec(i), vec(k) - vec(i));
        int above = 0;
        int below = 0;
        for (int m = 0; m < n; ++m) {
          const double side = dot(normal, vec(m) - vec(i));
          above += side > 1e-9;
          below += side < -1e-9;
        }
        if (above == 0 || below == 0) p.faces.push_back({i, j, k});
      }
    }
  }
  return p;
}

TEST(Symmetry, PyritohedralAndIcosahedralHulls) {
  const Polyhedron pyrito = pseudoIcosahedron(1.5);
  ASSERT_EQ(pyrito.faces.size(), 20u);
  const Symmetry th = symmetryOf(buildSolidMesh(pyrito), 1e-9);
  EXPECT_EQ(th.rotations, 12);
  EXPECT_TRUE(th.inversion);
  EXPECT_EQ(th.group, "Th");
  EXPECT_EQ(th.order, 24);
  const Symmetry ih =
      symmetryOf(buildSolidMesh(pseudoIcosahedron((1.0 + std::sqrt(5.0)) / 2.0)), 1e-9);
  EXPECT_EQ(ih.group, "Ih");
  EXPECT_EQ(ih.order, 120);
}

TEST(Symmetry, TheSnubCubeAndItsMirrorImageAreNotSuperposable) {
  const SolidMesh snub = buildSolidMesh(test::embeddedSolid(6).geometry);
  Polyhedron mirror;
  for (const Vec3& p : snub.points)
    mirror.vertices.push_back({p.x, p.y, -p.z});
  mirror.faces = snub.faces;
  EXPECT_EQ(countRotations(buildSolidMesh(mirror), snub, 1e-5, false), 0);
  EXPECT_EQ(countRotations(snub, snub, 1e-5, false), 24);
  EXPECT_EQ(countIsometries(snub, snub, true, 1e-5, false), 0);
  // The mirror image is the snub cube's one reflection away: 24 rotary reflections.
  EXPECT_EQ(countIsometries(buildSolidMesh(mirror), snub, true, 1e-5, false), 24);
}

TEST(Measures, GroupingAllowsTheCataloguesRoundingOnly) {
  const auto groups = groupValues({2.0, 1.0 + 5e-7, 1.0, 1.0 - 5e-7});
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0].count, 3);
  EXPECT_NEAR(groups[0].value, 1.0, 1e-15);
  EXPECT_EQ(groups[1].count, 1);
  EXPECT_EQ(groupValues({1.0, 1.001}).size(), 2u);
  EXPECT_FALSE(commonValue({1.0, 1.001}).has_value());
  EXPECT_FALSE(commonValue({}).has_value());
  EXPECT_DOUBLE_EQ(*commonValue({1.0, 1.0 + 2e-7}), 1.0 + 1e-7);
}

TEST(Properties, UnknownPositionIsRejected) {
  EXPECT_THROW(readSolid(test::embeddedTexts(), 31), ESolidNotFound);
  EXPECT_THROW(readSolid(test::embeddedTexts(), -1), ESolidNotFound);
}

}  // namespace
}  // namespace velkora
