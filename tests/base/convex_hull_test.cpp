// The small convex hull on point sets whose hull is known: a cube with a
// repeated corner, a point inside, points in the middle of faces and edges;
// a tetrahedron; and points that span no solid.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "base/convex_hull.h"
#include "base/convex_solid.h"
#include "base/errors.h"

namespace velkora {
namespace {

std::vector<Vec3> cubeCorners() {
  std::vector<Vec3> corners;
  for (int k = 0; k < 8; ++k)
    corners.push_back(
        {(k & 1) != 0 ? 1.0 : -1.0, (k & 2) != 0 ? 1.0 : -1.0, (k & 4) != 0 ? 1.0 : -1.0});
  return corners;
}

TEST(ConvexHull, CubeKeepsItsCornersOnlyAndMakesSixSquares) {
  std::vector<Vec3> points = cubeCorners();
  points.push_back({0.0, 0.0, 0.0});         // inside
  points.push_back({1.0, 0.0, 0.0});         // middle of a face
  points.push_back({1.0, 1.0, 0.0});         // middle of an edge
  points.push_back({1.0, 1.0, 1.0 + 1e-8});  // a corner again, within the tolerance
  const ConvexHull hull = convexHull(points, 1e-6, 1e-9);
  ASSERT_EQ(hull.solid.vertices.size(), 8u);
  ASSERT_EQ(hull.solid.faces.size(), 6u);
  for (const auto& face : hull.solid.faces)
    EXPECT_EQ(face.size(), 4u);
  const ConvexSolid checked = checkConvexSolid(hull.solid.vertices, hull.solid.faces);
  EXPECT_EQ(checked.edgeCount, 12);
  EXPECT_TRUE(std::none_of(checked.turned.begin(), checked.turned.end(), [](bool t) { return t; }));
  ASSERT_EQ(hull.vertexOf.size(), points.size());
  for (std::size_t k = 0; k < 8; ++k)
    EXPECT_EQ(hull.solid.vertices[static_cast<std::size_t>(hull.vertexOf[k])], points[k]);
  EXPECT_EQ(hull.vertexOf[8], -1);
  EXPECT_EQ(hull.vertexOf[9], -1);
  EXPECT_EQ(hull.vertexOf[10], -1);
  EXPECT_EQ(hull.vertexOf[11], hull.vertexOf[7]);
}

TEST(ConvexHull, TetrahedronFacesRunCounterClockwiseFromOutside) {
  const std::vector<Vec3> points = {{1, 1, 1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}};
  const ConvexHull hull = convexHull(points, 1e-6, 1e-9);
  ASSERT_EQ(hull.solid.faces.size(), 4u);
  for (const auto& face : hull.solid.faces) {
    ASSERT_EQ(face.size(), 3u);
    const Vec3 a = points[static_cast<std::size_t>(face[0])];
    const Vec3 b = points[static_cast<std::size_t>(face[1])];
    const Vec3 c = points[static_cast<std::size_t>(face[2])];
    EXPECT_GT(dot(cross(b - a, c - a), a + b + c), 0.0);
  }
}

TEST(ConvexHull, FlatPointsSpanNoSolid) {
  const std::vector<Vec3> square = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0.5, 0.5, 0}};
  EXPECT_THROW(convexHull(square, 1e-6, 1e-9), EInvalidSolid);
  EXPECT_THROW(convexHull(std::vector<Vec3>{}, 1e-6, 1e-9), EInvalidSolid);
}

}  // namespace
}  // namespace velkora
