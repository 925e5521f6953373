// Long-double 3-vectors (the program's vector type in long double) and 3x3 matrices used by
// the catalogue generator's constructions. Plain arithmetic only: no tolerances, no geometry
// policy. Matrices act on column vectors, so (m * v).x is the dot product of the first row with v.
#pragma once

#include <array>
#include <cmath>

#include "base/vec.h"

namespace velkora::gen {

using Real = long double;

using Vec3 = velkora::BasicVec3<Real>;
using velkora::cross;
using velkora::dot;
using velkora::norm;
using velkora::normalized;

inline Real distance(Vec3 a, Vec3 b) { return norm(a - b); }

struct Mat3 {
  std::array<Vec3, 3> rows{};
};

inline Mat3 identity() { return {{Vec3{1, 0, 0}, Vec3{0, 1, 0}, Vec3{0, 0, 1}}}; }

inline Vec3 operator*(const Mat3& m, Vec3 v) {
  return {dot(m.rows[0], v), dot(m.rows[1], v), dot(m.rows[2], v)};
}

inline Mat3 transposed(const Mat3& m) {
  const auto& r = m.rows;
  return {
      {Vec3{r[0].x, r[1].x, r[2].x}, Vec3{r[0].y, r[1].y, r[2].y}, Vec3{r[0].z, r[1].z, r[2].z}}};
}

inline Mat3 operator*(const Mat3& a, const Mat3& b) {
  const Mat3 bt = transposed(b);
  Mat3 result;
  for (std::size_t i = 0; i < 3; ++i) {
    result.rows[i] = {dot(a.rows[i], bt.rows[0]), dot(a.rows[i], bt.rows[1]),
                      dot(a.rows[i], bt.rows[2])};
  }
  return result;
}

inline Real determinant(const Mat3& m) { return dot(m.rows[0], cross(m.rows[1], m.rows[2])); }

// Reflection in the plane through the origin with the given normal (any length).
inline Mat3 reflection(Vec3 normal) {
  const Vec3 n = normalized(normal);
  Mat3 m = identity();
  const std::array<Real, 3> c{n.x, n.y, n.z};
  for (std::size_t i = 0; i < 3; ++i) {
    m.rows[i] = m.rows[i] - n * (2 * c[i]);
  }
  return m;
}

// Orthonormal frame whose third row is the direction of zAxis and whose first row is the part
// of xHint perpendicular to it. Multiplying by the frame expresses a point in that frame.
// Needs xHint not parallel to zAxis.
inline Mat3 frame(Vec3 zAxis, Vec3 xHint) {
  const Vec3 z = normalized(zAxis);
  const Vec3 x = normalized(xHint - z * dot(xHint, z));
  return {{x, cross(z, x), z}};
}

}  // namespace velkora::gen
