#pragma once
// The stops of a morph: the parameters at which its solid is similar to one of
// a list of solids, found by computation. Similar means the same face kinds
// and counts and the same edge lengths once the longest edge is 1.

#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "base/polyhedron.h"
#include "morph/dual_morph.h"

namespace velkora {

// Edge lengths that differ by less than this (relative to the longest) count
// as equal. Compare settled solids (canonical_form.h): the catalogue's seven
// digits alone differ by up to 5e-5 from a morph's exact ends; settled, the
// largest difference left is 1.5e-6 (the end of the Disdyakistriakontaeder's
// path), because settling centres by moving, not by a map that keeps the sphere.
inline constexpr double kSameShapeTolerance = 1e-5;

struct ShapeSignature {
  std::vector<std::pair<int, int>> faceKinds;  // (corners, faces), ascending corners
  std::vector<double> edgeLengths;             // every edge once, ascending, the longest 1
};

ShapeSignature shapeSignature(const Polyhedron& solid);
bool similarShapes(const ShapeSignature& a, const ShapeSignature& b,
                   double tolerance = kSameShapeTolerance);

// The settled signatures of a list of solids (a catalogue), each made when it
// is first compared: settling is slow, and a shape can only be similar to a
// solid with its own face kinds, which settling keeps (it moves corners only).
class SettledShapes {
 public:
  // solids: each closed and convex about the origin, as settleCanonical needs;
  // they must outlive this.
  explicit SettledShapes(std::vector<const Polyhedron*> solids);
  std::size_t size() const { return solids_.size(); }
  // Whether signature is similar to solid k once settled.
  bool similar(const ShapeSignature& signature, std::size_t k,
               double tolerance = kSameShapeTolerance);

 private:
  std::vector<const Polyhedron*> solids_;
  std::vector<std::vector<std::pair<int, int>>> kinds_;
  std::vector<std::optional<ShapeSignature>> settled_;
};

struct MorphStop {
  double t = 0.0;
  int candidate = -1;  // index into the candidates
};

// Every stop of the morph among candidates, ascending in t, the ends included
// when they match. Looks at each event parameter (where vertices and faces
// meet) and at the most even edge lengths between two events.
std::vector<MorphStop> findMorphStops(const DualMorph& morph,
                                      std::span<const ShapeSignature> candidates,
                                      double tolerance = kSameShapeTolerance);
// The same among solids settled as they are needed.
std::vector<MorphStop> findMorphStops(const DualMorph& morph, SettledShapes& candidates);

}  // namespace velkora
