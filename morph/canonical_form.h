#pragma once
// Settling a nearly canonical solid into its canonical form: every edge
// touching the unit sphere, the touching points centred on the origin, every
// face flat. Solids given to a few digits (the catalogue keeps seven) come
// out exact to rounding, so that constructions on them (the dual morph) meet
// where they should meet.

#include "base/polyhedron.h"

namespace velkora {

struct Settling {
  Polyhedron solid;       // faces as given, corners moved, midradius 1
  double residual = 0.0;  // the largest remaining error: edge distance from 1, face bend
};

// solid: closed and convex about the origin (faces either way round), edges
// nearly touching one sphere about the origin. Moves each corner by about the
// error of the given digits; the catalogue's solids settle to a residual of
// 1e-11, the tetrahedron (whose centre is off by 1e-7) to 8e-8.
Settling settleCanonical(const Polyhedron& solid);

}  // namespace velkora
