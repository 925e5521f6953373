#pragma once
// The whole net of a solid on paper: the edge size (given, or the largest that
// puts the whole net with its tabs on one page), the split of the fold tree
// into pieces that fit a page, shelf packing of the pieces onto pages, cut
// labels and tabs. The search for the unfolding itself lives in nets/unfold.h.

#include <string_view>

#include "model/polyhedron.h"
#include "model/solid.h"
#include "nets/net_types.h"

namespace velkora {

inline constexpr double kNetMarginMm = 10.0;
inline constexpr double kNetTextStripMm = 8.0;  // the page line above the net, inside the margins
inline constexpr double kNetFootStripMm = 8.0;  // scale bar and how-to line below the net
inline constexpr double kPieceGapMm = 3.0;

struct PaperSize {
  double width = 0.0;  // mm
  double height = 0.0;
};
// Paper in portrait (landscape = false) or landscape.
PaperSize paperSize(Paper paper, bool landscape);

// The largest edge size in mm (tenths, rounded down) that puts the whole net
// with its tabs (one per cut pair) on one page. Best compares portrait and landscape.
double largestEdgeMm(const Polyhedron& solid, Paper paper, Orientation orientation);

// The net of a read solid, titled with its name. Throws ENetError when
// options.edgeMm is not a positive number or so large that a single face does
// not fit a page, and what prepareSolid and searchUnfolding throw.
NetDocument buildNet(const Solid& solid, const NetOptions& options);

}  // namespace velkora
