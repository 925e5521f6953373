#pragma once
// From model coordinates (logical pixels relative to the origin) to integer
// device pixels: round to nearest with halves to even, multiply by the pixel
// scale, then shift by the origin. Coordinates
// far outside any surface are cut back first, so the conversion to int never
// overflows however often the picture was enlarged. No drawing happens here.

#include <array>
#include <span>

#include "model/model.h"
#include "render/canvas.h"

namespace velkora {

// Farther than any surface reaches from the origin; polygons are clipped to
// +-kPixelLimit before rounding, single points are clamped to it.
inline constexpr double kPixelLimit = 1.0e6;

// A clipped face gains at most one corner per side of the clipping box.
inline constexpr int kMaxProjectedCorners = kMaxCorners + 8;

// round(v) with halves to the even neighbour, clamped to +-kPixelLimit; NaN gives 0.
int roundPixel(double v);

// The device pixel of a model point: (scale * round(x) + centreX,
// scale * round(y) + centreY); z is ignored. Rounding before scaling keeps a
// picture at scale k the scale-1 picture with every offset from the origin
// times k. Needs 1 <= scale <= 4.
PixelPoint projectPoint(const Point3& p, int centreX, int centreY, int scale = 1);

// Projects the polygon through the given points in order and writes its
// pixel corners to out; returns how many. A polygon reaching beyond
// +-kPixelLimit is first clipped to that box (keeping the shape of what is
// on screen); otherwise the corners are exactly projectPoint of the points.
int projectPolygon(std::span<const Point3> points, int centreX, int centreY,
                   std::array<PixelPoint, kMaxProjectedCorners>& out, int scale = 1);

}  // namespace velkora
