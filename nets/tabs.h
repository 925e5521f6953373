#pragma once
// Glue tabs: for every cut edge pair one trapezoid on one side (or one on each
// side, for thin paper), as high as 30 % of the edge, at most 8 mm, its slanted
// sides cut back (both, then one far into a narrow gap) and then its height
// lowered until it touches no face and no other tab of its piece. One side:
// at least 3 mm, no tab where not even that fits. Both sides: every side gets
// one, lower than 3 mm where it must. Millimetres, counter-clockwise faces.

#include <vector>

#include "nets/plane.h"

namespace velkora {

inline constexpr double kTabMaxMm = 8.0;
inline constexpr double kTabMinMm = 3.0;
inline constexpr double kTabEdgeRatio = 0.3;
// The lowest tab a side that must have one is given.
inline constexpr double kTabSliverMm = 0.2;

// How far a tab on an edge of length edgeMm can reach beyond its face.
double tabReachMm(double edgeMm);

// The two sides of a cut edge pair: edge k of a face runs polygon[k] -> polygon[k + 1].
struct CutPair {
  int label = 0;
  int faceA = 0, edgeA = 0;
  int faceB = 0, edgeB = 0;
};

struct PlacedTab {
  int label = 0;
  int face = 0;  // the face whose edge carries the tab
  int edge = 0;
  std::vector<Vec2> polygon;  // counter-clockwise, the glued edge first (q, p)
};

// The tab outline on edge p -> q of a counter-clockwise face: height above
// the edge and how far each slanted side (at p, at q) leans in at the top.
// Needs insetP + insetQ < the edge's length.
std::vector<Vec2> tabOutline(Vec2 p, Vec2 q, double height, double insetP, double insetQ);

// Tabs for pairs in order; faces only block tabs of the same piece
// (pieceOf[face]). One side each: the larger of the two tabs that fit; a pair
// whose tab fits nowhere gets none. bothSides: a tab on each side of every
// pair, side A first, so that B's tab also clears A's; a side where no 3 mm
// tab fits gets a lower one (down to kTabSliverMm).
std::vector<PlacedTab> planTabs(const std::vector<std::vector<Vec2>>& faces,
                                const std::vector<int>& pieceOf, const std::vector<CutPair>& pairs,
                                bool bothSides = false);

}  // namespace velkora
