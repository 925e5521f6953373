#pragma once
// The jitterbug as the rest of the program takes a solid: its stops named
// after the catalogue solids it passes, and its solid of the moment as a
// Solid in the units and orientation of the catalogue solid it starts from.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/family.h"
#include "model/solid.h"
#include "morph/morph_stops.h"

namespace velkora {

// A stop of the jitterbug: a j at which its solid is a catalogue solid.
struct JitterbugStop {
  double j = 0.0;
  int position = -1;
  std::optional<Family> family;
  std::string name;
};

// The stops among the catalogue's solids, ascending in j: the start (j = 0),
// the icosahedron's j and the end (j = 1), each kept when a catalogue solid
// has its face kinds and edge lengths (the cuboctahedron, the icosahedron
// and the octahedron).
std::vector<JitterbugStop> jitterbugStops(std::span<const Solid> catalogue);
// The same among a catalogue's settled shapes (settledCatalogue).
std::vector<JitterbugStop> jitterbugStops(std::span<const Solid> catalogue, SettledShapes& settled);

// The catalogue solid at the first stop, j = 0, where the jitterbug starts.
// Throws ESolidNotFound when stops do not begin at j = 0 or name no solid of
// catalogue.
const Solid& jitterbugStart(std::span<const Solid> catalogue, std::span<const JitterbugStop> stops);

// The solid at j (0 <= j <= 1) in start's units and orientation, start being
// a cuboctahedron about the origin (jitterbugStart): its square faces give
// the jitterbug's axes, and its vertices lie as far from the centre as
// start's, so that the picture neither jumps nor pumps. The faces in the
// order of jitterbugShape(j), whose turning flags they share. At a stop
// (within 1e-6 of its j) it carries that catalogue solid's name, position
// and family; else the name "Jitterbug (J = 0,25)" and none. Never a type.
// Throws EInvalidSolid when start has no two perpendicular square faces.
Solid jitterbugSolid(const Solid& start, double j, std::span<const JitterbugStop> stops);

}  // namespace velkora
