#include "base/convex_solid.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "base/errors.h"
#include "base/face_geometry.h"

namespace velkora {

namespace {

std::string faceText(std::size_t f) { return "Fläche " + std::to_string(f); }
std::string edgeText(int from, int to) {
  return "Die Kante " + std::to_string(from) + "-" + std::to_string(to);
}

// One directed edge of an outward face: from, to, and the half-edge number.
using DirectedEdge = std::tuple<int, int, int>;

// Each check returns the problem it found, or an empty text.
std::string checkCounts(std::span<const Vec3> points, std::size_t faceCount) {
  if (points.size() < 4 || faceCount < 4) {
    return "Körper mit " + std::to_string(points.size()) + " Ecken und " +
           std::to_string(faceCount) + " Flächen umschließt keinen Raum";
  }
  for (std::size_t v = 0; v < points.size(); ++v) {
    const Vec3& p = points[v];
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) {
      return "Ecke " + std::to_string(v) + " hat eine Koordinate, die keine endliche Zahl ist";
    }
  }
  return {};
}

std::string checkCorners(std::span<const Vec3> points, std::span<const int> face, std::size_t f) {
  if (face.size() < 3) return faceText(f) + " hat weniger als 3 Ecken";
  const int count = static_cast<int>(points.size());
  for (std::size_t i = 0; i < face.size(); ++i) {
    if (face[i] < 0 || face[i] >= count) {
      return faceText(f) + ": Ecke " + std::to_string(face[i]) + " liegt außerhalb 0 bis " +
             std::to_string(count - 1);
    }
    if (std::find(face.begin(), face.begin() + static_cast<std::ptrdiff_t>(i), face[i]) !=
        face.begin() + static_cast<std::ptrdiff_t>(i)) {
      return faceText(f) + ": Ecke " + std::to_string(face[i]) + " kommt zweimal vor";
    }
  }
  for (std::size_t i = 0; i < face.size(); ++i) {
    const int a = face[i];
    const int b = face[(i + 1) % face.size()];
    if (!(norm(points[static_cast<std::size_t>(b)] - points[static_cast<std::size_t>(a)]) > 0.0)) {
      return faceText(f) + ": die Ecken " + std::to_string(a) + " und " + std::to_string(b) +
             " liegen aufeinander";
    }
  }
  return {};
}

// The outward unit normal of face f, or a problem: no area, the centre not
// strictly inside its plane, or a point outside it beyond the tolerance.
std::string orientFace(std::span<const Vec3> points, std::span<const int> face, std::size_t f,
                       double slack, ConvexSolid& solid) {
  const Vec3 n = newellNormal(points, face);
  const double length = norm(n);
  if (!(length > 0.0)) {
    return faceText(f) + " hat keine Fläche oder liegt in einer Ebene mit dem Mittelpunkt";
  }
  Vec3 normal = n / length;
  const double plane = dot(normal, cornerMean(points, face));
  double inside = plane - dot(normal, solid.centre);
  const bool turned = inside < 0.0;
  if (turned) {
    normal = -normal;
    inside = -inside;
  }
  if (!(inside > slack)) {
    return faceText(f) + " hat keine Fläche oder liegt in einer Ebene mit dem Mittelpunkt";
  }
  const double outer = turned ? -plane : plane;
  for (std::size_t v = 0; v < points.size(); ++v) {
    if (dot(normal, points[v]) > outer + slack) {
      return "Der Körper ist nicht konvex: Ecke " + std::to_string(v) + " liegt außerhalb der " +
             faceText(f);
    }
  }
  std::vector<int> corners(face.begin(), face.end());
  if (turned) std::reverse(corners.begin() + 1, corners.end());
  solid.faces.push_back(std::move(corners));
  solid.turned.push_back(turned);
  solid.normals.push_back(normal);
  return {};
}

// Every directed edge once, its reverse once, and the faces round every
// point one closed fan of at least three edges.
std::string checkClosed(std::size_t pointCount, ConvexSolid& solid) {
  std::vector<DirectedEdge> edges;
  std::vector<int> previousOf;  // per half-edge: the half-edge before it in its face
  for (const auto& face : solid.faces) {
    const int first = static_cast<int>(edges.size());
    const int n = static_cast<int>(face.size());
    for (int i = 0; i < n; ++i) {
      edges.emplace_back(face[static_cast<std::size_t>(i)],
                         face[static_cast<std::size_t>((i + 1) % n)], first + i);
      previousOf.push_back(first + (i + n - 1) % n);
    }
  }
  std::vector<DirectedEdge> sorted = edges;
  std::sort(sorted.begin(), sorted.end());
  std::vector<int> twin(edges.size(), -1);
  for (std::size_t k = 0; k < sorted.size(); ++k) {
    const auto [from, to, h] = sorted[k];
    if (k + 1 < sorted.size() && std::get<0>(sorted[k + 1]) == from &&
        std::get<1>(sorted[k + 1]) == to) {
      return edgeText(from, to) + " liegt auf mehr als einer Fläche in derselben Richtung";
    }
    const auto partner = std::lower_bound(sorted.begin(), sorted.end(), DirectedEdge{to, from, -1});
    if (partner == sorted.end() || std::get<0>(*partner) != to || std::get<1>(*partner) != from) {
      return edgeText(from, to) + " gehört nur zu einer Fläche";
    }
    twin[static_cast<std::size_t>(h)] = std::get<2>(*partner);
  }
  // Half-edges leaving each point; turning round a point steps from a
  // half-edge to the twin of the one before it in its face.
  std::vector<int> leaving(pointCount, 0);
  std::vector<int> someLeaving(pointCount, -1);
  for (const auto& [from, to, h] : edges) {
    ++leaving[static_cast<std::size_t>(from)];
    someLeaving[static_cast<std::size_t>(from)] = h;
  }
  for (std::size_t v = 0; v < pointCount; ++v) {
    if (leaving[v] < 3) {
      return "Ecke " + std::to_string(v) + " liegt an weniger als 3 Kanten";
    }
    const int start = someLeaving[v];
    int h = start;
    int steps = 0;
    do {
      h = twin[static_cast<std::size_t>(previousOf[static_cast<std::size_t>(h)])];
      ++steps;
    } while (h != start && steps <= leaving[v]);
    if (steps != leaving[v]) {
      return "Die Flächen an Ecke " + std::to_string(v) + " bilden keinen geschlossenen Kranz";
    }
  }
  solid.edgeCount = static_cast<int>(edges.size()) / 2;
  return {};
}

}  // namespace

bool tryConvexSolid(std::span<const Vec3> points, std::span<const std::span<const int>> faces,
                    double tolerance, ConvexSolid& solid, std::string& problem) {
  solid = {};
  problem = checkCounts(points, faces.size());
  for (std::size_t f = 0; problem.empty() && f < faces.size(); ++f) {
    problem = checkCorners(points, faces[f], f);
  }
  if (!problem.empty()) return false;
  for (const Vec3& p : points)
    solid.centre = solid.centre + p;
  solid.centre = solid.centre / static_cast<double>(points.size());
  for (const Vec3& p : points)
    solid.reach = std::max(solid.reach, norm(p - solid.centre));
  const double slack = tolerance * solid.reach;
  solid.faces.reserve(faces.size());
  for (std::size_t f = 0; problem.empty() && f < faces.size(); ++f) {
    problem = orientFace(points, faces[f], f, slack, solid);
  }
  if (problem.empty()) problem = checkClosed(points.size(), solid);
  return problem.empty();
}

ConvexSolid checkConvexSolid(std::span<const Vec3> points, std::span<const std::vector<int>> faces,
                             double tolerance) {
  const std::vector<std::span<const int>> corners(faces.begin(), faces.end());
  ConvexSolid solid;
  std::string problem;
  if (!tryConvexSolid(points, corners, tolerance, solid, problem)) {
    throw EInvalidSolid(problem);
  }
  return solid;
}

}  // namespace velkora
