#include "base/rigid_motion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velkora {

Rotation3 operator*(const Rotation3& a, const Rotation3& b) {
  const Vec3 c0{b.rows[0].x, b.rows[1].x, b.rows[2].x};
  const Vec3 c1{b.rows[0].y, b.rows[1].y, b.rows[2].y};
  const Vec3 c2{b.rows[0].z, b.rows[1].z, b.rows[2].z};
  Rotation3 out;
  for (int i = 0; i < 3; ++i)
    out.rows[i] = {dot(a.rows[i], c0), dot(a.rows[i], c1), dot(a.rows[i], c2)};
  return out;
}

Rotation3 axisRotation(Vec3 axis, double angle) {
  // Rodrigues: R = cos I + sin [axis]x + (1 - cos) axis axis^T.
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  const double t = 1.0 - c;
  const double x = axis.x, y = axis.y, z = axis.z;
  Rotation3 r;
  r.rows[0] = {c + t * x * x, t * x * y - s * z, t * x * z + s * y};
  r.rows[1] = {t * x * y + s * z, c + t * y * y, t * y * z - s * x};
  r.rows[2] = {t * x * z - s * y, t * y * z + s * x, c + t * z * z};
  return r;
}

Rotation3 rotationBetween(Vec3 from, Vec3 to) {
  const Vec3 axis = cross(from, to);
  const double sine = norm(axis);
  const double cosine = std::clamp(dot(from, to), -1.0, 1.0);
  if (sine > 1e-12) return axisRotation(axis / sine, std::atan2(sine, cosine));
  if (cosine > 0.0) return Rotation3{};
  // Opposite: any axis perpendicular to from; take the one across its
  // smallest component.
  const Vec3 helper = std::abs(from.x) < 0.9 ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
  return axisRotation(normalized(cross(from, helper)), std::numbers::pi);
}

AxisAngle axisAngleOf(const Rotation3& r) {
  // The skew part is 2 sin(angle) axis and the trace 1 + 2 cos(angle); atan2
  // of both keeps the angle exact near 0 and near a half turn.
  const double trace = r.rows[0].x + r.rows[1].y + r.rows[2].z;
  const Vec3 skew{r.rows[2].y - r.rows[1].z, r.rows[0].z - r.rows[2].x, r.rows[1].x - r.rows[0].y};
  const double angle = std::atan2(norm(skew) / 2.0, (trace - 1.0) / 2.0);
  if (angle < 1e-12) return {};
  if (norm(skew) > 1e-6) return {normalized(skew), angle};
  // Near a half turn the skew part vanishes: read the axis from the
  // symmetric part R + I = 2 axis axis^T, using its largest column.
  const Vec3 d{r.rows[0].x + 1.0, r.rows[1].y + 1.0, r.rows[2].z + 1.0};
  Vec3 column;
  if (d.x >= d.y && d.x >= d.z)
    column = {d.x, r.rows[1].x, r.rows[2].x};
  else if (d.y >= d.z)
    column = {r.rows[0].y, d.y, r.rows[2].y};
  else
    column = {r.rows[0].z, r.rows[1].z, d.z};
  Vec3 axis = normalized(column);
  // Pick the sign that agrees with what little skew part there is.
  if (dot(axis, skew) < 0.0) axis = -axis;
  return {axis, angle};
}

RigidMotion operator*(const RigidMotion& a, const RigidMotion& b) {
  return {a.turn * b.turn, a.turn * b.shift + a.shift};
}

RigidMotion turnAboutLine(Vec3 point, Vec3 axis, double angle) {
  const Rotation3 turn = axisRotation(axis, angle);
  return {turn, point - turn * point};
}

}  // namespace velkora
