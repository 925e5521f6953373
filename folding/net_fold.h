#pragma once
// Folding a net on its solid: the fold tree (which face stays, each other
// face's parent and the hinge they share, and the turn that lays the face
// flat beside its parent) and every face's motion at a fold stage, from flat
// (0) to closed on the solid (1). Geometry only; no picture, page or pose.

#include <span>
#include <utility>
#include <vector>

#include "base/errors.h"
#include "base/polyhedron.h"
#include "base/rigid_motion.h"

namespace velkora {

// Fold pairs that do not join the faces into one tree along shared edges.
class EFoldError : public Error {
 public:
  using Error::Error;
};

struct FoldHinge {
  int parent = -1;  // -1 for the root
  Vec3 point;       // a corner on the shared edge, on the solid
  Vec3 axis;        // unit, along the shared edge
  // The turn (radians, signed) about the hinge that lays the face flat
  // beside its parent: pi minus the dihedral angle, outward.
  double flatTurn = 0.0;
};

struct FoldTree {
  int root = 0;
  std::vector<int> order;         // every face, each parent before its children
  std::vector<FoldHinge> hinges;  // per face
};

// The tree of the fold pairs (face indices) of a convex solid. The root is
// the given face, or (root < 0) the face from which the farthest face is the
// fewest folds away, the lowest index among equals, so that the net opens
// from its middle. Throws EFoldError unless the pairs join every face into a
// single tree and each pair shares an edge; EInvalidSolid for a solid that is
// not closed and convex.
FoldTree foldTree(const Polyhedron& solid, std::span<const std::pair<int, int>> folds,
                  int root = -1);

// Every face's motion from its place on the solid at fold stage f (clamped to
// 0..1): each hinge turned by (1 - f) times its flat turn, composed from the
// root, which stays in place.
std::vector<RigidMotion> foldMotions(const FoldTree& tree, double f);

// Every face's corners (in the solid's face order) at fold stage f.
std::vector<std::vector<Vec3>> foldedFaces(const Polyhedron& solid, const FoldTree& tree, double f);

}  // namespace velkora
