#pragma once
// A reference computation of a net folding up, for tests: every face of a solid turned about the
// hinges of a spanning tree of its faces, at any stage between flat and closed. Test support only;
// it uses none of the program's geometry (its own small vector arithmetic), so that the program's
// folding can be held against it.

#include <utility>
#include <vector>

#include "base/errors.h"
#include "tests/support/ref_point.h"

namespace velkora::test {

// Input the fold reference cannot work with: a face index or corner index out of range, a face
// with fewer than 3 corners, folds that are no spanning tree of the faces, two folded faces that
// share no edge, or a stage outside [0, 1].
class EFoldReference : public Error {
 public:
  using Error::Error;
};

// Every face's polygon at fold stage f.
// Inputs: vertices, the corners of a convex solid (any units); faces, corner indices per face
// (counter-clockwise seen from outside; the direction of unfolding is taken from the solid's
// centre, the mean of its corners, so the order is not relied on); folds, pairs of face indices
// that share an edge (two corners adjacent in both faces) and together form a spanning tree of the
// faces; root, the face that stays in place; f in [0, 1].
// Output: for every face i, its corners in the order of faces[i], in the units and frame of
// vertices. The root face keeps its place on the solid. Every other face is turned about the edge
// it shares with its parent (its neighbour on the tree path to the root) away from the solid's
// inside by (1 - f) * (pi - dihedral angle of that edge), and carried along by every turn between
// it and the root: at f = 0 the net lies flat in the root's plane, each face on the far side of its
// hinge from its parent; at f = 1 every face is where it is on the solid.
std::vector<std::vector<RefPoint>> referenceFoldedFaces(
    const std::vector<RefPoint>& vertices, const std::vector<std::vector<int>>& faces,
    const std::vector<std::pair<int, int>>& folds, int root, double f);

}  // namespace velkora::test
