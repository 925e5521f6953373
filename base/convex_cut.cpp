#include "base/convex_cut.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace velkora {

ConvexCutter::ConvexCutter(const Polyhedron& solid, double tolerance)
    : tolerance_(tolerance), vertices_(solid.vertices) {
  for (const std::vector<int>& face : solid.faces) {
    faceStart_.push_back(static_cast<int>(corners_.size()));
    corners_.insert(corners_.end(), face.begin(), face.end());
  }
}

int ConvexCutter::crossingVertex(int a, int b) {
  const int from = std::min(a, b);
  const int to = std::max(a, b);
  for (const Crossing& c : crossings_) {
    if (c.from == from && c.to == to) return c.vertex;
  }
  const double da = distance_[static_cast<std::size_t>(from)];
  const double db = distance_[static_cast<std::size_t>(to)];
  const Vec3 p = vertices_[static_cast<std::size_t>(from)];
  const Vec3 q = vertices_[static_cast<std::size_t>(to)];
  vertices_.push_back(p + (q - p) * (da / (da - db)));
  distance_.push_back(0.0);
  measuredIn_.push_back(cutNumber_);
  const int vertex = static_cast<int>(vertices_.size()) - 1;
  crossings_.push_back({from, to, vertex});
  return vertex;
}

void ConvexCutter::cut(Vec3 normal, double offset) {
  const double length = norm(normal);
  if (!(length > 0.0)) return;
  const Vec3 n = normal / length;
  const double d = offset / length;
  // Distances only of the vertices that faces still use; earlier cuts leave
  // many vertices behind that no face names any more.
  ++cutNumber_;
  distance_.resize(vertices_.size());
  measuredIn_.resize(vertices_.size(), 0);
  bool anyOutside = false;
  for (const int v : corners_) {
    const std::size_t i = static_cast<std::size_t>(v);
    if (measuredIn_[i] == cutNumber_) continue;
    measuredIn_[i] = cutNumber_;
    distance_[i] = dot(n, vertices_[i]) - d;
    anyOutside = anyOutside || distance_[i] > tolerance_;
  }
  if (!anyOutside) return;

  nextCorners_.clear();
  nextStart_.clear();
  capPoints_.clear();
  crossings_.clear();
  const auto inside = [&](int v) { return distance_[static_cast<std::size_t>(v)] < -tolerance_; };
  const auto outside = [&](int v) { return distance_[static_cast<std::size_t>(v)] > tolerance_; };
  for (std::size_t f = 0; f < faceStart_.size(); ++f) {
    const std::size_t begin = static_cast<std::size_t>(faceStart_[f]);
    const std::size_t end =
        f + 1 < faceStart_.size() ? static_cast<std::size_t>(faceStart_[f + 1]) : corners_.size();
    const std::size_t start = nextCorners_.size();
    bool whollyInside = true;
    for (std::size_t i = begin; i < end && whollyInside; ++i)
      whollyInside = inside(corners_[i]);
    if (whollyInside) {
      nextStart_.push_back(static_cast<int>(start));
      nextCorners_.insert(nextCorners_.end(), corners_.begin() + static_cast<std::ptrdiff_t>(begin),
                          corners_.begin() + static_cast<std::ptrdiff_t>(end));
      continue;
    }
    for (std::size_t i = begin; i < end; ++i) {
      const int a = corners_[i];
      const int b = corners_[i + 1 < end ? i + 1 : begin];
      if (!outside(a)) {
        nextCorners_.push_back(a);
        if (!inside(a)) capPoints_.push_back(a);
      }
      if ((inside(a) && outside(b)) || (outside(a) && inside(b))) {
        const int c = crossingVertex(a, b);
        nextCorners_.push_back(c);
        capPoints_.push_back(c);
      }
    }
    if (nextCorners_.size() - start < 3) {
      nextCorners_.resize(start);
    } else {
      nextStart_.push_back(static_cast<int>(start));
    }
  }
  closeCut(n);
  corners_.swap(nextCorners_);
  faceStart_.swap(nextStart_);
}

// The new face: the points on the plane, counter-clockwise seen from the
// outer side (along normal).
void ConvexCutter::closeCut(Vec3 normal) {
  std::sort(capPoints_.begin(), capPoints_.end());
  capPoints_.erase(std::unique(capPoints_.begin(), capPoints_.end()), capPoints_.end());
  if (capPoints_.size() < 3) return;
  Vec3 centre;
  for (const int p : capPoints_)
    centre = centre + vertices_[static_cast<std::size_t>(p)];
  centre = centre / static_cast<double>(capPoints_.size());
  Vec3 u;
  for (const int p : capPoints_) {
    const Vec3 r = vertices_[static_cast<std::size_t>(p)] - centre;
    if (dot(r, r) > dot(u, u)) u = r;
  }
  if (!(norm(u) > tolerance_)) return;
  const Vec3 w = cross(normal, u);
  capOrder_.clear();
  for (const int p : capPoints_) {
    const Vec3 r = vertices_[static_cast<std::size_t>(p)] - centre;
    capOrder_.emplace_back(std::atan2(dot(r, w), dot(r, u)), p);
  }
  std::sort(capOrder_.begin(), capOrder_.end());
  nextStart_.push_back(static_cast<int>(nextCorners_.size()));
  for (const auto& [angle, p] : capOrder_)
    nextCorners_.push_back(p);
}

Polyhedron ConvexCutter::result() const {
  // Edges shorter than the tolerance join their ends (union-find by the lower index).
  std::vector<int> root(vertices_.size());
  std::iota(root.begin(), root.end(), 0);
  const auto find = [&](int v) {
    while (root[static_cast<std::size_t>(v)] != v)
      v = root[static_cast<std::size_t>(v)];
    return v;
  };
  const std::size_t faceCount = faceStart_.size();
  const auto faceEnd = [&](std::size_t f) {
    return f + 1 < faceCount ? static_cast<std::size_t>(faceStart_[f + 1]) : corners_.size();
  };
  for (std::size_t f = 0; f < faceCount; ++f) {
    const std::size_t begin = static_cast<std::size_t>(faceStart_[f]);
    const std::size_t end = faceEnd(f);
    for (std::size_t i = begin; i < end; ++i) {
      const int a = find(corners_[i]);
      const int b = find(corners_[i + 1 < end ? i + 1 : begin]);
      if (a != b && norm(vertices_[static_cast<std::size_t>(a)] -
                         vertices_[static_cast<std::size_t>(b)]) <= tolerance_) {
        root[static_cast<std::size_t>(std::max(a, b))] = std::min(a, b);
      }
    }
  }

  Polyhedron out;
  std::vector<int> renumbered(vertices_.size(), -1);
  std::vector<int> face;
  for (std::size_t f = 0; f < faceCount; ++f) {
    face.clear();
    for (std::size_t i = static_cast<std::size_t>(faceStart_[f]); i < faceEnd(f); ++i) {
      const int v = find(corners_[i]);
      if (face.empty() || face.back() != v) face.push_back(v);
    }
    while (face.size() > 1 && face.front() == face.back())
      face.pop_back();
    if (face.size() < 3) continue;
    for (int& v : face) {
      int& number = renumbered[static_cast<std::size_t>(v)];
      if (number < 0) {
        number = static_cast<int>(out.vertices.size());
        out.vertices.push_back(vertices_[static_cast<std::size_t>(v)]);
      }
      v = number;
    }
    out.faces.push_back(face);
  }
  return out;
}

}  // namespace velkora
