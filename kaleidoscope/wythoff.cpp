#include "kaleidoscope/wythoff.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <utility>

#include "base/convex_hull.h"
#include "base/errors.h"

namespace velkora {

namespace {

// Copies closer than this (on the unit sphere) are one point.
constexpr double kSamePoint = 1e-9;
// The snub's hull: corners closer than kSameCorner are one vertex and points
// within kFlat of a face plane lie on it (both on the unit sphere), so that
// near a mirror, where the snub's triangles close up into the faces of the
// reflections' solid, no slivers stay.
constexpr double kSameCorner = 1e-6;
constexpr double kFlat = 1e-9;
// Newton's method for the snub's point: the largest number of steps, the
// difference of edge lengths it stops at, the one it must reach at the
// latest, and the step in weight of the difference quotients.
constexpr int kNewtonSteps = 60;
constexpr double kEqualEdges = 1e-14;
constexpr double kEqualEnough = 1e-10;
constexpr double kQuotientStep = 1e-7;

std::array<Vec3, 3> cornersOf(WythoffFamily family) {
  switch (family) {
    case WythoffFamily::T:
      return {normalized(Vec3{1, 1, 1}), Vec3{1, 0, 0}, normalized(Vec3{1, 1, -1})};
    case WythoffFamily::O:
      return {normalized(Vec3{1, 1, 1}), normalized(Vec3{1, 1, 0}), Vec3{1, 0, 0}};
    case WythoffFamily::I:
      break;
  }
  const double phi = (1.0 + std::sqrt(5.0)) / 2.0;
  const Vec3 a{1, 1, 1};
  const Vec3 neighbour{0, 1 / phi, phi};  // a dodecahedron vertex next to a
  return {normalized(a), normalized((a + neighbour) / 2.0), normalized(Vec3{0, phi, 1})};
}

Vec3 reflected(Vec3 p, Vec3 mirror) { return p - mirror * (2.0 * dot(mirror, p)); }

Vec3 applied(const std::array<Vec3, 3>& symmetry, Vec3 p) {
  return symmetry[0] * p.x + symmetry[1] * p.y + symmetry[2] * p.z;
}

bool samePoint(Vec3 p, Vec3 q) { return norm(p - q) < kSamePoint; }

// Appends p unless points holds it already.
void addOnce(std::vector<Vec3>& points, Vec3 p) {
  if (std::none_of(points.begin(), points.end(), [&](Vec3 q) { return samePoint(p, q); })) {
    points.push_back(p);
  }
}

}  // namespace

char wythoffLetter(WythoffFamily family) {
  switch (family) {
    case WythoffFamily::T:
      return 'T';
    case WythoffFamily::O:
      return 'O';
    case WythoffFamily::I:
      break;
  }
  return 'I';
}

std::optional<WythoffFamily> wythoffFamilyOf(std::string_view letter) {
  if (letter.size() != 1) return std::nullopt;
  switch (std::toupper(static_cast<unsigned char>(letter[0]))) {
    case 'T':
      return WythoffFamily::T;
    case 'O':
      return WythoffFamily::O;
    case 'I':
      return WythoffFamily::I;
    default:
      return std::nullopt;
  }
}

std::optional<WythoffWeights> normalisedWeights(double a, double b, double c) {
  for (const double w : {a, b, c}) {
    if (!std::isfinite(w) || w < 0.0) return std::nullopt;
  }
  const double sum = a + b + c;
  if (!(sum > 0.0)) return std::nullopt;
  return WythoffWeights{a / sum, b / sum, c / sum};
}

Kaleidoscope::Kaleidoscope(WythoffFamily family) : family_(family), corners_(cornersOf(family)) {
  const auto& [a, b, c] = corners_;
  mirrors_ = {normalized(cross(b, c)), normalized(cross(c, a)), normalized(cross(a, b))};
  // The group: every product of the three reflections, found by closing the
  // identity under them. Each symmetry is kept as the images of the axes.
  symmetries_.push_back({Vec3{1, 0, 0}, Vec3{0, 1, 0}, Vec3{0, 0, 1}});
  for (std::size_t k = 0; k < symmetries_.size(); ++k) {
    for (const Vec3& mirror : mirrors_) {
      const std::array<Vec3, 3> next = {reflected(symmetries_[k][0], mirror),
                                        reflected(symmetries_[k][1], mirror),
                                        reflected(symmetries_[k][2], mirror)};
      const bool known = std::any_of(symmetries_.begin(), symmetries_.end(), [&](const auto& s) {
        return samePoint(s[0], next[0]) && samePoint(s[1], next[1]) && samePoint(s[2], next[2]);
      });
      if (!known) symmetries_.push_back(next);
    }
  }
  order_ = static_cast<int>(symmetries_.size());
  for (const auto& symmetry : symmetries_) {
    if (dot(symmetry[0], cross(symmetry[1], symmetry[2])) > 0.0) rotations_.push_back(symmetry);
  }
  for (const Vec3& corner : corners_) {
    for (const Vec3& image : orbit(corner))
      faceNormals_.push_back(image);
  }
}

Vec3 Kaleidoscope::generator(WythoffWeights w) const {
  return normalized(corners_[0] * w.a + corners_[1] * w.b + corners_[2] * w.c);
}

std::vector<Vec3> Kaleidoscope::orbit(Vec3 point) const {
  std::vector<Vec3> points;
  points.reserve(symmetries_.size());
  for (const auto& symmetry : symmetries_)
    addOnce(points, applied(symmetry, point));
  return points;
}

std::vector<Vec3> Kaleidoscope::rotationOrbit(Vec3 point) const {
  std::vector<Vec3> points;
  points.reserve(rotations_.size());
  for (const auto& rotation : rotations_)
    addOnce(points, applied(rotation, point));
  return points;
}

Polyhedron Kaleidoscope::solid(WythoffWeights weights, WythoffCopies copies) const {
  if (copies != WythoffCopies::Reflections) {
    // The rotations' copies of the point in the triangle make the snub in
    // the hand of the catalogue's; those of its mirror image in BC the other.
    Vec3 point = generator(weights);
    if (copies == WythoffCopies::MirroredRotations) point = reflected(point, mirrors_[0]);
    const std::vector<Vec3> copied = rotationOrbit(point);
    // A point on a mirror is copied by the rotations as often as by the whole
    // group, to the same places: the reflections' solid, made as they make it
    // (the same faces in the same order, so the same picture).
    if (copied.size() == orbit(point).size()) return solid(weights);
    return convexHull(copied, kSameCorner, kFlat).solid;
  }
  Polyhedron solid;
  solid.vertices = orbit(generator(weights));
  const std::vector<Vec3>& points = solid.vertices;
  // Each face lies in the supporting plane of one image of A, B or C and
  // holds the copies that reach it; a plane that touches the hull in an edge
  // or a vertex only makes no face. Every copy is a vertex of the hull (all
  // lie on the sphere), so no corner lies between two others.
  std::vector<std::pair<double, int>> around;
  for (const Vec3& normal : faceNormals_) {
    double reach = -2.0;
    for (const Vec3& p : points)
      reach = std::max(reach, dot(normal, p));
    around.clear();
    Vec3 centre;
    for (std::size_t i = 0; i < points.size(); ++i) {
      if (dot(normal, points[i]) > reach - kSamePoint) {
        around.emplace_back(0.0, static_cast<int>(i));
        centre = centre + points[i];
      }
    }
    if (around.size() < 3) continue;
    centre = centre / static_cast<double>(around.size());
    const Vec3 u = normalized(points[static_cast<std::size_t>(around[0].second)] - centre);
    const Vec3 w = cross(normal, u);
    for (auto& [angle, i] : around) {
      const Vec3 r = points[static_cast<std::size_t>(i)] - centre;
      angle = std::atan2(dot(r, w), dot(r, u));
    }
    std::sort(around.begin(), around.end());
    std::vector<int>& face = solid.faces.emplace_back();
    for (const auto& [angle, i] : around)
      face.push_back(i);
  }
  return solid;
}

std::vector<WythoffWeights> Kaleidoscope::uniformWeights(WythoffCopies copies) const {
  // On the mirror opposite a corner the generator keeps that corner's weight
  // at 0. Off a mirror, the edge across it is twice the generator's distance
  // from it, and weight w of corner X puts the generator at distance
  // w |m_X . X| from the mirror m_X opposite X: equal edges need w_X
  // proportional to 1 / |m_X . X| for every corner that has weight.
  std::array<double, 3> share{};
  for (std::size_t k = 0; k < 3; ++k)
    share[k] = 1.0 / std::fabs(dot(mirrors_[k], corners_[k]));
  std::vector<WythoffWeights> uniform;
  for (const auto& used :
       {std::array{1, 0, 0}, std::array{0, 1, 0}, std::array{0, 0, 1}, std::array{1, 1, 0},
        std::array{0, 1, 1}, std::array{1, 0, 1}, std::array{1, 1, 1}}) {
    uniform.push_back(
        *normalisedWeights(used[0] * share[0], used[1] * share[1], used[2] * share[2]));
  }
  if (copies != WythoffCopies::Reflections) uniform.back() = snubWeights();
  return uniform;
}

WythoffWeights Kaleidoscope::snubWeights() const {
  // Two mirrors through a corner make together the turn about that corner by
  // twice their angle; the snub's edges at the generator p run to its images
  // under the turns about A (mirrors CA and AB), B (AB and BC) and C (BC and
  // CA) and their inverses, and every other edge is a copy of one of these.
  // All edges are equal where the three lengths are: two equations in the
  // weights a and b (c = 1 - a - b), solved by Newton's method from the
  // middle of the triangle, with difference quotients for the derivatives.
  const auto differences = [this](double a, double b) {
    const Vec3 p = normalized(corners_[0] * a + corners_[1] * b + corners_[2] * (1.0 - a - b));
    const auto turned = [&p](Vec3 first, Vec3 second) {
      return norm(p - reflected(reflected(p, first), second));
    };
    const double aboutA = turned(mirrors_[2], mirrors_[1]);
    const double aboutB = turned(mirrors_[0], mirrors_[2]);
    const double aboutC = turned(mirrors_[1], mirrors_[0]);
    return Vec2{aboutA - aboutB, aboutB - aboutC};
  };
  const auto inside = [](double a, double b) { return a > 0.0 && b > 0.0 && a + b < 1.0; };
  double a = 1.0 / 3.0;
  double b = 1.0 / 3.0;
  Vec2 f = differences(a, b);
  for (int step = 0; step < kNewtonSteps && norm(f) > kEqualEdges; ++step) {
    const double h = kQuotientStep;
    const Vec2 da = (0.5 / h) * (differences(a + h, b) - differences(a - h, b));
    const Vec2 db = (0.5 / h) * (differences(a, b + h) - differences(a, b - h));
    const double det = da.x * db.y - db.x * da.y;
    if (!(std::fabs(det) > 0.0)) break;
    // The step that solves the linear equations, halved while it leaves the triangle.
    double stepA = -(f.x * db.y - db.x * f.y) / det;
    double stepB = -(da.x * f.y - f.x * da.y) / det;
    while (!inside(a + stepA, b + stepB) && std::fabs(stepA) + std::fabs(stepB) > 1e-16) {
      stepA /= 2.0;
      stepB /= 2.0;
    }
    a += stepA;
    b += stepB;
    f = differences(a, b);
  }
  if (!inside(a, b) || !(norm(f) <= kEqualEnough)) {
    throw EInvalidSolid(std::string("Kein gleichkantiges Abschrägen in Familie ") +
                        wythoffLetter(family_));
  }
  return WythoffWeights{a, b, 1.0 - a - b};
}

}  // namespace velkora
