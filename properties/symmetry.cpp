#include "properties/symmetry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace velkora {
namespace {

using Frame = std::array<Vec3, 3>;  // orthonormal rows

// The frame of a directed edge seen from the centre: along the tail, towards
// the head within the plane of both, and their right-handed normal.
Frame edgeFrame(Vec3 tail, Vec3 head) {
  const Vec3 e1 = (1.0 / norm(tail)) * tail;
  const Vec3 side = head - dot(head, e1) * e1;
  const Vec3 e2 = (1.0 / norm(side)) * side;
  return {e1, e2, cross(e1, e2)};
}

// Maps p by the rotation that turns frame from onto frame to.
Vec3 rotate(const Frame& from, const Frame& to, Vec3 p) {
  const double c0 = dot(from[0], p);
  const double c1 = dot(from[1], p);
  const double c2 = dot(from[2], p);
  return c0 * to[0] + c1 * to[1] + c2 * to[2];
}

std::size_t at(int index) { return static_cast<std::size_t>(index); }

std::size_t faceSize(const SolidMesh& m, int h) { return m.faces[at(m.heFace[at(h)])].size(); }

// Quick necessary conditions for half-edge g of b to be the image of h of a.
bool looksAlike(const SolidMesh& a, int h, const SolidMesh& b, int g, double tolerance) {
  if (faceSize(a, h) != faceSize(b, g) ||
      faceSize(a, a.heTwin[at(h)]) != faceSize(b, b.heTwin[at(g)]) ||
      a.valence[at(a.heFrom[at(h)])] != b.valence[at(b.heFrom[at(g)])] ||
      a.valence[at(a.heTo[at(h)])] != b.valence[at(b.heTo[at(g)])]) {
    return false;
  }
  const Vec3 p = a.points[at(a.heFrom[at(h)])];
  const Vec3 q = a.points[at(a.heTo[at(h)])];
  const Vec3 r = b.points[at(b.heFrom[at(g)])];
  const Vec3 s = b.points[at(b.heTo[at(g)])];
  return std::fabs(norm(p) - norm(r)) <= tolerance && std::fabs(norm(q) - norm(s)) <= tolerance &&
         std::fabs(norm(q - p) - norm(s - r)) <= tolerance;
}

// Carries h0 -> g0 along next and twin over the whole surface. Fills image
// (half-edge of a -> half-edge of b); false when the structures disagree.
bool propagate(const SolidMesh& a, const SolidMesh& b, int h0, int g0, std::vector<int>& image,
               std::vector<char>& used, std::vector<int>& stack) {
  std::fill(image.begin(), image.end(), -1);
  std::fill(used.begin(), used.end(), 0);
  stack.clear();
  image[at(h0)] = g0;
  used[at(g0)] = 1;
  stack.push_back(h0);
  while (!stack.empty()) {
    const int h = stack.back();
    stack.pop_back();
    const int g = image[at(h)];
    const std::array<std::pair<int, int>, 2> steps = {
        {{a.heNext[at(h)], b.heNext[at(g)]}, {a.heTwin[at(h)], b.heTwin[at(g)]}}};
    for (const auto& [hn, gn] : steps) {
      if (image[at(hn)] < 0) {
        if (used[at(gn)]) return false;
        image[at(hn)] = gn;
        used[at(gn)] = 1;
        stack.push_back(hn);
      } else if (image[at(hn)] != gn) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

int countRotations(const SolidMesh& a, const SolidMesh& b, double tolerance, bool firstOnly) {
  if (a.points.size() != b.points.size() || a.heFrom.size() != b.heFrom.size() ||
      a.faces.size() != b.faces.size()) {
    return 0;
  }
  const int h0 = 0;
  const Frame from = edgeFrame(a.points[at(a.heFrom[0])], a.points[at(a.heTo[0])]);
  std::vector<int> image(a.heFrom.size());
  std::vector<char> used(b.heFrom.size());
  std::vector<int> stack;
  int count = 0;
  for (int g = 0; g < static_cast<int>(b.heFrom.size()); ++g) {
    if (!looksAlike(a, h0, b, g, tolerance) || !propagate(a, b, h0, g, image, used, stack)) {
      continue;
    }
    const Frame to = edgeFrame(b.points[at(b.heFrom[at(g)])], b.points[at(b.heTo[at(g)])]);
    bool fits = true;
    for (std::size_t v = 0; v < a.points.size() && fits; ++v) {
      const int target = b.heFrom[at(image[at(a.outgoing[v])])];
      fits = norm(rotate(from, to, a.points[v]) - b.points[at(target)]) <= tolerance;
    }
    if (fits) {
      ++count;
      if (firstOnly) return count;
    }
  }
  return count;
}

Symmetry symmetryOf(const SolidMesh& mesh, double tolerance) {
  Symmetry s;
  s.rotations = countRotations(mesh, mesh, tolerance, false);

  Polyhedron mirrored;
  mirrored.vertices.reserve(mesh.points.size());
  for (const Vec3& p : mesh.points)
    mirrored.vertices.push_back({-p.x, p.y, p.z});
  mirrored.faces = mesh.faces;
  s.reflections = countRotations(buildSolidMesh(mirrored), mesh, tolerance, true) > 0;

  s.inversion = true;
  for (const Vec3& p : mesh.points) {
    bool found = false;
    for (const Vec3& q : mesh.points) {
      if (norm(p + q) <= tolerance) {
        found = true;
        break;
      }
    }
    if (!found) {
      s.inversion = false;
      break;
    }
  }

  switch (s.rotations) {
    case 12:
      s.rotationGroup = "T";
      break;
    case 24:
      s.rotationGroup = "O";
      break;
    case 60:
      s.rotationGroup = "I";
      break;
    default:
      s.rotationGroup = std::to_string(s.rotations) + " Drehungen";
      break;
  }
  s.group = s.rotationGroup;
  if (s.reflections) {
    s.group += (s.rotations == 12 && !s.inversion) ? "d" : "h";
  }
  s.order = s.rotations * (s.reflections ? 2 : 1);
  return s;
}

}  // namespace velkora
