#include "base/convex_hull.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "base/errors.h"

namespace velkora {

namespace {

// A face found so far: its corners, ascending, and its outward unit normal.
struct HullFace {
  std::vector<int> corners;
  Vec3 normal;
};

bool holdsAll(const std::vector<int>& larger, const std::vector<int>& smaller) {
  return larger.size() > smaller.size() &&
         std::includes(larger.begin(), larger.end(), smaller.begin(), smaller.end());
}

// The corners of face that are corners of its polygon, in boundary order,
// counter-clockwise seen from the side normal points to: the convex hull of
// the points in the face's plane (Andrew's monotone chain), without points
// inside it or within near of a side between two others.
std::vector<int> boundaryOrder(const std::vector<Vec3>& points, const HullFace& face, double near) {
  const Vec3 origin = points[static_cast<std::size_t>(face.corners.front())];
  const Vec3 u = std::fabs(face.normal.x) < 0.9 ? normalized(cross(face.normal, Vec3{1, 0, 0}))
                                                : normalized(cross(face.normal, Vec3{0, 1, 0}));
  const Vec3 w = cross(face.normal, u);
  std::vector<std::pair<Vec2, int>> flat;
  for (const int corner : face.corners) {
    const Vec3 r = points[static_cast<std::size_t>(corner)] - origin;
    flat.push_back({Vec2{dot(r, u), dot(r, w)}, corner});
  }
  std::sort(flat.begin(), flat.end(), [](const auto& a, const auto& b) {
    return a.first.x < b.first.x || (a.first.x == b.first.x && a.first.y < b.first.y);
  });
  // A turn to the left by more than near (the distance of c from the line a b).
  const auto turnsLeft = [near](Vec2 a, Vec2 b, Vec2 c) {
    const double length = norm(b - a);
    return length > 0.0 && cross(b - a, c - a) > near * length;
  };
  std::vector<std::pair<Vec2, int>> chain;
  for (int pass = 0; pass < 2; ++pass) {
    const std::size_t base = chain.size();
    for (const auto& point : flat) {
      while (chain.size() >= base + 2 &&
             !turnsLeft(chain[chain.size() - 2].first, chain.back().first, point.first))
        chain.pop_back();
      chain.push_back(point);
    }
    chain.pop_back();  // the last point of one half is the first of the other
    std::reverse(flat.begin(), flat.end());
  }
  std::vector<int> ordered;
  for (const auto& point : chain)
    ordered.push_back(point.second);
  return ordered;
}

}  // namespace

ConvexHull convexHull(std::span<const Vec3> points, double same, double flat) {
  ConvexHull hull;
  if (points.empty()) throw EInvalidSolid("Die Hülle braucht Punkte");
  Vec3 mean;
  for (const Vec3& p : points)
    mean = mean + p;
  mean = mean / static_cast<double>(points.size());
  double reach = 0.0;
  for (const Vec3& p : points)
    reach = std::max(reach, norm(p - mean));
  const double apart = same * reach;
  const double near = flat * reach;

  std::vector<Vec3> vertices;
  for (const Vec3& p : points) {
    int found = -1;
    for (std::size_t k = 0; k < vertices.size() && found < 0; ++k) {
      if (norm(p - vertices[k]) <= apart) found = static_cast<int>(k);
    }
    if (found < 0) {
      found = static_cast<int>(vertices.size());
      vertices.push_back(p);
    }
    hull.vertexOf.push_back(found);
  }

  // Every plane through three vertices with no vertex beyond it is a face
  // plane; its corners are the vertices on it. Three vertices nearly on one
  // line give no reliable plane, and every face has a better-spread triple.
  const std::size_t n = vertices.size();
  std::vector<HullFace> faces;
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      for (std::size_t k = j + 1; k < n; ++k) {
        const Vec3 normal = cross(vertices[j] - vertices[i], vertices[k] - vertices[i]);
        if (norm(normal) <= near * reach) continue;
        Vec3 unit = normalized(normal);
        const double offset = dot(unit, vertices[i]);
        bool below = true;
        bool above = true;
        for (const Vec3& p : vertices) {
          const double distance = dot(unit, p) - offset;
          below = below && distance <= near;
          above = above && distance >= -near;
        }
        if (!below && !above) continue;
        if (!below) unit = -unit;
        HullFace face{{}, unit};
        for (std::size_t m = 0; m < n; ++m) {
          if (std::fabs(dot(unit, vertices[m] - vertices[i])) <= near)
            face.corners.push_back(static_cast<int>(m));
        }
        const bool known = std::any_of(faces.begin(), faces.end(), [&](const HullFace& other) {
          return other.corners == face.corners;
        });
        if (!known) faces.push_back(std::move(face));
      }
    }
  }
  if (faces.size() < 4) throw EInvalidSolid("Die Punkte spannen keinen Körper auf");

  std::vector<std::vector<int>> kept;
  for (const HullFace& face : faces) {
    const bool partOfLarger = std::any_of(faces.begin(), faces.end(), [&](const HullFace& other) {
      return holdsAll(other.corners, face.corners);
    });
    if (!partOfLarger) kept.push_back(boundaryOrder(vertices, face, near));
  }

  // Only the points that are corners of a face stay vertices, in their order.
  std::vector<int> renumbered(n, -1);
  for (const std::vector<int>& face : kept) {
    for (const int corner : face)
      renumbered[static_cast<std::size_t>(corner)] = 0;
  }
  std::vector<Vec3> used;
  for (std::size_t k = 0; k < n; ++k) {
    if (renumbered[k] < 0) continue;
    renumbered[k] = static_cast<int>(used.size());
    used.push_back(vertices[k]);
  }
  for (std::vector<int>& face : kept) {
    for (int& corner : face)
      corner = renumbered[static_cast<std::size_t>(corner)];
  }
  for (int& vertex : hull.vertexOf)
    vertex = renumbered[static_cast<std::size_t>(vertex)];
  hull.solid.vertices = std::move(used);
  hull.solid.faces = std::move(kept);
  return hull;
}

}  // namespace velkora
