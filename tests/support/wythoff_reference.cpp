#include "tests/support/wythoff_reference.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <set>
#include <string>
#include <utility>

namespace velkora::reference {
namespace {

// Orbit points and group elements closer than this are one; all points lie on the unit sphere,
// so the tolerance is relative to the circumradius.
constexpr double kSame = 1e-9;

// The orbit and its hull are computed in long double: the normal of a plane through orbit points
// that lie close together (weights near a corner or side) is otherwise too coarse for kSame.
using Real = long double;
using Point = BasicVec3<Real>;
using Matrix = std::array<Real, 9>;  // row-major 3x3

Matrix multiply(const Matrix& p, const Matrix& q) {
  Matrix r{};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      for (int k = 0; k < 3; ++k) {
        r[i * 3 + j] += p[i * 3 + k] * q[k * 3 + j];
      }
    }
  }
  return r;
}

Point apply(const Matrix& m, Point v) {
  return {m[0] * v.x + m[1] * v.y + m[2] * v.z, m[3] * v.x + m[4] * v.y + m[5] * v.z,
          m[6] * v.x + m[7] * v.y + m[8] * v.z};
}

// The reflection in the plane through the origin with unit normal n: I - 2 n n^T.
Matrix reflection(Point n) {
  const std::array<Real, 3> c{n.x, n.y, n.z};
  Matrix r{};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      r[i * 3 + j] = (i == j ? 1.0L : 0.0L) - 2.0L * c[i] * c[j];
    }
  }
  return r;
}

bool sameMatrix(const Matrix& p, const Matrix& q) {
  for (int i = 0; i < 9; ++i) {
    if (std::abs(p[i] - q[i]) > kSame) {
      return false;
    }
  }
  return true;
}

// The corners A, B, C of the fundamental triangle, unit length.
std::array<Point, 3> corners(ReferenceFamily family) {
  const Real phi = (1.0L + std::sqrt(5.0L)) / 2.0L;
  switch (family) {
    case ReferenceFamily::T:
      return {normalized(Point{1, 1, 1}), Point{1, 0, 0}, normalized(Point{1, 1, -1})};
    case ReferenceFamily::O:
      return {normalized(Point{1, 1, 1}), normalized(Point{1, 1, 0}), Point{1, 0, 0}};
    case ReferenceFamily::I:
      return {normalized(Point{1, 1, 1}),
              normalized(0.5L * (Point{1, 1, 1} + Point{0, 1 / phi, phi})),
              normalized(Point{0, phi, 1})};
  }
  return {};
}

// The unit normal of the mirror opposite each corner (through the other two), pointing to
// that corner's side.
std::array<Point, 3> mirrorNormals(ReferenceFamily family) {
  const auto k = corners(family);
  std::array<Point, 3> n;
  for (int i = 0; i < 3; ++i) {
    n[i] = normalized(cross(k[(i + 1) % 3], k[(i + 2) % 3]));
    if (dot(n[i], k[i]) < 0) {
      n[i] = -n[i];
    }
  }
  return n;
}

// Every product of the three mirror reflections, each once.
std::vector<Matrix> buildGroup(ReferenceFamily family) {
  std::vector<Matrix> generators;
  for (const Point& n : mirrorNormals(family)) {
    generators.push_back(reflection(n));
  }
  std::vector<Matrix> group{Matrix{1, 0, 0, 0, 1, 0, 0, 0, 1}};
  for (std::size_t i = 0; i < group.size(); ++i) {
    for (const Matrix& g : generators) {
      const Matrix m = multiply(group[i], g);
      const bool known = std::any_of(group.begin(), group.end(),
                                     [&](const Matrix& e) { return sameMatrix(e, m); });
      if (!known) {
        group.push_back(m);
      }
      if (group.size() > 1000) {
        throw Error("Die Spiegel erzeugen keine endliche Gruppe.");
      }
    }
  }
  return group;
}

const std::vector<Matrix>& group(ReferenceFamily family) {
  static const std::array<std::vector<Matrix>, 3> groups{buildGroup(ReferenceFamily::T),
                                                         buildGroup(ReferenceFamily::O),
                                                         buildGroup(ReferenceFamily::I)};
  return groups[static_cast<std::size_t>(family)];
}

std::string weightText(double value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

Point generator(ReferenceFamily family, double a, double b, double c) {
  const bool finite = std::isfinite(a) && std::isfinite(b) && std::isfinite(c);
  if (!finite || a < 0 || b < 0 || c < 0 || a + b + c <= 0) {
    throw EReferenceWeights("Ungültige Gewichte " + weightText(a) + ", " + weightText(b) + ", " +
                            weightText(c) + ": nötig sind Zahlen ≥ 0, nicht alle 0.");
  }
  const Real sum = Real(a) + b + c;
  const auto k = corners(family);
  return normalized((a / sum) * k[0] + (b / sum) * k[1] + (c / sum) * k[2]);
}

std::vector<Point> orbit(ReferenceFamily family, Point g) {
  std::vector<Point> points;
  for (const Matrix& m : group(family)) {
    const Point p = apply(m, g);
    const bool known =
        std::any_of(points.begin(), points.end(), [&](Point q) { return norm(p - q) <= kSame; });
    if (!known) {
      points.push_back(p);
    }
  }
  return points;
}

// The faces of the hull of points on the unit sphere (all of them hull vertices), by trying every
// triple as a supporting plane. Each face: its vertex indices counter-clockwise seen from outside.
std::vector<std::vector<int>> hullFaces(const std::vector<Point>& points) {
  const int count = static_cast<int>(points.size());
  std::set<std::vector<int>> found;
  std::vector<std::vector<int>> faces;
  for (int i = 0; i < count; ++i) {
    for (int j = i + 1; j < count; ++j) {
      for (int k = j + 1; k < count; ++k) {
        Point n = cross(points[j] - points[i], points[k] - points[i]);
        if (norm(n) < 1e-30L) {
          continue;
        }
        n = normalized(n);
        Real d = dot(n, points[i]);
        if (d < 0) {
          n = -n;
          d = -d;
        }
        std::vector<int> on;
        bool supporting = true;
        for (int m = 0; m < count; ++m) {
          const Real s = dot(n, points[m]) - d;
          if (s > kSame) {
            supporting = false;
            break;
          }
          if (s >= -kSame) {
            on.push_back(m);
          }
        }
        // Fewer than three points on the plane: a normal too coarse to trust (points closer
        // than about kSame); the face is found again from a wider triple.
        if (!supporting || on.size() < 3 || !found.insert(on).second) {
          continue;
        }
        // Order the face's corners by angle about its centre, counter-clockwise about n.
        Point centre{};
        for (int m : on) {
          centre = centre + points[m];
        }
        centre = centre / static_cast<Real>(on.size());
        const Point u = normalized(points[on[0]] - centre);
        const Point v = cross(n, u);
        std::sort(on.begin(), on.end(), [&](int p, int q) {
          const Point dp = points[p] - centre;
          const Point dq = points[q] - centre;
          return std::atan2(dot(dp, v), dot(dp, u)) < std::atan2(dot(dq, v), dot(dq, u));
        });
        faces.push_back(on);
      }
    }
  }
  return faces;
}

}  // namespace

ReferenceHull wythoffHull(ReferenceFamily family, double a, double b, double c) {
  ReferenceHull hull;
  const std::vector<Point> points = orbit(family, generator(family, a, b, c));
  hull.faces = hullFaces(points);
  for (const Point& p : points) {
    hull.vertices.push_back(
        {static_cast<double>(p.x), static_cast<double>(p.y), static_cast<double>(p.z)});
  }
  return hull;
}

WythoffFacts wythoffFacts(ReferenceFamily family, double a, double b, double c) {
  const ReferenceHull hull = wythoffHull(family, a, b, c);
  WythoffFacts facts;
  facts.vertices = static_cast<int>(hull.vertices.size());
  facts.faces = static_cast<int>(hull.faces.size());
  std::map<std::pair<int, int>, int> sharedFaces;
  for (const auto& face : hull.faces) {
    ++facts.faceKinds[static_cast<int>(face.size())];
    // Area as a fan from the face's first corner, volume as the pyramid over the face with its
    // apex at the centre (inside, as the orbit is symmetric).
    const Vec3 p0 = hull.vertices[face[0]];
    double faceArea = 0.0;
    for (std::size_t i = 1; i + 1 < face.size(); ++i) {
      faceArea += 0.5 * norm(cross(hull.vertices[face[i]] - p0, hull.vertices[face[i + 1]] - p0));
    }
    const Vec3 n = normalized(cross(hull.vertices[face[1]] - p0, hull.vertices[face[2]] - p0));
    facts.area += faceArea;
    facts.volume += faceArea * std::abs(dot(n, p0)) / 3.0;
    for (std::size_t i = 0; i < face.size(); ++i) {
      for (std::size_t j = i + 1; j < face.size(); ++j) {
        ++sharedFaces[{std::min(face[i], face[j]), std::max(face[i], face[j])}];
      }
    }
  }
  for (const auto& [pair, shared] : sharedFaces) {
    if (shared == 2) {
      facts.edgeLengths.push_back(norm(hull.vertices[pair.first] - hull.vertices[pair.second]));
    }
  }
  std::sort(facts.edgeLengths.begin(), facts.edgeLengths.end());
  facts.edges = static_cast<int>(facts.edgeLengths.size());
  // Orbit points only just farther apart than kSame (weights within about 1e-9 of a side) make
  // the facets ambiguous; refuse rather than report a surface that is not closed.
  if (facts.vertices - facts.edges + facts.faces != 2) {
    throw Error("Referenzhülle nicht geschlossen bei Gewichten " + weightText(a) + ", " +
                weightText(b) + ", " + weightText(c) + ".");
  }
  return facts;
}

int groupOrder(ReferenceFamily family) { return static_cast<int>(group(family).size()); }

bool similarShape(const WythoffFacts& x, const WythoffFacts& y, double tolerance) {
  if (x.faceKinds != y.faceKinds || x.edgeLengths.size() != y.edgeLengths.size() ||
      x.edgeLengths.empty()) {
    return false;
  }
  const double sx = x.edgeLengths.back();
  const double sy = y.edgeLengths.back();
  for (std::size_t i = 0; i < x.edgeLengths.size(); ++i) {
    if (std::abs(x.edgeLengths[i] / sx - y.edgeLengths[i] / sy) > tolerance) {
      return false;
    }
  }
  return true;
}

std::vector<ReferenceWythoffStop> wythoffStops(ReferenceFamily family) {
  // Reflecting g in the mirror opposite corner i moves it by twice its distance to that mirror,
  // and g with weights w has distance w_i h_i / |aA + bB + cC| to it, h_i being corner i's
  // height over the mirror. Those moves are the edges of W, so W has equal edges exactly where the
  // nonzero w_i h_i are equal: w_i proportional to 1 / h_i over the corners in use.
  const auto k = corners(family);
  const auto n = mirrorNormals(family);
  std::array<Real, 3> inverseHeight{};
  for (int i = 0; i < 3; ++i) {
    inverseHeight[i] = 1.0 / dot(k[i], n[i]);
  }
  const std::array<std::array<bool, 3>, 7> inUse{{{true, false, false},
                                                  {false, true, false},
                                                  {false, false, true},
                                                  {true, true, false},
                                                  {false, true, true},
                                                  {true, false, true},
                                                  {true, true, true}}};
  std::vector<ReferenceWythoffStop> stops;
  for (const auto& use : inUse) {
    std::array<Real, 3> w{};
    Real sum = 0.0L;
    for (int i = 0; i < 3; ++i) {
      w[i] = use[i] ? inverseHeight[i] : 0.0;
      sum += w[i];
    }
    ReferenceWythoffStop stop{static_cast<double>(w[0] / sum),
                              static_cast<double>(w[1] / sum),
                              static_cast<double>(w[2] / sum),
                              {}};
    stop.facts = wythoffFacts(family, stop.a, stop.b, stop.c);
    stops.push_back(stop);
  }
  return stops;
}

}  // namespace velkora::reference
