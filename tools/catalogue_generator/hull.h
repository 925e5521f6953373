// Faces of the convex hull of a point set, found from the points alone: every plane through
// three points with all other points on one side is a face plane, and all points within the
// tolerance of that plane are its corners. Needs at least four points not in one plane.
#pragma once

#include "tools/catalogue_generator/solid.h"

namespace velkora::gen {

// Each face as point indices in boundary order, counter-clockwise seen from outside, in the
// order the faces were found (by their smallest index triple).
std::vector<Face> convexHullFaces(const std::vector<Vec3>& points, Real tolerance);

// Puts the corners of one planar face into boundary order, counter-clockwise seen from the
// side its outward normal points to.
Face boundaryOrder(const std::vector<Vec3>& points, std::vector<int> corners, Vec3 outward);

}  // namespace velkora::gen
