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

std::size_t idx(int index) { return static_cast<std::size_t>(index); }

std::size_t faceSize(const SolidMesh& m, int h) { return m.faces[idx(m.heFace[idx(h)])].size(); }

// Quick necessary conditions for half-edge g of b to be the image of h of a.
// A reflection turns the face on the left of h into the face on the right of g.
bool looksAlike(const SolidMesh& a, int h, const SolidMesh& b, int g, bool improper,
                double tolerance) {
  const int left = improper ? b.heTwin[idx(g)] : g;
  const int right = improper ? g : b.heTwin[idx(g)];
  if (faceSize(a, h) != faceSize(b, left) || faceSize(a, a.heTwin[idx(h)]) != faceSize(b, right) ||
      a.valence[idx(a.heFrom[idx(h)])] != b.valence[idx(b.heFrom[idx(g)])] ||
      a.valence[idx(a.heTo[idx(h)])] != b.valence[idx(b.heTo[idx(g)])]) {
    return false;
  }
  const Vec3 p = a.points[idx(a.heFrom[idx(h)])];
  const Vec3 q = a.points[idx(a.heTo[idx(h)])];
  const Vec3 r = b.points[idx(b.heFrom[idx(g)])];
  const Vec3 s = b.points[idx(b.heTo[idx(g)])];
  return std::fabs(norm(p) - norm(r)) <= tolerance && std::fabs(norm(q) - norm(s)) <= tolerance &&
         std::fabs(norm(q - p) - norm(s - r)) <= tolerance;
}

// Carries h0 -> g0 along next and twin over the whole surface, checking that
// the map from -> to puts the tail of each half-edge onto the tail of its
// image. The image of a half-edge runs between the images of its ends; under
// a reflection (improper) the next half-edge of a face maps to the twin of the
// half-edge before the image's twin. Fills image (half-edge of a -> half-edge
// of b); false as soon as the structures or the positions disagree.
bool propagate(const SolidMesh& a, const SolidMesh& b, int h0, int g0, bool improper,
               const Frame& from, const Frame& to, double tolerance, std::vector<int>& image,
               std::vector<char>& used, std::vector<int>& stack) {
  std::fill(image.begin(), image.end(), -1);
  std::fill(used.begin(), used.end(), 0);
  stack.clear();
  image[idx(h0)] = g0;
  used[idx(g0)] = 1;
  stack.push_back(h0);
  while (!stack.empty()) {
    const int h = stack.back();
    stack.pop_back();
    const int g = image[idx(h)];
    const int nextImage =
        improper ? b.heTwin[idx(b.hePrev[idx(b.heTwin[idx(g)])])] : b.heNext[idx(g)];
    const std::array<std::pair<int, int>, 2> steps = {
        {{a.heNext[idx(h)], nextImage}, {a.heTwin[idx(h)], b.heTwin[idx(g)]}}};
    for (const auto& [hn, gn] : steps) {
      if (image[idx(hn)] >= 0) {
        if (image[idx(hn)] != gn) return false;
        continue;
      }
      if (used[idx(gn)]) return false;
      const Vec3 moved = rotate(from, to, a.points[idx(a.heFrom[idx(hn)])]);
      if (!(norm(moved - b.points[idx(b.heFrom[idx(gn)])]) <= tolerance)) return false;
      image[idx(hn)] = gn;
      used[idx(gn)] = 1;
      stack.push_back(hn);
    }
  }
  return true;
}

// Marks the orbit of h under the group that the permutations generate.
void markOrbit(int h, const std::vector<std::vector<int>>& generators, std::vector<char>& inOrbit) {
  std::fill(inOrbit.begin(), inOrbit.end(), 0);
  std::vector<int> queue = {h};
  inOrbit[idx(h)] = 1;
  for (std::size_t k = 0; k < queue.size(); ++k) {
    for (const auto& permutation : generators) {
      const int next = permutation[idx(queue[k])];
      if (!inOrbit[idx(next)]) {
        inOrbit[idx(next)] = 1;
        queue.push_back(next);
      }
    }
  }
}

}  // namespace

int countIsometries(const SolidMesh& a, const SolidMesh& b, bool improper, double tolerance,
                    bool firstOnly) {
  if (a.points.size() != b.points.size() || a.heFrom.size() != b.heFrom.size() ||
      a.faces.size() != b.faces.size()) {
    return 0;
  }
  // An isometry is fixed by the image of one half-edge, so the rotations of a
  // solid onto itself are as many as the orbit of half-edge 0. Every image
  // that the rotations found so far reach is valid without a test.
  const bool self = &a == &b && !improper;
  const int h0 = 0;
  const Frame from = edgeFrame(a.points[idx(a.heFrom[0])], a.points[idx(a.heTo[0])]);
  std::vector<int> image(a.heFrom.size());
  std::vector<char> used(b.heFrom.size());
  std::vector<int> stack;
  std::vector<char> inOrbit(b.heFrom.size(), 0);
  std::vector<std::vector<int>> generators;
  int count = 0;
  for (int g = 0; g < static_cast<int>(b.heFrom.size()); ++g) {
    if (inOrbit[idx(g)] || !looksAlike(a, h0, b, g, improper, tolerance)) continue;
    Frame to = edgeFrame(b.points[idx(b.heFrom[idx(g)])], b.points[idx(b.heTo[idx(g)])]);
    if (improper) to[2] = -1.0 * to[2];
    if (!propagate(a, b, h0, g, improper, from, to, tolerance, image, used, stack)) continue;
    if (firstOnly) return 1;
    if (self) {
      generators.push_back(image);
      markOrbit(h0, generators, inOrbit);
    } else {
      ++count;
    }
  }
  if (self) count = static_cast<int>(std::count(inOrbit.begin(), inOrbit.end(), 1));
  return count;
}

int countRotations(const SolidMesh& a, const SolidMesh& b, double tolerance, bool firstOnly) {
  return countIsometries(a, b, false, tolerance, firstOnly);
}

namespace {

// Whether every vertex has its point reflection at the centre among the vertices.
bool hasInversion(const SolidMesh& mesh, double tolerance) {
  for (const Vec3& p : mesh.points) {
    const bool found = std::any_of(mesh.points.begin(), mesh.points.end(),
                                   [&](const Vec3& q) { return norm(p + q) <= tolerance; });
    if (!found) return false;
  }
  return true;
}

// The name of the rotation group with that many rotations.
std::string rotationGroupName(int rotations) {
  switch (rotations) {
    case 12:
      return "T";
    case 24:
      return "O";
    case 60:
      return "I";
    default:
      return std::to_string(rotations) + " Drehungen";
  }
}

}  // namespace

Symmetry symmetryOf(const SolidMesh& mesh, double tolerance) {
  Symmetry s;
  s.rotations = countRotations(mesh, mesh, tolerance, false);

  s.reflections = countIsometries(mesh, mesh, true, tolerance, true) > 0;
  // Only a group of 12 rotations with reflections needs it: Td or Th.
  s.inversion = s.rotations == 12 && s.reflections && hasInversion(mesh, tolerance);

  s.rotationGroup = rotationGroupName(s.rotations);
  s.group = s.rotationGroup;
  if (s.reflections) {
    s.group += (s.rotations == 12 && !s.inversion) ? "d" : "h";
  }
  s.order = s.rotations * (s.reflections ? 2 : 1);
  return s;
}

}  // namespace velkora
