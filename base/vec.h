#pragma once
// The program's one point and vector types: Vec3 for space (model points,
// normals, directions) and Vec2 for the plane (paper, screen), with the few
// operations the geometry needs as free functions. No pose or unit attached.
// The catalogue generator computes in long double with the same code
// (BasicVec3<long double>).

#include <cmath>
#include <type_traits>

namespace velkora {

template <typename T>
struct BasicVec3 {
  T x = 0;
  T y = 0;
  T z = 0;

  bool operator==(const BasicVec3&) const = default;
};

using Vec3 = BasicVec3<double>;

template <typename T>
constexpr BasicVec3<T> operator+(BasicVec3<T> a, BasicVec3<T> b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
template <typename T>
constexpr BasicVec3<T> operator-(BasicVec3<T> a, BasicVec3<T> b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
template <typename T>
constexpr BasicVec3<T> operator-(BasicVec3<T> a) {
  return {-a.x, -a.y, -a.z};
}
template <typename T>
constexpr BasicVec3<T> operator*(std::type_identity_t<T> s, BasicVec3<T> a) {
  return {s * a.x, s * a.y, s * a.z};
}
template <typename T>
constexpr BasicVec3<T> operator*(BasicVec3<T> a, std::type_identity_t<T> s) {
  return {a.x * s, a.y * s, a.z * s};
}
template <typename T>
constexpr BasicVec3<T> operator/(BasicVec3<T> a, std::type_identity_t<T> s) {
  return {a.x / s, a.y / s, a.z / s};
}
template <typename T>
constexpr T dot(BasicVec3<T> a, BasicVec3<T> b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
template <typename T>
constexpr BasicVec3<T> cross(BasicVec3<T> a, BasicVec3<T> b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
template <typename T>
T norm(BasicVec3<T> a) {
  return std::sqrt(dot(a, a));
}
// a scaled to unit length; needs a nonzero a.
template <typename T>
BasicVec3<T> normalized(BasicVec3<T> a) {
  return a / norm(a);
}

struct Vec2 {
  double x = 0.0;
  double y = 0.0;

  bool operator==(const Vec2&) const = default;
};

constexpr Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
constexpr Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
constexpr Vec2 operator*(double s, Vec2 a) { return {s * a.x, s * a.y}; }
constexpr double dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
// The z component of the cross product: positive when b turns left of a.
constexpr double cross(Vec2 a, Vec2 b) { return a.x * b.y - a.y * b.x; }
inline double norm(Vec2 a) { return std::hypot(a.x, a.y); }

}  // namespace velkora
