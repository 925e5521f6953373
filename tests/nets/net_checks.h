#pragma once
// Checks of a finished net written independently of the nets library: fold
// tree and pieces, face shapes against the catalogue, overlap by clipping,
// margins, cut labels and tabs, and folding the paper back into the solid.
// Each returns an empty string when the net passes, else the first fault.

#include <string>

#include "model/polyhedron.h"
#include "nets/net_labels.h"
#include "nets/net_types.h"

namespace velkora::test {

// The free paper a reader needs between the boxes of two labels.
inline constexpr double kLabelGapMm = 0.5;

std::string checkTree(const Polyhedron& solid, const NetDocument& net);
std::string checkShapes(const Polyhedron& solid, const NetDocument& net);
std::string checkNoOverlap(const NetDocument& net);
std::string checkInsideMargins(const NetDocument& net);
std::string checkLabelsAndTabs(const NetDocument& net);
// Every edge of the solid appears exactly once: as one fold or as one cut
// label on two cut sides; so folds + cut sides / 2 is the solid's edge count.
std::string checkEveryEdgeOnce(const Polyhedron& solid, const NetDocument& net);
// The labels of one page: no two boxes overlap, no number (cut, face, fold
// angle) comes closer than kLabelGapMm to another label (a "7" beside a "9"
// must not read "79"), no box crosses a line of the page (face edges, the cut
// rim of tabs; computed here from the document), and every box lies inside
// the margins.
std::string checkLabels(const NetDocument& net, int page, const std::vector<NetLabel>& labels);
// Every tab is a trapezoid whose top edge is at least a tenth of its glued edge.
std::string checkTabTops(const NetDocument& net);
// A cut pair goes without a tab only where no 3 mm tab fits on either side:
// tries 3 mm trapezoids with sides at 45 degrees or steeper and a top of a
// tenth of the edge, anywhere along it, against every face and tab of the
// page. With tabs on both sides every cut side has one. Nets drawn without
// tabs pass.
std::string checkNoTabMissing(const NetDocument& net);
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
