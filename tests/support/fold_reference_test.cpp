// The fold reference against what is known of a folding net without it: a unit cube's cross net
// worked out by hand (flat, halfway and closed), and on every catalogue solid with random spanning
// trees: faces stay rigid and joined at their hinges, the root stays put, the closed net is the
// solid, and (on the solids made exact) each hinge opens linearly from the solid's dihedral angle
// to 180 degrees and the flat net lies in the root's plane with every face's outer side up.

#include "tests/support/fold_reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <queue>
#include <random>
#include <string>
#include <vector>

#include "tests/support/canonical_form.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora::test {
namespace {

using Faces = std::vector<std::vector<int>>;
using Folds = std::vector<std::pair<int, int>>;

RefPoint minus(RefPoint a, RefPoint b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double dotOf(RefPoint a, RefPoint b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
RefPoint crossOf(RefPoint a, RefPoint b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double distance(RefPoint a, RefPoint b) { return std::sqrt(dotOf(minus(a, b), minus(a, b))); }

// Newell's normal of a polygon (not normalised), along the side from which it runs
// counter-clockwise.
RefPoint newell(const std::vector<RefPoint>& polygon) {
  RefPoint n{0, 0, 0};
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const RefPoint c = crossOf(polygon[i], polygon[(i + 1) % polygon.size()]);
    n = {n.x + c.x, n.y + c.y, n.z + c.z};
  }
  return n;
}

struct TestSolid {
  std::string name;
  std::vector<RefPoint> vertices;
  Faces faces;
  double size = 1.0;  // largest distance of a corner from the first corner
};

TestSolid testSolid(const std::string& name, const std::vector<Vec3>& vertices,
                    const Faces& faces) {
  TestSolid result{name, {}, faces, 0.0};
  for (const Vec3& v : vertices)
    result.vertices.push_back({v.x, v.y, v.z});
  for (const RefPoint& v : result.vertices) {
    result.size = std::max(result.size, distance(v, result.vertices[0]));
  }
  return result;
}

// The catalogue solid as read, or made exact (flat faces to double precision): the catalogue's
// seven digits leave faces bent by up to 1.5e-7 of the size, which no flat net can follow.
TestSolid fromCatalogue(const Solid& solid, bool exact) {
  if (!exact) return testSolid(solid.name, solid.geometry.vertices, solid.geometry.faces);
  const reference::ReferenceMesh mesh =
      reference::canonicalForm({solid.geometry.vertices, solid.geometry.faces});
  return testSolid(solid.name, mesh.vertices, mesh.faces);
}

// +1 where a face's corners run counter-clockwise seen from outside, -1 where clockwise (the
// catalogue has both).
std::vector<double> windings(const TestSolid& solid) {
  RefPoint centre{0, 0, 0};
  for (const RefPoint& v : solid.vertices)
    centre = {centre.x + v.x, centre.y + v.y, centre.z + v.z};
  const double count = static_cast<double>(solid.vertices.size());
  centre = {centre.x / count, centre.y / count, centre.z / count};
  std::vector<double> result;
  for (const auto& face : solid.faces) {
    std::vector<RefPoint> polygon;
    for (int c : face)
      polygon.push_back(solid.vertices[static_cast<std::size_t>(c)]);
    result.push_back(dotOf(newell(polygon), minus(polygon[0], centre)) > 0 ? 1.0 : -1.0);
  }
  return result;
}

// The unit cube [0, 1]^3, faces counter-clockwise seen from outside: 0 bottom (z = 0), 1 top,
// 2 front (y = 0), 3 back, 4 left (x = 0), 5 right (x = 1).
TestSolid unitCube() {
  return {"unit cube",
          {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}},
          {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4}, {2, 3, 7, 6}, {0, 4, 7, 3}, {1, 2, 6, 5}},
          std::sqrt(3.0)};
}

// The cross net of the unit cube: the four sides around the bottom, the top on the right side.
const Folds kCubeCross = {{0, 2}, {0, 3}, {0, 4}, {0, 5}, {5, 1}};

// Corner index -> position within a face, or -1.
int slotOf(const std::vector<int>& face, int corner) {
  const auto it = std::find(face.begin(), face.end(), corner);
  return it == face.end() ? -1 : static_cast<int>(it - face.begin());
}

// The corners two faces share.
std::vector<int> sharedCorners(const std::vector<int>& a, const std::vector<int>& b) {
  std::vector<int> shared;
  for (int c : a) {
    if (slotOf(b, c) >= 0) shared.push_back(c);
  }
  return shared;
}

// Every pair of faces that share two corners.
Folds adjacentFaces(const Faces& faces) {
  Folds pairs;
  for (std::size_t i = 0; i < faces.size(); ++i) {
    for (std::size_t j = i + 1; j < faces.size(); ++j) {
      if (sharedCorners(faces[i], faces[j]).size() == 2) {
        pairs.emplace_back(static_cast<int>(i), static_cast<int>(j));
      }
    }
  }
  return pairs;
}

// A random spanning tree of the faces, grown from face `root` by random picks among the pairs
// that join a face of the tree to one outside it.
Folds randomTree(const Faces& faces, int root, std::mt19937& random) {
  const Folds pairs = adjacentFaces(faces);
  std::vector<bool> in(faces.size(), false);
  in[static_cast<std::size_t>(root)] = true;
  Folds tree;
  while (tree.size() + 1 < faces.size()) {
    Folds border;
    for (const auto& [a, b] : pairs) {
      if (in[static_cast<std::size_t>(a)] != in[static_cast<std::size_t>(b)]) {
        border.emplace_back(a, b);
      }
    }
    std::uniform_int_distribution<std::size_t> pick(0, border.size() - 1);
    const auto [a, b] = border[pick(random)];
    // The tree's face first, as a parent, for half of the picks only.
    tree.push_back(in[static_cast<std::size_t>(a)] == (tree.size() % 2 == 0) ? std::pair{a, b}
                                                                             : std::pair{b, a});
    in[static_cast<std::size_t>(a)] = in[static_cast<std::size_t>(b)] = true;
  }
  return tree;
}

// The angle between two faces at their hinge, 0..pi, from the corner of each farthest from the
// hinge line: the angle between those corners' offsets across the hinge.
double hingeAngle(const std::vector<RefPoint>& first, const std::vector<RefPoint>& second,
                  RefPoint a, RefPoint b) {
  const RefPoint along = minus(b, a);
  const double length2 = dotOf(along, along);
  auto across = [&](const std::vector<RefPoint>& face) {
    RefPoint best{0, 0, 0};
    for (const RefPoint& q : face) {
      const RefPoint d = minus(q, a);
      const double t = dotOf(d, along) / length2;
      const RefPoint off{d.x - t * along.x, d.y - t * along.y, d.z - t * along.z};
      if (dotOf(off, off) > dotOf(best, best)) best = off;
    }
    return best;
  };
  const RefPoint u = across(first), v = across(second);
  return std::atan2(std::sqrt(dotOf(crossOf(u, v), crossOf(u, v))), dotOf(u, v));
}

std::vector<std::vector<RefPoint>> solidFaces(const TestSolid& solid) {
  std::vector<std::vector<RefPoint>> result;
  for (const auto& face : solid.faces) {
    result.emplace_back();
    for (int c : face)
      result.back().push_back(solid.vertices[static_cast<std::size_t>(c)]);
  }
  return result;
}

// The hinge angle of a fold in a set of face polygons whose corners follow solid.faces.
double hingeAngleOf(const TestSolid& solid, const std::vector<std::vector<RefPoint>>& polygons,
                    std::pair<int, int> fold) {
  const auto [p, c] = fold;
  const auto& parent = solid.faces[static_cast<std::size_t>(p)];
  const std::vector<int> shared = sharedCorners(parent, solid.faces[static_cast<std::size_t>(c)]);
  const auto& pp = polygons[static_cast<std::size_t>(p)];
  return hingeAngle(pp, polygons[static_cast<std::size_t>(c)],
                    pp[static_cast<std::size_t>(slotOf(parent, shared[0]))],
                    pp[static_cast<std::size_t>(slotOf(parent, shared[1]))]);
}

// Whether two convex polygons in the plane overlap in more than a sliver of width tolerance:
// no edge direction of either separates them.
bool overlapInArea(const std::vector<std::pair<double, double>>& a,
                   const std::vector<std::pair<double, double>>& b, double tolerance) {
  for (const auto* polygon : {&a, &b}) {
    for (std::size_t i = 0; i < polygon->size(); ++i) {
      const auto [x0, y0] = (*polygon)[i];
      const auto [x1, y1] = (*polygon)[(i + 1) % polygon->size()];
      const double nx = y0 - y1, ny = x1 - x0, length = std::hypot(nx, ny);
      auto range = [&](const std::vector<std::pair<double, double>>& q) {
        double low = 1e300, high = -1e300;
        for (const auto& [x, y] : q) {
          const double s = (nx * x + ny * y) / length;
          low = std::min(low, s);
          high = std::max(high, s);
        }
        return std::pair{low, high};
      };
      const auto [lowA, highA] = range(a);
      const auto [lowB, highB] = range(b);
      if (std::min(highA, highB) - std::max(lowA, lowB) <= tolerance) return false;
    }
  }
  return true;
}

// ---- The cube by hand.

TEST(FoldReferenceCube, FlatCrossLiesInTheBottomPlaneWithoutOverlapsAndWithKnownCorners) {
  const TestSolid cube = unitCube();
  const auto net = referenceFoldedFaces(cube.vertices, cube.faces, kCubeCross, 0, 0.0);
  // Worked out by hand: each side lies beyond its bottom edge, the top beyond the right side.
  const std::vector<std::vector<RefPoint>> expected = {
      {{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}},   {{3, 0, 0}, {2, 0, 0}, {2, 1, 0}, {3, 1, 0}},
      {{0, 0, 0}, {1, 0, 0}, {1, -1, 0}, {0, -1, 0}}, {{1, 1, 0}, {0, 1, 0}, {0, 2, 0}, {1, 2, 0}},
      {{0, 0, 0}, {-1, 0, 0}, {-1, 1, 0}, {0, 1, 0}}, {{1, 0, 0}, {1, 1, 0}, {2, 1, 0}, {2, 0, 0}}};
  for (std::size_t f = 0; f < 6; ++f) {
    for (std::size_t k = 0; k < 4; ++k) {
      EXPECT_LT(distance(net[f][k], expected[f][k]), 1e-12) << "face " << f << " corner " << k;
    }
  }
  std::vector<std::vector<std::pair<double, double>>> flat;
  for (const auto& face : net) {
    flat.emplace_back();
    for (const RefPoint& p : face)
      flat.back().emplace_back(p.x, p.y);
  }
  for (std::size_t i = 0; i < 6; ++i) {
    for (std::size_t j = i + 1; j < 6; ++j) {
      EXPECT_FALSE(overlapInArea(flat[i], flat[j], 1e-9)) << "faces " << i << " and " << j;
    }
  }
}

TEST(FoldReferenceCube, HalfwayEveryHingeIsAt135DegreesAndTheTopStandsUpright) {
  const TestSolid cube = unitCube();
  const auto half = referenceFoldedFaces(cube.vertices, cube.faces, kCubeCross, 0, 0.5);
  for (const auto& fold : kCubeCross) {
    EXPECT_NEAR(hingeAngleOf(cube, half, fold), 0.75 * std::numbers::pi, 1e-12)
        << "fold " << fold.first << "-" << fold.second;
  }
  // The right side leans out by 45 degrees, so its upper edge is at x = 1 + r, z = r (r = 1/√2);
  // the top, turned back by 45 more, stands upright on that edge.
  const double r = std::sqrt(0.5);
  const std::vector<RefPoint> top = {
      {1 + r, 0, 1 + r}, {1 + r, 0, r}, {1 + r, 1, r}, {1 + r, 1, 1 + r}};
  for (std::size_t k = 0; k < 4; ++k)
    EXPECT_LT(distance(half[1][k], top[k]), 1e-12) << k;
  // The left side leans out to x < 0.
  EXPECT_LT(distance(half[4][1], {-r, 0, r}), 1e-12);
}

TEST(FoldReferenceCube, ClosedNetIsTheCubeFromAnyRoot) {
  const TestSolid cube = unitCube();
  for (int root = 0; root < 6; ++root) {
    std::mt19937 random(static_cast<unsigned>(root));
    const auto closed = referenceFoldedFaces(cube.vertices, cube.faces,
                                             randomTree(cube.faces, root, random), root, 1.0);
    const auto expected = solidFaces(cube);
    for (std::size_t f = 0; f < 6; ++f) {
      for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_LT(distance(closed[f][k], expected[f][k]), 1e-12) << root << " " << f << " " << k;
      }
    }
  }
}

// ---- Every catalogue solid, random trees.

struct Case {
  TestSolid solid;
  Folds folds;
  int root;
};

// Two random trees on every catalogue solid, as read or made exact.
std::vector<Case> catalogueCases(bool exact) {
  std::vector<Case> cases;
  std::mt19937 random(20261209);
  for (const Solid& s : embeddedSolids()) {
    const TestSolid solid = fromCatalogue(s, exact);
    for (int tree = 0; tree < 2; ++tree) {
      const int root = static_cast<int>(random() % solid.faces.size());
      cases.push_back({solid, randomTree(solid.faces, root, random), root});
    }
  }
  return cases;
}

// As read: the turns are rigid motions whatever the faces' flatness.
TEST(FoldReferenceCatalogue, FacesStayRigidAndJoinedTheRootStaysPutAndClosedIsTheSolid) {
  const auto cases = catalogueCases(false);
  ASSERT_EQ(cases.size(), 62u);
  for (const Case& c : cases) {
    const auto original = solidFaces(c.solid);
    const double tolerance = 1e-9 * c.solid.size;
    for (double f : {0.0, 0.31, 0.77, 1.0}) {
      const auto folded = referenceFoldedFaces(c.solid.vertices, c.solid.faces, c.folds, c.root, f);
      ASSERT_EQ(folded.size(), c.solid.faces.size());
      const std::string where = c.solid.name + " f=" + std::to_string(f);
      for (std::size_t i = 0; i < folded.size(); ++i) {
        ASSERT_EQ(folded[i].size(), original[i].size());
        for (std::size_t j = 0; j < folded[i].size(); ++j) {
          for (std::size_t k = j + 1; k < folded[i].size(); ++k) {
            EXPECT_NEAR(distance(folded[i][j], folded[i][k]),
                        distance(original[i][j], original[i][k]), tolerance)
                << where << " face " << i;
          }
        }
      }
      for (std::size_t k = 0; k < original[static_cast<std::size_t>(c.root)].size(); ++k) {
        EXPECT_LT(distance(folded[static_cast<std::size_t>(c.root)][k],
                           original[static_cast<std::size_t>(c.root)][k]),
                  tolerance)
            << where;
      }
      for (std::size_t i = 0; f == 1.0 && i < folded.size(); ++i) {
        for (std::size_t k = 0; k < folded[i].size(); ++k) {
          EXPECT_LT(distance(folded[i][k], original[i][k]), tolerance) << where << " face " << i;
        }
      }
      for (const auto& [p, q] : c.folds) {
        const auto& fp = c.solid.faces[static_cast<std::size_t>(p)];
        const auto& fq = c.solid.faces[static_cast<std::size_t>(q)];
        for (int corner : sharedCorners(fp, fq)) {
          EXPECT_LT(
              distance(
                  folded[static_cast<std::size_t>(p)][static_cast<std::size_t>(slotOf(fp, corner))],
                  folded[static_cast<std::size_t>(q)]
                        [static_cast<std::size_t>(slotOf(fq, corner))]),
              tolerance)
              << where << " fold " << p << "-" << q;
        }
      }
    }
  }
}

TEST(FoldReferenceCatalogue, EveryHingeOpensLinearlyFromTheDihedralAngleToFlat) {
  const double pi = std::numbers::pi;
  for (const Case& c : catalogueCases(true)) {
    const auto closed = solidFaces(c.solid);
    for (double f : {0.0, 0.43, 1.0}) {
      const auto folded = referenceFoldedFaces(c.solid.vertices, c.solid.faces, c.folds, c.root, f);
      for (const auto& fold : c.folds) {
        const double dihedral = hingeAngleOf(c.solid, closed, fold);
        EXPECT_NEAR(hingeAngleOf(c.solid, folded, fold), pi - f * (pi - dihedral), 1e-9)
            << c.solid.name << " f=" << f << " fold " << fold.first << "-" << fold.second;
      }
    }
  }
}

TEST(FoldReferenceCatalogue, FlatNetLiesInTheRootPlaneWithEveryOuterSideUp) {
  for (const Case& c : catalogueCases(true)) {
    const auto flat = referenceFoldedFaces(c.solid.vertices, c.solid.faces, c.folds, c.root, 0.0);
    const std::vector<double> winding = windings(c.solid);
    const auto& root = flat[static_cast<std::size_t>(c.root)];
    const RefPoint n = newell(root);
    const double scale = winding[static_cast<std::size_t>(c.root)] / std::sqrt(dotOf(n, n));
    const RefPoint up{n.x * scale, n.y * scale, n.z * scale};
    for (std::size_t i = 0; i < flat.size(); ++i) {
      for (const RefPoint& p : flat[i]) {
        EXPECT_NEAR(dotOf(minus(p, root[0]), up), 0.0, 1e-9 * c.solid.size)
            << c.solid.name << " face " << i;
      }
      // Unfolded outward, every face shows its outer side where the root does.
      const RefPoint m = newell(flat[i]);
      EXPECT_GT(winding[i] * dotOf(m, up), 0.999999 * std::sqrt(dotOf(m, m)))
          << c.solid.name << " face " << i;
    }
  }
}

// ---- Input that is refused.

TEST(FoldReferenceRejects, FoldsThatAreNoSpanningTreeAndOtherBadInput) {
  const TestSolid cube = unitCube();
  auto fold = [&](const Folds& folds, int root = 0, double f = 0.5) {
    return referenceFoldedFaces(cube.vertices, cube.faces, folds, root, f);
  };
  EXPECT_NO_THROW(fold(kCubeCross));
  // Too few folds; a cycle with the right count; a fold between opposite faces; the same fold
  // twice.
  EXPECT_THROW(fold({{0, 2}, {0, 3}, {0, 4}, {0, 5}}), EFoldReference);
  EXPECT_THROW(fold({{0, 2}, {2, 5}, {5, 0}, {0, 4}, {4, 3}}), EFoldReference);
  EXPECT_THROW(fold({{0, 1}, {0, 3}, {0, 4}, {0, 5}, {1, 2}}), EFoldReference);
  EXPECT_THROW(fold({{0, 2}, {0, 2}, {0, 4}, {0, 5}, {5, 1}}), EFoldReference);
  EXPECT_THROW(fold({{0, 2}, {0, 3}, {0, 4}, {0, 6}, {5, 1}}), EFoldReference);
  EXPECT_THROW(fold(kCubeCross, 6), EFoldReference);
  EXPECT_THROW(fold(kCubeCross, 0, -0.01), EFoldReference);
  EXPECT_THROW(fold(kCubeCross, 0, 1.01), EFoldReference);
  EXPECT_THROW(fold(kCubeCross, 0, std::nan("")), EFoldReference);
  Faces badCorner = cube.faces;
  badCorner[3][1] = 8;
  EXPECT_THROW(referenceFoldedFaces(cube.vertices, badCorner, kCubeCross, 0, 0.5), EFoldReference);
}

}  // namespace
}  // namespace velkora::test
