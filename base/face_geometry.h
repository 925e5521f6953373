#pragma once
// The one face normal and the one face centre of the program: Newell's normal
// and the mean of the corners, for a polygon given as corner indices into a
// point array. Plain functions of the coordinates; no orientation is assumed.
// Templates so that the catalogue generator's long-double points use them too.

#include <cstddef>
#include <span>

#include "base/vec.h"

namespace velkora {

// Newell's normal of the polygon through corners (indices into points): twice
// its area times its unit normal, on the side from which the corners run
// counter-clockwise. Exact for planar polygons, a good average for slightly
// bent ones. Needs at least 3 corners, each inside points.
template <typename T>
BasicVec3<T> newellNormal(std::span<const BasicVec3<T>> points, std::span<const int> corners) {
  BasicVec3<T> n;
  for (std::size_t k = 0; k < corners.size(); ++k) {
    const BasicVec3<T>& p = points[static_cast<std::size_t>(corners[k])];
    const BasicVec3<T>& q = points[static_cast<std::size_t>(corners[(k + 1) % corners.size()])];
    n.x += (p.y - q.y) * (p.z + q.z);
    n.y += (p.z - q.z) * (p.x + q.x);
    n.z += (p.x - q.x) * (p.y + q.y);
  }
  return n;
}

// The mean of the polygon's corners, summed in corner order and then divided
// by their number. Needs at least one corner, each inside points.
template <typename T>
BasicVec3<T> cornerMean(std::span<const BasicVec3<T>> points, std::span<const int> corners) {
  BasicVec3<T> sum;
  for (const int corner : corners) {
    const BasicVec3<T>& p = points[static_cast<std::size_t>(corner)];
    sum.x += p.x;
    sum.y += p.y;
    sum.z += p.z;
  }
  const T n = static_cast<T>(corners.size());
  return {sum.x / n, sum.y / n, sum.z / n};
}

// The same for the program's double points, so that vectors and arrays of
// Vec3 convert without naming the type.
inline Vec3 newellNormal(std::span<const Vec3> points, std::span<const int> corners) {
  return newellNormal<double>(points, corners);
}
inline Vec3 cornerMean(std::span<const Vec3> points, std::span<const int> corners) {
  return cornerMean<double>(points, corners);
}

}  // namespace velkora
