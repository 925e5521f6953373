#pragma once
// A morph's solid of the moment as the rest of the program takes a solid: a
// read-like Solid in the units of the solid it started from, and a model of
// it in the pose and size that the starting solid is shown in.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/model.h"
#include "model/solid.h"
#include "morph/dual_morph.h"
#include "morph/morph_stops.h"

namespace velkora {

// A stop of a morph: where it passes a solid of the catalogue.
struct SolidStop {
  double t = 0.0;
  int position = -1;
  int type = -1;
  std::optional<Family> family;
  std::string name;
};

// The catalogue's solids, each settled when a stop search first needs it.
// One of these serves every search over the same catalogue (morphs,
// kaleidoscopes, the jitterbug), which then settles each solid once; the
// catalogue must outlive it.
SettledShapes settledCatalogue(std::span<const Solid> catalogue);

// The stops of morph among the catalogue's solids, ascending in t.
std::vector<SolidStop> morphStops(const DualMorph& morph, std::span<const Solid> catalogue);
// The same, settled: settledCatalogue(catalogue).
std::vector<SolidStop> morphStops(const DualMorph& morph, std::span<const Solid> catalogue,
                                  SettledShapes& settled);

// M(t) of the morph of solid, in solid's units and orientation, scaled so
// that its farthest vertex is as far from the centre as solid's farthest
// vertex: the picture neither jumps nor pumps. At a stop (within 1e-6 of its
// t) it carries that catalogue solid's name, position and family; else no
// position or family, and the start solid's name followed by
// ", auf dem Weg zum dualen Körper (t = 0,40)". Never a type: a morph's solid
// has no catalogue start model and no drawn spheres.
Solid morphedSolid(const Solid& solid, const DualMorph& morph, double t,
                   std::span<const SolidStop> stops);

// The points where the solid's edges touch its midsphere, in the units of
// M(t) as morphedSolid gives it (so that at t = 1/2 they are its vertices).
std::vector<Vec3> touchPointsAt(const Solid& solid, const DualMorph& morph, double t);

// Points in solid's units and orientation, turned and sized as shown shows
// solid (as placeShape places a shape).
std::vector<Point3> placePoints(std::span<const Vec3> points, const Solid& solid,
                                const Model& shown);

// A model of shape (in solid's units and orientation) turned and sized as
// shown shows solid: the turn is found from solid's vertices and shown's,
// so it holds for any pose. The model has no sphere meshes (the sphere
// views are not defined for a shape that is not a catalogue solid). Throws
// ECatalogueError when shape has more vertices or faces than a model holds,
// or a face with more than 24 corners.
void placeShape(Model& target, const Polyhedron& shape, const Solid& solid, const Model& shown);

}  // namespace velkora
