#pragma once
// Integer helpers of the rasteriser: rounding divisions and the clamping of
// coordinates into the range its 64-bit arithmetic is exact for.

#include <algorithm>
#include <cstdint>

#include "render/raster_canvas.h"

namespace velkora::raster {

// Largest integer <= a / b; needs b > 0.
inline std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if (a % b != 0 && a < 0) {
    --q;
  }
  return q;
}

// Smallest integer >= a / b; needs b > 0.
inline std::int64_t ceilDiv(std::int64_t a, std::int64_t b) { return -floorDiv(-a, b); }

inline int clampCoord(int v) { return std::clamp(v, -kRasterCoordLimit, kRasterCoordLimit); }

inline PixelPoint clampPoint(PixelPoint p) { return {clampCoord(p.x), clampCoord(p.y)}; }

}  // namespace velkora::raster
