#include "tools/catalogue_generator/hull.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace velkora::gen {

Face boundaryOrder(const std::vector<Vec3>& points, std::vector<int> corners, Vec3 outward) {
  Vec3 centre;
  for (int index : corners) {
    centre = centre + points[static_cast<std::size_t>(index)];
  }
  centre = centre / static_cast<Real>(corners.size());
  const Vec3 n = normalized(outward);
  const Vec3 u = normalized(points[static_cast<std::size_t>(corners.front())] - centre);
  const Vec3 w = cross(n, u);
  std::vector<std::pair<Real, int>> byAngle;
  for (int index : corners) {
    const Vec3 d = points[static_cast<std::size_t>(index)] - centre;
    byAngle.emplace_back(std::atan2(dot(d, w), dot(d, u)), index);
  }
  std::sort(byAngle.begin(), byAngle.end());
  Face face;
  for (const auto& entry : byAngle) {
    face.push_back(entry.second);
  }
  return face;
}

std::vector<Face> convexHullFaces(const std::vector<Vec3>& points, Real tolerance) {
  const int count = static_cast<int>(points.size());
  std::vector<Face> faces;
  std::vector<std::vector<bool>> members;  // members[f][i]: point i lies on face f
  auto at = [&](int i) { return points[static_cast<std::size_t>(i)]; };

  for (int i = 0; i < count; ++i) {
    for (int j = i + 1; j < count; ++j) {
      for (int k = j + 1; k < count; ++k) {
        const Vec3 normal = cross(at(j) - at(i), at(k) - at(i));
        const Real length = norm(normal);
        if (length <= tolerance) {
          continue;  // three points on one line
        }
        const Vec3 n = normal / length;
        const Real offset = dot(n, at(i));
        bool above = false;
        bool below = false;
        for (int p = 0; p < count && !(above && below); ++p) {
          const Real side = dot(n, at(p)) - offset;
          above = above || side > tolerance;
          below = below || side < -tolerance;
        }
        if (above && below) {
          continue;  // points on both sides: not a face plane
        }
        const bool known = std::any_of(members.begin(), members.end(), [&](const auto& m) {
          return m[static_cast<std::size_t>(i)] && m[static_cast<std::size_t>(j)] &&
                 m[static_cast<std::size_t>(k)];
        });
        if (known) {
          continue;  // a face plane found before
        }
        std::vector<bool> onPlane(static_cast<std::size_t>(count), false);
        std::vector<int> corners;
        for (int p = 0; p < count; ++p) {
          if (std::fabs(dot(n, at(p)) - offset) <= tolerance) {
            onPlane[static_cast<std::size_t>(p)] = true;
            corners.push_back(p);
          }
        }
        faces.push_back(boundaryOrder(points, std::move(corners), above ? -n : n));
        members.push_back(std::move(onPlane));
      }
    }
  }
  return faces;
}

}  // namespace velkora::gen
