// Builds each of the 31 solids from first principles: Wythoff orbits of the reflection groups
// for the Platonic and Archimedean solids, cubic roots for the two snubs, polar reciprocals
// for the Catalan solids. Results are in display orientation (a symmetry axis along z) and at
// catalogue scale; vertices are not yet in catalogue order (see ordering.h).
#pragma once

#include "tools/catalogue_generator/solid.h"

namespace velkora::gen {

// Needs 0 <= type <= 30; throws GeneratorError otherwise.
Solid constructSolid(int type);

// Polar reciprocal about the unit sphere: one vertex per face (the pole of its plane) and one
// face per vertex (the poles of the faces around it, in boundary order). Needs a convex solid
// with faces in boundary order and the origin strictly inside.
Solid polarReciprocal(const Solid& solid);

}  // namespace velkora::gen
