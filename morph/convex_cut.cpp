#include "morph/convex_cut.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "base/face_geometry.h"

namespace velkora {

ConvexCutter::ConvexCutter(const Polyhedron& solid, double tolerance)
    : tolerance_(tolerance), vertices_(solid.vertices) {
  for (const std::vector<int>& face : solid.faces) {
    faceStart_.push_back(static_cast<int>(corners_.size()));
    corners_.insert(corners_.end(), face.begin(), face.end());
    const Vec3 normal = normalized(newellNormal(solid.vertices, face));
    planes_.push_back(
        {normal, dot(normal, cornerMean(solid.vertices, face)), static_cast<int>(planes_.size())});
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

void ConvexCutter::cut(Vec3 normal, double offset, int planeLabel) {
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
  nextPlanes_.clear();
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
      nextPlanes_.push_back(planes_[f]);
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
      nextPlanes_.push_back(planes_[f]);
    }
  }
  closeCut(n, d, planeLabel);
  corners_.swap(nextCorners_);
  faceStart_.swap(nextStart_);
  planes_.swap(nextPlanes_);
}

// The new face: the points on the plane, counter-clockwise seen from the
// outer side (along normal).
void ConvexCutter::closeCut(Vec3 normal, double offset, int label) {
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
  nextPlanes_.push_back({normal, offset, label});
  for (const auto& [angle, p] : capOrder_)
    nextCorners_.push_back(p);
}

std::size_t ConvexCutter::faceEnd(std::size_t f) const {
  return f + 1 < faceStart_.size() ? static_cast<std::size_t>(faceStart_[f + 1]) : corners_.size();
}

std::vector<int> ConvexCutter::mergedVertices() const {
  // Edges shorter than the tolerance join their ends (union-find by the lower
  // index); every entry ends up naming its group's lowest vertex.
  std::vector<int> root(vertices_.size());
  std::iota(root.begin(), root.end(), 0);
  const auto find = [&](int v) {
    while (root[static_cast<std::size_t>(v)] != v)
      v = root[static_cast<std::size_t>(v)];
    return v;
  };
  for (std::size_t f = 0; f < faceStart_.size(); ++f) {
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
  for (int& r : root)
    r = find(r);
  return root;
}

std::vector<Vec3> ConvexCutter::mergedPositions(const std::vector<int>& root) const {
  // A merged vertex goes where the planes of its faces meet best (least
  // squares): what rounding split into several near points becomes one point
  // on all of its faces, so that they stay flat.
  std::vector<Vec3> position(vertices_);
  std::vector<bool> merged(vertices_.size(), false);
  for (std::size_t v = 0; v < vertices_.size(); ++v) {
    if (root[v] != static_cast<int>(v)) merged[static_cast<std::size_t>(root[v])] = true;
  }
  struct Meeting {
    std::array<Vec3, 3> columns{};  // the sum of n n^T over the vertex's faces
    Vec3 r;                         // the sum of n d
    int lastFace = -1;
  };
  std::vector<Meeting> meeting(vertices_.size());
  for (std::size_t f = 0; f < faceStart_.size(); ++f) {
    const Plane& plane = planes_[f];
    const Vec3 n = plane.normal;
    for (std::size_t i = static_cast<std::size_t>(faceStart_[f]); i < faceEnd(f); ++i) {
      const std::size_t v = static_cast<std::size_t>(root[static_cast<std::size_t>(corners_[i])]);
      Meeting& at = meeting[v];
      if (!merged[v] || at.lastFace == static_cast<int>(f)) continue;
      at.lastFace = static_cast<int>(f);
      at.columns = {at.columns[0] + n * n.x, at.columns[1] + n * n.y, at.columns[2] + n * n.z};
      at.r = at.r + n * plane.offset;
    }
  }
  for (std::size_t v = 0; v < vertices_.size(); ++v) {
    if (!merged[v]) continue;
    const auto& [c0, c1, c2] = meeting[v].columns;
    const double det = dot(c0, cross(c1, c2));
    // Fewer than three independent planes leave the point where it is.
    if (!(std::fabs(det) > 1e-6)) continue;
    const Vec3 r = meeting[v].r;
    position[v] = {dot(r, cross(c1, c2)) / det, dot(c0, cross(r, c2)) / det,
                   dot(c0, cross(c1, r)) / det};
  }
  return position;
}

Polyhedron ConvexCutter::result(std::vector<int>* labels) const {
  if (labels != nullptr) labels->clear();
  const std::vector<int> root = mergedVertices();
  const std::vector<Vec3> position = mergedPositions(root);
  Polyhedron out;
  std::vector<int> renumbered(vertices_.size(), -1);
  std::vector<int> face;
  for (std::size_t f = 0; f < faceStart_.size(); ++f) {
    face.clear();
    for (std::size_t i = static_cast<std::size_t>(faceStart_[f]); i < faceEnd(f); ++i) {
      const int v = root[static_cast<std::size_t>(corners_[i])];
      if (face.empty() || face.back() != v) face.push_back(v);
    }
    while (face.size() > 1 && face.front() == face.back())
      face.pop_back();
    if (face.size() < 3) continue;
    for (int& v : face) {
      int& number = renumbered[static_cast<std::size_t>(v)];
      if (number < 0) {
        number = static_cast<int>(out.vertices.size());
        out.vertices.push_back(position[static_cast<std::size_t>(v)]);
      }
      v = number;
    }
    out.faces.push_back(face);
    if (labels != nullptr) labels->push_back(planes_[f].label);
  }
  return out;
}

}  // namespace velkora
