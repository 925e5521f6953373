#pragma once
// Checks of a finished net written independently of the nets library: fold
// tree and pieces, face shapes against the catalogue, overlap by clipping,
// margins, cut labels and tabs, and folding the paper back into the solid.
// Each returns an empty string when the net passes, else the first fault.

#include <string>

#include "model/polyhedron.h"
#include "nets/net_types.h"

namespace velkora::test {

std::string checkTree(const Polyhedron& solid, const NetDocument& net);
std::string checkShapes(const Polyhedron& solid, const NetDocument& net);
std::string checkNoOverlap(const NetDocument& net);
std::string checkInsideMargins(const NetDocument& net);
std::string checkLabelsAndTabs(const NetDocument& net);
// Folds every piece along its fold edges by the solid's dihedral angles and
// compares all corners with the catalogue after one rigid motion. The
// tolerance is relative to the solid's diameter on paper: the catalogue holds
// 7 significant digits, so its faces are plane and its angles exact only to
// about 1e-7, and fold chains many faces long add that up. worst (optional)
// receives the largest error relative to the diameter.
std::string checkFolding(const Polyhedron& solid, const NetDocument& net, double tolerance = 1e-6,
                         double* worst = nullptr);

// Area of the intersection of two convex counter-clockwise polygons (clipping).
double intersectionArea(const std::vector<Vec2>& a, const std::vector<Vec2>& b);

}  // namespace velkora::test
