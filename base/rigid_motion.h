#pragma once
// Turns and rigid motions of space: a 3 x 3 rotation matrix (rows), the turn
// about a unit axis by an angle (right hand), and a turn followed by a shift,
// with composition and application to points. No pose or unit attached.

#include "base/vec.h"

namespace velkora {

struct Rotation3 {
  Vec3 rows[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
};

inline Vec3 operator*(const Rotation3& r, Vec3 v) {
  return {dot(r.rows[0], v), dot(r.rows[1], v), dot(r.rows[2], v)};
}

Rotation3 operator*(const Rotation3& a, const Rotation3& b);

// The turn by angle (radians) about axis, counter-clockwise when the axis
// points at the viewer. Needs a unit axis.
Rotation3 axisRotation(Vec3 axis, double angle);

// The least turn that takes unit vector from onto unit vector to; for
// opposite vectors a half turn about an axis perpendicular to both.
Rotation3 rotationBetween(Vec3 from, Vec3 to);

// The axis (unit) and angle (0..pi) of a rotation; the identity gives angle 0
// about the z axis.
struct AxisAngle {
  Vec3 axis{0, 0, 1};
  double angle = 0.0;
};
AxisAngle axisAngleOf(const Rotation3& r);

// p -> turn * p + shift.
struct RigidMotion {
  Rotation3 turn;
  Vec3 shift;

  Vec3 operator()(Vec3 p) const { return turn * p + shift; }
};

// First b, then a.
RigidMotion operator*(const RigidMotion& a, const RigidMotion& b);

// The turn by angle about the line through point along unit axis.
RigidMotion turnAboutLine(Vec3 point, Vec3 axis, double angle);

}  // namespace velkora
