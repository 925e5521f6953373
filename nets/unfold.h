#pragma once
// Edge unfoldings of a convex solid: its faces as plane shapes (seen from
// outside, counter-clockwise, longest solid edge = 1), the face adjacency, the
// placement of a spanning tree of fold edges in the plane, the exact overlap
// check, and the deterministic search for a compact unfolding without overlap.

#include <cstdint>
#include <vector>

#include "model/polyhedron.h"
#include "nets/plane.h"

namespace velkora {

// One solid edge between two faces: it is edge ka of face a (corner ka to
// ka + 1 in a's outward order) and edge kb of face b, running the other way.
struct Adjacency {
  int a = 0, ka = 0;
  int b = 0, kb = 0;
  int from = 0, to = 0;  // catalogue vertex indices, from -> to along face a
};

struct FaceShape {
  std::vector<int> vertices;  // catalogue vertex indices, counter-clockwise from outside
  std::vector<Vec2> local;    // the face in its own plane, longest solid edge = 1
  std::vector<int> edges;     // adjacency index of edge k (corner k to k + 1)
};

struct SolidFaces {
  std::vector<FaceShape> faces;
  std::vector<Adjacency> edges;
  std::vector<Point3> vertices;  // catalogue positions divided by the longest edge
  double longestEdge = 0.0;      // in catalogue units
};

// Orients every face outward by geometry and builds the adjacency. Throws
// EInvalidSolid for a solid that is not closed and convex (base/convex_solid.h).
SolidFaces prepareSolid(const Polyhedron& solid);

// Places every face: face 0 at its own shape, the others across the fold
// edges (fold[i] for adjacency i). Returns false when the folds do not form a
// spanning tree of the faces.
bool placeTree(const SolidFaces& solid, const std::vector<bool>& fold,
               std::vector<std::vector<Vec2>>& polygons);

// True when the interiors of two placed faces overlap (tolerance in units of
// the longest edge).
bool anyOverlap(const std::vector<std::vector<Vec2>>& polygons, double tolerance);

struct Unfolding {
  std::vector<bool> fold;                   // per adjacency
  std::vector<std::vector<Vec2>> polygons;  // per face, unit scale, unrotated
  Fit fit;                                  // best rotation into the search rectangle
  int candidates = 0;                       // trees examined
  bool randomTree = false;                  // the chosen tree came from the random phase
};

// Steepest-edge cut trees from a fixed list of directions, then (only when
// none of them is free of overlap) seeded random spanning trees, 48 more after
// the first good one; the candidate that grows largest in a width x height
// rectangle wins, the earlier one on ties. Deterministic: the budget counts
// trees, not time. directions = 0 searches random trees only. Throws
// ENetError when no tree is found.
inline constexpr int kSearchDirections = 40;
Unfolding searchUnfolding(const SolidFaces& solid, double width, double height,
                          int directions = kSearchDirections);

// The small deterministic generator of the random phase (splitmix64).
class NetRandom {
 public:
  explicit NetRandom(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next();

 private:
  std::uint64_t state_;
};

}  // namespace velkora
