#include "properties/face_orbits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <map>
#include <numeric>
#include <set>
#include <utility>

namespace velkora {
namespace {

// Corners and their images agree to this fraction of the solid's largest
// radius: the catalogue's seven digits and the frames built on one edge stay
// far inside it, and the corners of the solids lie much farther apart.
constexpr double kRelativeTolerance = 1e-4;

std::size_t cornerSlot(int index) { return static_cast<std::size_t>(index); }

using OrbitFrame = std::array<Vec3, 3>;  // orthonormal rows

// The frame of a directed edge seen from the centre: along the tail, towards
// the head within the plane of both, and their right-handed normal. Needs a
// tail away from the centre and a head off the tail's line.
OrbitFrame frameOfEdge(Vec3 tail, Vec3 head) {
  const Vec3 e1 = normalized(tail);
  const Vec3 e2 = normalized(head - dot(head, e1) * e1);
  return {e1, e2, cross(e1, e2)};
}

// p carried by the isometry that lays frame from onto frame to.
Vec3 carried(const OrbitFrame& from, const OrbitFrame& to, Vec3 p) {
  return dot(from[0], p) * to[0] + dot(from[1], p) * to[1] + dot(from[2], p) * to[2];
}

// The solid with coinciding corners merged: corner positions relative to
// their mean, each face as its sorted set of merged corners, and the edges.
struct MergedSolid {
  std::vector<Vec3> points;
  std::vector<std::vector<int>> faceKeys;
  std::map<std::vector<int>, int> faceOfKey;  // the first face with that key
  std::vector<std::pair<int, int>> edges;     // both directions
  double tolerance = 0.0;
};

MergedSolid mergeCorners(const Polyhedron& solid) {
  MergedSolid m;
  std::vector<int> mergedOf(solid.vertices.size(), -1);
  double reach = 0.0;
  for (const Vec3& v : solid.vertices)
    reach = std::max(reach, norm(v));
  // A first, absolute bound for merging; the one relative to the centre follows.
  const double mergeTolerance = kRelativeTolerance * reach;
  for (std::size_t k = 0; k < solid.vertices.size(); ++k) {
    const Vec3& v = solid.vertices[k];
    for (std::size_t j = 0; j < m.points.size() && mergedOf[k] < 0; ++j) {
      if (norm(m.points[j] - v) <= mergeTolerance) mergedOf[k] = static_cast<int>(j);
    }
    if (mergedOf[k] < 0) {
      mergedOf[k] = static_cast<int>(m.points.size());
      m.points.push_back(v);
    }
  }
  Vec3 centre;
  for (const Vec3& p : m.points)
    centre = centre + p;
  if (!m.points.empty()) centre = centre / static_cast<double>(m.points.size());
  double radius = 0.0;
  for (Vec3& p : m.points) {
    p = p - centre;
    radius = std::max(radius, norm(p));
  }
  m.tolerance = kRelativeTolerance * radius;

  std::set<std::pair<int, int>> edges;
  for (std::size_t f = 0; f < solid.faces.size(); ++f) {
    const std::vector<int>& face = solid.faces[f];
    std::vector<int> key;
    for (std::size_t i = 0; i < face.size(); ++i) {
      const int corner = face[i];
      const int next = face[(i + 1) % face.size()];
      if (corner < 0 || cornerSlot(corner) >= mergedOf.size() || next < 0 ||
          cornerSlot(next) >= mergedOf.size()) {
        continue;  // a corner out of range is no corner
      }
      const int a = mergedOf[cornerSlot(corner)];
      const int b = mergedOf[cornerSlot(next)];
      key.push_back(a);
      if (a != b) {
        edges.insert({a, b});
        edges.insert({b, a});
      }
    }
    std::sort(key.begin(), key.end());
    key.erase(std::unique(key.begin(), key.end()), key.end());
    m.faceOfKey.emplace(key, static_cast<int>(f));
    m.faceKeys.push_back(std::move(key));
  }
  m.edges.assign(edges.begin(), edges.end());
  return m;
}

// Where each corner goes under the isometry from -> to, or empty when some
// corner lands on no corner or two land on one.
std::vector<int> cornerImages(const MergedSolid& m, const OrbitFrame& from, const OrbitFrame& to) {
  std::vector<int> image(m.points.size(), -1);
  std::vector<char> taken(m.points.size(), 0);
  for (std::size_t k = 0; k < m.points.size(); ++k) {
    const Vec3 moved = carried(from, to, m.points[k]);
    for (std::size_t j = 0; j < m.points.size(); ++j) {
      if (!taken[j] && norm(m.points[j] - moved) <= m.tolerance) {
        image[k] = static_cast<int>(j);
        taken[j] = 1;
        break;
      }
    }
    if (image[k] < 0) return {};
  }
  return image;
}

// The face each face goes to when the corners go to image, or empty when
// some face's corners make no face.
std::vector<int> faceImages(const MergedSolid& m, const std::vector<int>& image) {
  std::vector<int> faces(m.faceKeys.size(), -1);
  std::vector<int> key;
  for (std::size_t f = 0; f < m.faceKeys.size(); ++f) {
    key.clear();
    for (const int corner : m.faceKeys[f])
      key.push_back(image[cornerSlot(corner)]);
    std::sort(key.begin(), key.end());
    const auto found = m.faceOfKey.find(key);
    if (found == m.faceOfKey.end()) return {};
    faces[f] = found->second;
  }
  return faces;
}

int rootOf(std::vector<int>& parent, int x) {
  while (parent[cornerSlot(x)] != x) {
    parent[cornerSlot(x)] = parent[cornerSlot(parent[cornerSlot(x)])];
    x = parent[cornerSlot(x)];
  }
  return x;
}

}  // namespace

// Every symmetry carries a directed edge onto a directed edge, and is fixed
// by that and by whether it turns the hand; so laying one edge onto each
// edge alike in lengths, both ways round, finds them all.
FaceOrbits faceOrbits(const Polyhedron& solid) {
  FaceOrbits orbits;
  const std::size_t faceCount = solid.faces.size();
  if (faceCount == 0) return orbits;
  const MergedSolid m = mergeCorners(solid);
  std::vector<int> parent(faceCount);
  std::iota(parent.begin(), parent.end(), 0);
  // Faces with the same corners are one face however often listed.
  for (std::size_t f = 0; f < faceCount; ++f) {
    parent[f] = rootOf(parent, m.faceOfKey.at(m.faceKeys[f]));
  }

  // The edge laid onto the others: its tail away from the centre and its
  // head off the tail's line, so that it fixes a frame.
  const auto usable = [&](const std::pair<int, int>& e) {
    const Vec3 tail = m.points[cornerSlot(e.first)];
    const Vec3 head = m.points[cornerSlot(e.second)];
    return norm(tail) > m.tolerance && norm(cross(tail, head)) > m.tolerance * norm(tail);
  };
  const auto source = std::find_if(m.edges.begin(), m.edges.end(), usable);
  if (source != m.edges.end()) {
    const Vec3 p = m.points[cornerSlot(source->first)];
    const Vec3 q = m.points[cornerSlot(source->second)];
    const OrbitFrame from = frameOfEdge(p, q);
    for (const auto& edge : m.edges) {
      const Vec3 r = m.points[cornerSlot(edge.first)];
      const Vec3 s = m.points[cornerSlot(edge.second)];
      if (std::fabs(norm(r) - norm(p)) > m.tolerance ||
          std::fabs(norm(s) - norm(q)) > m.tolerance ||
          std::fabs(norm(s - r) - norm(q - p)) > m.tolerance || !usable(edge)) {
        continue;
      }
      OrbitFrame to = frameOfEdge(r, s);
      for (const bool mirrored : {false, true}) {
        if (mirrored) to[2] = -1.0 * to[2];
        const std::vector<int> corners = cornerImages(m, from, to);
        if (corners.empty()) continue;
        const std::vector<int> faces = faceImages(m, corners);
        for (std::size_t f = 0; f < faces.size(); ++f) {
          const int a = rootOf(parent, static_cast<int>(f));
          const int b = rootOf(parent, faces[f]);
          if (a != b) parent[cornerSlot(std::max(a, b))] = std::min(a, b);
        }
      }
    }
  }

  std::vector<int> kindOfRoot(faceCount, -1);
  orbits.kindOfFace.resize(faceCount);
  for (std::size_t f = 0; f < faceCount; ++f) {
    int& kind = kindOfRoot[cornerSlot(rootOf(parent, static_cast<int>(f)))];
    if (kind < 0) kind = orbits.kindCount++;
    orbits.kindOfFace[f] = kind;
  }
  return orbits;
}

}  // namespace velkora
