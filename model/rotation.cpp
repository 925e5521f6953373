// Rotation of the six point sets of the model in place.
#include "model/rotation.h"

#include <cmath>
#include <cstddef>
#include <span>

#include "model/angles.h"

#if defined(__EMSCRIPTEN__)
#include "base/double_double.h"
#endif

namespace velkora {
namespace {

// Sine and cosine of the three elementary rotations, computed once per call.
struct Turn {
  long double sinA = 0.0L;
  long double cosA = 1.0L;
  long double sinB = 0.0L;
  long double cosB = 1.0L;
  long double sinC = 0.0L;
  long double cosC = 1.0L;
  bool withXZ = true;  // the tilt has no x-z step
};

#if defined(__EMSCRIPTEN__)
// WebAssembly's long double is a 128-bit type computed in software, which
// made the turn most of a frame's time in the browser. There each step is
// computed in pairs of doubles instead (base/double_double.h), then rounded
// to double: the same doubles but for sums within about 2^-100 of halfway
// between two doubles.
template <typename Element>
void turnSet(std::span<Element> elements, const Turn& t) {
  const DoubleDouble cosA = toDoubleDouble(t.cosA), sinA = toDoubleDouble(t.sinA),
                     minusSinA = toDoubleDouble(-t.sinA);
  const DoubleDouble cosB = toDoubleDouble(t.cosB), sinB = toDoubleDouble(t.sinB),
                     minusSinB = toDoubleDouble(-t.sinB);
  const DoubleDouble cosC = toDoubleDouble(t.cosC), sinC = toDoubleDouble(t.sinC),
                     minusSinC = toDoubleDouble(-t.sinC);
  for (Element& e : elements) {
    const double x1 = sumOfProducts(cosA, e.x, minusSinA, e.y);
    const double y1 = sumOfProducts(sinA, e.x, cosA, e.y);
    const double y2 = sumOfProducts(cosB, y1, minusSinB, e.z);
    const double z1 = sumOfProducts(sinB, y1, cosB, e.z);
    e.x = x1;
    e.y = y2;
    e.z = z1;
    if (t.withXZ) {
      e.x = sumOfProducts(cosC, x1, minusSinC, z1);
      e.z = sumOfProducts(sinC, x1, cosC, z1);
    }
  }
}
#else
// Applies the elementary rotations to every element of one point set. Each
// step computes in extended precision and stores doubles, which the next
// step reads again.
template <typename Element>
void turnSet(std::span<Element> elements, const Turn& t) {
  for (Element& e : elements) {
    // x-y plane by alpha
    const long double x = e.x;
    const long double y = e.y;
    const double x1 = static_cast<double>(t.cosA * x - t.sinA * y);
    const double y1 = static_cast<double>(t.sinA * x + t.cosA * y);
    // y-z plane by beta
    const long double z = e.z;
    const double y2 = static_cast<double>(t.cosB * y1 - t.sinB * z);
    const double z1 = static_cast<double>(t.sinB * y1 + t.cosB * z);
    e.x = x1;
    e.y = y2;
    e.z = z1;
    if (t.withXZ) {
      // x-z plane by gamma
      const long double xs = x1;
      const long double zs = z1;
      e.x = static_cast<double>(t.cosC * xs - t.sinC * zs);
      e.z = static_cast<double>(t.sinC * xs + t.cosC * zs);
    }
  }
}
#endif

// The leading count elements of an array; a count of 0 or less gives none,
// a count above the capacity is clipped to it.
template <typename Element, std::size_t N>
std::span<Element> leading(std::array<Element, N>& array, std::int32_t count) {
  if (count <= 0) {
    return {};
  }
  const auto n = static_cast<std::size_t>(count) < N ? static_cast<std::size_t>(count) : N;
  return std::span<Element>(array.data(), n);
}

// Visits the six point sets in their fixed order.
void turnModel(Model& model, const Turn& t) {
  turnSet(leading(model.vertices, model.vertexCount), t);
  turnSet(leading(model.faceCentres, model.faceCount), t);
  turnSet(leading(model.innerPoints, model.spherePointCount), t);
  turnSet(leading(model.innerCentres, model.sphereQuadCount), t);
  turnSet(leading(model.outerPoints, model.spherePointCount), t);
  turnSet(leading(model.outerCentres, model.sphereQuadCount), t);
}

}  // namespace

// drehen: turns the model by a (x-y), b (y-z), c (x-z) degrees, in that order.
void drehen(Model& model, double a, double b, double c) {
  const long double alpha = kDegree * a;
  const long double beta = kDegree * b;
  const long double gamma = kDegree * c;
  Turn t;
  t.sinA = std::sin(alpha);
  t.cosA = std::cos(alpha);
  t.sinB = std::sin(beta);
  t.cosB = std::cos(beta);
  t.sinC = std::sin(gamma);
  t.cosC = std::cos(gamma);
  turnModel(model, t);
}

// tiltModel: the initial pose, -30 degrees in the x-y plane and then in the y-z plane.
void tiltModel(Model& model) {
  Turn t;
  t.sinA = std::sin(kTiltAngle);
  t.cosA = std::cos(kTiltAngle);
  t.sinB = t.sinA;
  t.cosB = t.cosA;
  t.withXZ = false;
  turnModel(model, t);
}

}  // namespace velkora
