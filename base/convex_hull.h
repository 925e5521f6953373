#pragma once
// The convex hull of a handful of points (a jitterbug's twelve, a snub's
// sixty), by brute force over point triples. Points within one tolerance are
// one vertex and points within another of a face plane are corners of that
// face: no slivers at a degenerate moment. Not meant for large point sets.

#include <span>
#include <vector>

#include "base/polyhedron.h"
#include "base/vec.h"

namespace velkora {

struct ConvexHull {
  Polyhedron solid;           // the distinct points that are corners of the hull, in order
                              // of first appearance; the faces counter-clockwise seen from
                              // outside
  std::vector<int> vertexOf;  // per given point, its vertex in solid; -1 for a point inside
                              // the hull, inside a face or on an edge between two corners
};

// Inputs: points in any unit, at least four of them not in one plane. Both
// tolerances relative to the largest distance of a point from their mean:
// points closer together than same are one vertex; points within flat of a
// face plane lie on it, and a face whose corners all belong to a larger face
// is part of that face. Distinct vertices closer than a thousand times flat
// make sliver faces whose planes flat cannot tell apart: same must be at
// least that.
// Outputs: every face a flat convex polygon with at least three corners, its
// corners in boundary order. Throws EInvalidSolid (base/errors.h) when the
// points span no solid.
ConvexHull convexHull(std::span<const Vec3> points, double same, double flat);

}  // namespace velkora
