#pragma once
// The faces of a convex solid sorted into kinds by its symmetry: faces that a
// rotation or reflection of the whole solid carries onto each other are of one
// kind. Works on the plain geometry; knows nothing of names, shapes or colours.

#include <vector>

#include "model/polyhedron.h"

namespace velkora {

// The faces of a convex solid sorted into kinds: two faces are of one kind
// when a symmetry of the solid (rotation or reflection) maps one onto the other.
struct FaceOrbits {
  std::vector<int> kindOfFace;  // per face of the polyhedron, 0 .. kindCount-1
  int kindCount = 0;
};

// Inputs: a convex solid (any size and pose, faces as corner indices, either
// orientation); corners closer than 1e-4 of its largest radius count as one.
// Outputs: one kind per face, numbered in the order of each kind's first face
// (face 0 is of kind 0). A symmetry is an isometry about the mean of the
// distinct corners that puts every corner onto a corner and every face onto a
// face; a chiral solid (a snub) has rotations only. No faces give no kinds.
FaceOrbits faceOrbits(const Polyhedron& solid);

}  // namespace velkora
