#pragma once
// The kaleidoscope's solid as the rest of the program takes a solid: its
// stops named after the catalogue solids they equal, a Solid for any weights,
// and a model of such a shape in the start pose.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/family.h"
#include "kaleidoscope/wythoff.h"
#include "model/model.h"
#include "model/solid.h"
#include "morph/morph_stops.h"

namespace velkora {

// A stop of the kaleidoscope: weights at which its solid is a catalogue solid.
struct KaleidoscopeStop {
  WythoffWeights weights;
  int position = -1;
  std::optional<Family> family;
  std::string name;
};

// The uniform weights whose solids (of the copies given) the catalogue
// holds, with those solids. The mirrored snub's stops carry the names of the
// catalogue's solids, which have the other hand.
std::vector<KaleidoscopeStop> kaleidoscopeStops(const Kaleidoscope& kaleidoscope,
                                                std::span<const Solid> catalogue,
                                                WythoffCopies copies = WythoffCopies::Reflections);
// The same among a catalogue's settled shapes (settledCatalogue).
std::vector<KaleidoscopeStop> kaleidoscopeStops(const Kaleidoscope& kaleidoscope,
                                                std::span<const Solid> catalogue,
                                                WythoffCopies copies, SettledShapes& settled);

// The solid of the copies at weights, vertices on the unit sphere. At a stop
// (every weight within 1e-6) it carries that solid's name, position and
// family; else the name "Kaleidoskop O (0,25 : 0,25 : 0,5)" (the snub's
// "Kaleidoskop O abgeschrägt (...)", its mirror image's "Kaleidoskop O
// abgeschrägt, gespiegelt (...)") and none. Never a type. stops: those of
// the same copies.
Solid kaleidoscopeSolid(const Kaleidoscope& kaleidoscope, WythoffWeights weights,
                        std::span<const KaleidoscopeStop> stops,
                        WythoffCopies copies = WythoffCopies::Reflections);

// Scales shape (vertices on the unit sphere, as kaleidoscopeSolid makes
// them) so that its vertices lie as far from the centre as the farthest
// vertex of reference: the picture keeps the reach of the solid it replaces.
void scaleToReach(Polyhedron& shape, const Polyhedron& reference);

// A model of shape in the start pose of every solid: the initial tilt, and
// 260 pixels from the centre to the largest coordinate. No sphere meshes.
// Throws ECatalogueError when the shape does not fit a model.
void placeStartShape(Model& target, const Polyhedron& shape);

}  // namespace velkora
