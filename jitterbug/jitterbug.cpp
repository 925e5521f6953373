#include "jitterbug/jitterbug.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

#include "base/convex_hull.h"

namespace velkora {

namespace {

// Points closer than kSamePoint (relative to the solid's reach) are one
// vertex, and points kFlat close to a plane lie on it: the solid at j = 0 and
// j = 1 is exact to rounding. Within about 4e-7 of j = 1 the pairs of
// vertices that are about to meet are one (the faces between them would be
// slivers too thin to place), and within about 1e-9 of j = 0 the squares
// are flat.
constexpr double kSamePoint = 1e-6;
constexpr double kFlat = 1e-9;

// The vertex of the cuboctahedron with a 0 at coordinate zero, the signs of
// the other two (in axis order) from the bits of signs: bit 1 the first, bit
// 0 the second, set for -1. Its index is 4 zero + signs.
Vec3 cuboctahedronVertex(int zero, int signs) {
  const double first = (signs & 2) != 0 ? -1.0 : 1.0;
  const double second = (signs & 1) != 0 ? -1.0 : 1.0;
  switch (zero) {
    case 0:
      return {0.0, first, second};
    case 1:
      return {first, 0.0, second};
    default:
      return {first, second, 0.0};
  }
}

double coordinate(Vec3 v, int axis) { return axis == 0 ? v.x : axis == 1 ? v.y : v.z; }

// The index of the vertex of the cuboctahedron at v (one coordinate 0, the others ±1).
int vertexIndex(Vec3 v) {
  int zero = 0;
  while (coordinate(v, zero) != 0.0)
    ++zero;
  int signs = 0;
  int bit = 2;
  for (int axis = 0; axis < 3; ++axis) {
    if (axis == zero) continue;
    if (coordinate(v, axis) < 0.0) signs |= bit;
    bit >>= 1;
  }
  return 4 * zero + signs;
}

std::array<std::array<int, 3>, kTurningTriangles> makeTriangles() {
  std::array<std::array<int, 3>, kTurningTriangles> triangles{};
  for (int k = 0; k < kTurningTriangles; ++k) {
    const Vec3 s{(k & 4) != 0 ? -1.0 : 1.0, (k & 2) != 0 ? -1.0 : 1.0, (k & 1) != 0 ? -1.0 : 1.0};
    // The corners s with coordinate 0, 1 and 2 put to 0 run counter-clockwise
    // about s when s.x s.y s.z is 1; a mirror image runs the other way.
    const int a = vertexIndex({0.0, s.y, s.z});
    const int b = vertexIndex({s.x, 0.0, s.z});
    const int c = vertexIndex({s.x, s.y, 0.0});
    if (s.x * s.y * s.z > 0.0) {
      triangles[static_cast<std::size_t>(k)] = {a, b, c};
    } else {
      triangles[static_cast<std::size_t>(k)] = {a, c, b};
    }
  }
  return triangles;
}

// The shortest distance between two vertices that share no turning triangle,
// less a triangle's edge: positive before the icosahedron, negative after.
double icosahedronGap(double j) {
  const std::array<Vec3, kJitterbugVertices> points = jitterbugVertices(j);
  std::array<std::array<bool, kJitterbugVertices>, kJitterbugVertices> together{};
  for (const auto& triangle : turningTriangles()) {
    for (const int a : triangle) {
      for (const int b : triangle)
        together[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = true;
    }
  }
  double nearest = INFINITY;
  for (std::size_t a = 0; a < points.size(); ++a) {
    for (std::size_t b = a + 1; b < points.size(); ++b) {
      if (!together[a][b]) nearest = std::min(nearest, norm(points[a] - points[b]));
    }
  }
  const auto& first = turningTriangles().front();
  const double edge =
      norm(points[static_cast<std::size_t>(first[0])] - points[static_cast<std::size_t>(first[1])]);
  return nearest - edge;
}

}  // namespace

double jitterbugAngle(double j) { return j * std::numbers::pi / 3.0; }

std::array<Vec3, kJitterbugVertices> jitterbugVertices(double j) {
  // The corner v of the triangle about n = s / sqrt 3 turned by sigma angle
  // about n and moved along it to distance (2 / sqrt 3) cos(angle):
  // (2/3) cos(angle) s + cos(angle) (v - (2/3) s) + sigma sin(angle) n x v
  // = cos(angle) v + sigma sin(angle) / sqrt 3 (s x v). Either triangle at v
  // gives the same point: the other has the opposite sigma and s x v.
  const double angle = jitterbugAngle(j);
  const double c = std::cos(angle);
  const double s = std::sin(angle) / std::numbers::sqrt3;
  std::array<Vec3, kJitterbugVertices> vertices{};
  for (int zero = 0; zero < 3; ++zero) {
    for (int signs = 0; signs < 4; ++signs) {
      const Vec3 v = cuboctahedronVertex(zero, signs);
      Vec3 sides = v;  // the triangle with + at the vertex's zero
      if (zero == 0) sides.x = 1.0;
      if (zero == 1) sides.y = 1.0;
      if (zero == 2) sides.z = 1.0;
      const double sigma = sides.x * sides.y * sides.z;
      vertices[static_cast<std::size_t>(4 * zero + signs)] = v * c + cross(sides, v) * (sigma * s);
    }
  }
  return vertices;
}

const std::array<std::array<int, 3>, kTurningTriangles>& turningTriangles() {
  static const std::array<std::array<int, 3>, kTurningTriangles> triangles = makeTriangles();
  return triangles;
}

JitterbugShape jitterbugShape(double j) {
  const std::array<Vec3, kJitterbugVertices> points = jitterbugVertices(j);
  ConvexHull hull = convexHull(points, kSamePoint, kFlat);
  JitterbugShape shape;
  shape.turning.reserve(hull.solid.faces.size());
  for (const std::vector<int>& face : hull.solid.faces) {
    std::vector<int> corners = face;
    std::sort(corners.begin(), corners.end());
    bool turning = false;
    for (const auto& triangle : turningTriangles()) {
      std::vector<int> merged;
      for (const int corner : triangle)
        merged.push_back(hull.vertexOf[static_cast<std::size_t>(corner)]);
      std::sort(merged.begin(), merged.end());
      turning = turning || merged == corners;
    }
    shape.turning.push_back(turning);
  }
  shape.solid = std::move(hull.solid);
  return shape;
}

double icosahedronParameter() {
  double low = 0.0;  // the gap still wider than an edge
  double high = 1.0;
  while (high - low > 1e-15) {
    const double middle = 0.5 * (low + high);
    (icosahedronGap(middle) > 0.0 ? low : high) = middle;
  }
  return 0.5 * (low + high);
}

}  // namespace velkora
