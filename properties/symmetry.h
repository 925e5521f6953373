#pragma once
// The symmetry of a solid, found by trying every way of laying one directed
// edge onto another: each try that carries the whole face structure along and
// puts every vertex onto a vertex is one rotation. Reflections are found the
// same way on the mirror image.

#include <string>

#include "properties/solid_mesh.h"

namespace velkora {

struct Symmetry {
  int rotations = 0;          // proper rotations mapping the solid onto itself
  bool reflections = false;   // some improper isometry maps it onto itself
  bool inversion = false;     // the point reflection at the centre does
  std::string rotationGroup;  // "T", "O", "I"; "<n> Drehungen" for any other order
  std::string group;          // "Td", "Th", "Oh", "Ih", or the rotation group
  int order = 0;              // rotations, doubled when reflections exist
};

// The number of isometries about the centre, rotations or (improper) rotary
// reflections, that map a onto b, vertices onto vertices within tolerance (a
// length). With firstOnly, stops at 1.
int countIsometries(const SolidMesh& a, const SolidMesh& b, bool improper, double tolerance,
                    bool firstOnly);

// countIsometries of the proper rotations.
int countRotations(const SolidMesh& a, const SolidMesh& b, double tolerance, bool firstOnly);

// The symmetry of a mesh; tolerance is a length in the mesh's units.
Symmetry symmetryOf(const SolidMesh& mesh, double tolerance);

}  // namespace velkora
