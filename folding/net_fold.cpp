#include "folding/net_fold.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <string>

#include "base/convex_solid.h"

namespace velkora {

namespace {

// The shared edge of two outward faces as (from, to) along face a, or
// (-1, -1) when they share none.
std::pair<int, int> sharedEdge(const std::vector<int>& a, const std::vector<int>& b) {
  for (std::size_t k = 0; k < a.size(); ++k) {
    const int from = a[k];
    const int to = a[(k + 1) % a.size()];
    for (std::size_t j = 0; j < b.size(); ++j) {
      if (b[j] == to && b[(j + 1) % b.size()] == from) return {from, to};
    }
  }
  return {-1, -1};
}

// Folds from each face, checked to form one tree over n faces.
std::vector<std::vector<int>> treeNeighbours(int n, std::span<const std::pair<int, int>> folds) {
  if (static_cast<int>(folds.size()) != n - 1) {
    throw EFoldError("Die Faltkanten verbinden die Flächen nicht zu einem Baum: " +
                     std::to_string(folds.size()) + " Faltkanten für " + std::to_string(n) +
                     " Flächen.");
  }
  std::vector<std::vector<int>> next(static_cast<std::size_t>(n));
  for (const auto& [a, b] : folds) {
    if (a < 0 || b < 0 || a >= n || b >= n || a == b) {
      throw EFoldError("Die Faltkante " + std::to_string(a) + "–" + std::to_string(b) +
                       " verbindet keine zwei Flächen des Körpers.");
    }
    next[static_cast<std::size_t>(a)].push_back(b);
    next[static_cast<std::size_t>(b)].push_back(a);
  }
  return next;
}

// Faces in breadth-first order from start with their distance, -1 where unreached.
std::vector<int> distancesFrom(const std::vector<std::vector<int>>& next, int start,
                               std::vector<int>* order) {
  std::vector<int> distance(next.size(), -1);
  std::deque<int> queue{start};
  distance[static_cast<std::size_t>(start)] = 0;
  while (!queue.empty()) {
    const int face = queue.front();
    queue.pop_front();
    if (order != nullptr) order->push_back(face);
    for (const int other : next[static_cast<std::size_t>(face)]) {
      if (distance[static_cast<std::size_t>(other)] >= 0) continue;
      distance[static_cast<std::size_t>(other)] = distance[static_cast<std::size_t>(face)] + 1;
      queue.push_back(other);
    }
  }
  return distance;
}

int middleFace(const std::vector<std::vector<int>>& next) {
  int best = 0;
  int bestReach = static_cast<int>(next.size()) + 1;
  for (int face = 0; face < static_cast<int>(next.size()); ++face) {
    const std::vector<int> distance = distancesFrom(next, face, nullptr);
    const int reach = *std::max_element(distance.begin(), distance.end());
    if (reach < bestReach) {
      best = face;
      bestReach = reach;
    }
  }
  return best;
}

}  // namespace

FoldTree foldTree(const Polyhedron& solid, std::span<const std::pair<int, int>> folds, int root) {
  const ConvexSolid convex = checkConvexSolid(solid.vertices, solid.faces);
  const int n = static_cast<int>(convex.faces.size());
  const std::vector<std::vector<int>> next = treeNeighbours(n, folds);
  if (root >= n) throw EFoldError("Die Wurzelfläche " + std::to_string(root) + " fehlt.");
  FoldTree tree;
  tree.root = root < 0 ? middleFace(next) : root;
  const std::vector<int> distance = distancesFrom(next, tree.root, &tree.order);
  if (static_cast<int>(tree.order.size()) != n) {
    throw EFoldError(
        "Die Faltkanten verbinden nicht alle Flächen: " + std::to_string(tree.order.size()) +
        " von " + std::to_string(n) + " sind erreichbar.");
  }
  tree.hinges.assign(static_cast<std::size_t>(n), FoldHinge{});
  for (const int face : tree.order) {
    if (face == tree.root) continue;
    const auto f = static_cast<std::size_t>(face);
    FoldHinge& hinge = tree.hinges[f];
    for (const int other : next[f]) {
      if (distance[static_cast<std::size_t>(other)] == distance[f] - 1) hinge.parent = other;
    }
    const auto p = static_cast<std::size_t>(hinge.parent);
    const auto [from, to] = sharedEdge(convex.faces[f], convex.faces[p]);
    if (from < 0) {
      throw EFoldError("Die Flächen " + std::to_string(face) + " und " +
                       std::to_string(hinge.parent) + " haben keine gemeinsame Kante.");
    }
    const Vec3 a = solid.vertices[static_cast<std::size_t>(from)];
    const Vec3 b = solid.vertices[static_cast<std::size_t>(to)];
    hinge.point = a;
    hinge.axis = normalized(b - a);
    // The angle between the outward normals is pi minus the dihedral angle;
    // turning the face by it about the hinge brings its normal onto the
    // parent's, which lays it flat on the far side of the hinge.
    const Vec3 n = convex.normals[f];
    const Vec3 m = convex.normals[p];
    const Vec3 turn = cross(n, m);
    const double angle = std::atan2(norm(turn), dot(n, m));
    hinge.flatTurn = dot(turn, hinge.axis) >= 0.0 ? angle : -angle;
  }
  return tree;
}

std::vector<RigidMotion> foldMotions(const FoldTree& tree, double f) {
  const double open = 1.0 - std::clamp(f, 0.0, 1.0);
  std::vector<RigidMotion> motions(tree.hinges.size());
  for (const int face : tree.order) {
    const FoldHinge& hinge = tree.hinges[static_cast<std::size_t>(face)];
    if (hinge.parent < 0) continue;
    motions[static_cast<std::size_t>(face)] =
        motions[static_cast<std::size_t>(hinge.parent)] *
        turnAboutLine(hinge.point, hinge.axis, open * hinge.flatTurn);
  }
  return motions;
}

std::vector<std::vector<Vec3>> foldedFaces(const Polyhedron& solid, const FoldTree& tree,
                                           double f) {
  const std::vector<RigidMotion> motions = foldMotions(tree, f);
  std::vector<std::vector<Vec3>> faces;
  faces.reserve(solid.faces.size());
  for (std::size_t i = 0; i < solid.faces.size(); ++i) {
    std::vector<Vec3>& corners = faces.emplace_back();
    corners.reserve(solid.faces[i].size());
    for (const int corner : solid.faces[i])
      corners.push_back(motions[i](solid.vertices[static_cast<std::size_t>(corner)]));
  }
  return faces;
}

}  // namespace velkora
