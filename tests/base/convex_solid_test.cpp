// The convex-solid check: every catalogue solid passes with its faces turned
// outward, whatever the corner order it is given in; broken solids fail with
// the message that names the fault. Orientation, normals and the edge count
// are held against the test's own triple products and Euler's formula.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "base/convex_solid.h"
#include "base/errors.h"
#include "model/polyhedron.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora::test {
namespace {

struct Triple {
  double x, y, z;
};
Triple difference(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
// The volume form (a x b) . c, written out.
double tripleProduct(Triple a, Triple b, Triple c) {
  return (a.y * b.z - a.z * b.y) * c.x + (a.z * b.x - a.x * b.z) * c.y +
         (a.x * b.y - a.y * b.x) * c.z;
}

Polyhedron cube(double half) {
  Polyhedron p;
  for (int k = 0; k < 8; ++k) {
    p.vertices.push_back({(k & 1) ? half : -half, (k & 2) ? half : -half, (k & 4) ? half : -half});
  }
  // Outward, counter-clockwise seen from outside.
  p.faces = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
  return p;
}

TEST(ConvexSolid, TurnsEveryCatalogueFaceOutwardWhateverItsGivenOrder) {
  std::mt19937 random(20261209);
  for (int position = 0; position < 31; ++position) {
    const Polyhedron solid = test::embeddedSolid(position).geometry;
    const ConvexSolid asGiven = checkConvexSolid(solid.vertices, solid.faces);
    Polyhedron shuffled = solid;
    std::vector<bool> reversedByTest(solid.faces.size());
    for (std::size_t f = 0; f < shuffled.faces.size(); ++f) {
      reversedByTest[f] = random() % 2 == 1;
      if (reversedByTest[f]) {
        std::reverse(shuffled.faces[f].begin(), shuffled.faces[f].end());
      }
    }
    const ConvexSolid checked = checkConvexSolid(shuffled.vertices, shuffled.faces);

    Vec3 centre;
    for (const Vec3& p : solid.vertices)
      centre = centre + p;
    centre = centre / static_cast<double>(solid.vertices.size());
    ASSERT_EQ(checked.faces.size(), solid.faces.size());
    for (std::size_t f = 0; f < checked.faces.size(); ++f) {
      const auto& face = checked.faces[f];
      const auto& given = shuffled.faces[f];
      EXPECT_EQ(face.front(), given.front()) << position << " face " << f;
      EXPECT_TRUE(std::is_permutation(face.begin(), face.end(), given.begin(), given.end()));
      EXPECT_EQ(checked.turned[f], asGiven.turned[f] != reversedByTest[f]) << position;
      const Vec3& a = solid.vertices[static_cast<std::size_t>(face[0])];
      const Vec3& b = solid.vertices[static_cast<std::size_t>(face[1])];
      const Vec3& c = solid.vertices[static_cast<std::size_t>(face[2])];
      const Triple ab = difference(b, a);
      const Triple ac = difference(c, a);
      EXPECT_GT(tripleProduct(ab, ac, difference(a, centre)), 0.0) << position << " face " << f;
      // The normal is the unit vector along ab x ac.
      const Vec3& n = checked.normals[f];
      const double along = tripleProduct(ab, ac, {n.x, n.y, n.z});
      const double area = std::sqrt(tripleProduct(
          ab, ac,
          {ab.y * ac.z - ab.z * ac.y, ab.z * ac.x - ab.x * ac.z, ab.x * ac.y - ab.y * ac.x}));
      EXPECT_NEAR(along / area, 1.0, 1e-9) << position << " face " << f;
    }
    EXPECT_EQ(checked.edgeCount, static_cast<int>(solid.vertices.size() + solid.faces.size()) - 2)
        << "Euler, position " << position;
  }
}

// The problem the check reports for a solid, or "" when it passes; the
// throwing and the reporting form must agree.
std::string problemOf(const Polyhedron& p) {
  std::vector<std::span<const int>> faces(p.faces.begin(), p.faces.end());
  ConvexSolid solid;
  std::string problem;
  const bool ok = tryConvexSolid(p.vertices, faces, kConvexTolerance, solid, problem);
  EXPECT_EQ(ok, problem.empty());
  try {
    checkConvexSolid(p.vertices, p.faces);
    EXPECT_TRUE(ok) << "threw nothing, reported " << problem;
  } catch (const EInvalidSolid& error) {
    EXPECT_EQ(problem, error.what());
  }
  return problem;
}

TEST(ConvexSolid, NamesTheFirstFaultOfABrokenSolid) {
  struct Case {
    const char* what;
    Polyhedron solid;
    const char* message;
  };
  std::vector<Case> cases;
  const auto add = [&](const char* what, auto change, const char* message) {
    Polyhedron p = cube(1.0);
    change(p);
    cases.push_back({what, p, message});
  };
  add(
      "too few faces", [](Polyhedron& p) { p.faces.resize(3); }, "umschließt keinen Raum");
  add(
      "no number", [](Polyhedron& p) { p.vertices[6].z = std::numeric_limits<double>::infinity(); },
      "Ecke 6 hat eine Koordinate");
  add(
      "two corners",
      [](Polyhedron& p) {
        p.faces[1] = {4, 5};
      },
      "Fläche 1 hat weniger als 3 Ecken");
  add(
      "index", [](Polyhedron& p) { p.faces[2][3] = 8; },
      "Fläche 2: Ecke 8 liegt außerhalb 0 bis 7");
  add(
      "repeat",
      [](Polyhedron& p) {
        p.faces[3] = {2, 6, 2, 3};
      },
      "Fläche 3: Ecke 2 kommt zweimal vor");
  add(
      "same point", [](Polyhedron& p) { p.vertices[7] = p.vertices[6]; },
      "die Ecken 7 und 6 liegen aufeinander");
  add(
      "flat",
      [](Polyhedron& p) {
        for (Vec3& v : p.vertices)
          v.z *= 1e-9;
      },
      "Fläche 0 hat keine Fläche");
  add(
      "dent", [](Polyhedron& p) { p.vertices[0] = 0.75 * p.vertices[0]; }, "nicht konvex");
  add(
      "open", [](Polyhedron& p) { p.faces.pop_back(); }, "gehört nur zu einer Fläche");
  add(
      "doubled", [](Polyhedron& p) { p.faces.push_back(p.faces.front()); },
      "in derselben Richtung");
  add(
      "loose point",
      [](Polyhedron& p) {
        p.vertices.push_back({0.1, 0.0, 0.0});
      },
      "Ecke 8 liegt an weniger als 3 Kanten");
  for (const Case& c : cases) {
    const std::string problem = problemOf(c.solid);
    EXPECT_NE(problem.find(c.message), std::string::npos)
        << c.what << ": expected \"" << c.message << "\", got \"" << problem << "\"";
  }
  EXPECT_EQ(problemOf(cube(1.0)), "");
}

TEST(ConvexSolid, ToleranceGrowsWithTheSolid) {
  for (const double size : {1e-3, 1.0, 1e3}) {
    // A corner pushed out by 1e-8 of the size: rounding, and accepted.
    Polyhedron rounded = cube(size);
    rounded.vertices[7].x += 1e-8 * size;
    EXPECT_EQ(problemOf(rounded), "") << size;
    // By 1e-4 of the size: its faces are bent beyond the catalogue's digits.
    Polyhedron bent = cube(size);
    bent.vertices[7].x += 1e-4 * size;
    EXPECT_NE(problemOf(bent).find("nicht konvex"), std::string::npos) << size;
  }
}

}  // namespace
}  // namespace velkora::test
