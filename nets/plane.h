#pragma once
// Plane geometry for nets: lengths, signed area, the overlap test of
// two convex polygons (interiors, with a tolerance so that a shared edge or
// corner is no overlap), convex hulls and the rotation that fits a point set
// into a rectangle. Polygons are counter-clockwise and have at least 3 corners.

#include <vector>

#include "nets/net_types.h"

namespace velkora {

// Twice the signed area; positive for counter-clockwise polygons.
double doubleArea(const std::vector<Vec2>& polygon);

struct Box {
  double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
  double width() const { return maxX - minX; }
  double height() const { return maxY - minY; }
};
Box boundsOf(const std::vector<Vec2>& points);
bool boxesOverlap(const Box& a, const Box& b, double tolerance);

// True when the interiors of the convex polygons a and b overlap by more than
// tolerance along every candidate separating axis (the edge normals of both).
bool convexOverlap(const std::vector<Vec2>& a, const std::vector<Vec2>& b, double tolerance);

// Convex hull, counter-clockwise, without collinear points.
std::vector<Vec2> convexHull(std::vector<Vec2> points);

// The rotation (radians, counter-clockwise) among the hull edge directions and
// their right angles that lets points grow largest inside a width x height
// rectangle, and that growth factor. Needs at least 3 points not on one line.
struct Fit {
  double angle = 0.0;
  double scale = 0.0;
};
Fit bestFit(const std::vector<Vec2>& points, double width, double height);

// The growth factor of points turned by angle inside a width x height rectangle.
double fitScaleAt(const std::vector<Vec2>& points, double angle, double width, double height);

Vec2 rotated(Vec2 p, double angle);

}  // namespace velkora
