#pragma once
// Integer helpers of the rasteriser: rounding divisions and the clamping of
// coordinates into the range its 64-bit arithmetic is exact for.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwchar>

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

// Paints count pixels from line on in one colour. Runs of four or more go in
// 16-byte stores, the last one overlapping, so short spans need no tail loop;
// long runs go to wmemset where wchar_t is 32 bits wide.
inline void fillSpan(std::uint32_t* line, int count, std::uint32_t colour) {
#if WCHAR_MAX == 0x7FFFFFFF
  // Long runs go to the C library's wmemset, which stores 32 or more bytes
  // at a time where the processor can; wchar_t has the pixels' 32 bits here.
  static_assert(sizeof(wchar_t) == sizeof(std::uint32_t));
  if (count >= 32) {
    std::wmemset(reinterpret_cast<wchar_t*>(line), static_cast<wchar_t>(colour),
                 static_cast<std::size_t>(count));
    return;
  }
#endif
  if (count >= 4) {
    const std::uint32_t quad[4] = {colour, colour, colour, colour};
    for (int i = 0; i + 4 <= count; i += 4) {
      std::memcpy(line + i, quad, sizeof quad);
    }
    std::memcpy(line + count - 4, quad, sizeof quad);
  } else {
    for (int i = 0; i < count; ++i) {
      line[i] = colour;
    }
  }
}

inline int clampCoord(int v) { return std::clamp(v, -kRasterCoordLimit, kRasterCoordLimit); }

inline PixelPoint clampPoint(PixelPoint p) { return {clampCoord(p.x), clampCoord(p.y)}; }

}  // namespace velkora::raster
