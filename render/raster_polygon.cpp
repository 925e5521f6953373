// Polygon fill and outline of the rasteriser.
//
// Fill rule: a pixel is inside when its centre (x + 0.5, y + 0.5) is; an edge
// crossing that falls exactly on a centre belongs to the pixel on its right.
// Two polygons sharing an edge therefore neither overlap nor leave a gap.
// Outline: one Bresenham line per edge, always rasterised from its
// lexicographically smaller end so that an edge shared by two faces covers
// the same pixels in both; each edge leaves out its end point, which is the
// start of the next edge, so every corner is painted exactly once. A pen w
// pixels wide grows every outline pixel into a run of w pixels across the
// line (down from it, or right of it on steep lines), so at corners that are
// multiples of w apart an axis-aligned outline is the one-pixel outline with
// every pixel grown into a w x w block.

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "render/raster_canvas.h"
#include "render/raster_math.h"

namespace velkora {

using raster::ceilDiv;
using raster::clampPoint;
using raster::floorDiv;

void RasterCanvas::polygon(std::span<const PixelPoint> corners) {
  if (corners.empty() || bitmap_.width <= 0 || bitmap_.height <= 0) {
    return;
  }
  int left = INT_MAX;
  int top = INT_MAX;
  int right = INT_MIN;
  int bottom = INT_MIN;
  for (const PixelPoint& c : corners) {
    const PixelPoint p = clampPoint(c);
    left = std::min(left, p.x);
    top = std::min(top, p.y);
    right = std::max(right, p.x);
    bottom = std::max(bottom, p.y);
  }
  notePainted(left, top, right + penWidth(), bottom + penWidth());
  fillPolygon(corners);
  outlinePolygon(corners);
}

namespace {

// Calls crossing(y, x) for the rows y0..y1-1 that the edge lo-hi (lo.y < hi.y)
// crosses, x being the first column whose pixel centre lies right of it.
template <typename Crossing>
void walkEdge(PixelPoint lo, PixelPoint hi, int y0, int y1, Crossing crossing) {
  // Crossing at row y: xc = lo.x + (2(y - lo.y) + 1) dx / D with D = 2 (hi.y - lo.y).
  // The first pixel right of it is ceil(xc - 0.5) = lo.x + ceil(P(y) / 2D) with
  // P(y) = 2 (2 (y - lo.y) + 1) dx - D, and P grows by 4 dx per row. Track the
  // quotient and remainder of P / 2D exactly.
  const std::int64_t dx = static_cast<std::int64_t>(hi.x) - lo.x;
  const std::int64_t d = 2 * (static_cast<std::int64_t>(hi.y) - lo.y);
  const std::int64_t m = 2 * d;
  const std::int64_t p0 = 2 * (2 * (static_cast<std::int64_t>(y0) - lo.y) + 1) * dx - d;
  std::int64_t q = floorDiv(p0, m);
  std::int64_t r = p0 - q * m;
  const std::int64_t stepQ = floorDiv(4 * dx, m);
  const std::int64_t stepR = 4 * dx - stepQ * m;
  for (int y = y0; y < y1; ++y) {
    crossing(y, static_cast<int>(lo.x + q + (r > 0 ? 1 : 0)));
    q += stepQ;
    r += stepR;
    if (r >= m) {
      r -= m;
      ++q;
    }
  }
}

// Whether y runs down once and up once around the polygon (every convex
// polygon does): then every row is crossed by exactly one falling and one
// rising edge.
bool monotoneInY(std::span<const PixelPoint> corners) {
  const std::size_t n = corners.size();
  int first = 0;
  int last = 0;
  int changes = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const int a = clampPoint(corners[i]).y;
    const int b = clampPoint(corners[(i + 1) % n]).y;
    const int sign = (b > a) - (b < a);
    if (sign == 0) {
      continue;
    }
    if (last == 0) {
      first = sign;
    } else if (sign != last) {
      ++changes;
    }
    last = sign;
  }
  if (last != 0 && last != first) {
    ++changes;
  }
  return changes <= 2;
}

// The Bresenham steps of an edge from a to b, traversed from its smaller end
// p0: the major axis u steps once per pixel, the minor axis v follows by
// rounding; steps 0..len without the traversal's end point, clipped along the
// major axis to the columns 0..width-1 or the rows rowsTop..rowsBottom-1.
// Every field is set by edgeSteps (all of them when it returns true); they
// have no initialisers, as zeroing them for every edge showed in profiles.
struct EdgeSteps {
  bool reversed;  // b is the smaller end
  PixelPoint p0;
  PixelPoint p1;
  bool xMajor;
  std::int64_t len;
  std::int64_t u0;
  std::int64_t su;
  std::int64_t v0;
  std::int64_t adv;
  std::int64_t sv;
  std::int64_t uMin;  // visible range along each axis
  std::int64_t uLimit;
  std::int64_t vMin;
  std::int64_t vLimit;
  std::int64_t iFirst;
  std::int64_t iLast;
};

// Fills s for the edge; false for an edge of no length.
bool edgeSteps(PixelPoint a, PixelPoint b, int width, int rowsTop, int rowsBottom, EdgeSteps& s) {
  s.reversed = b.x < a.x || (b.x == a.x && b.y < a.y);
  s.p0 = s.reversed ? b : a;
  s.p1 = s.reversed ? a : b;
  const std::int64_t dx = static_cast<std::int64_t>(s.p1.x) - s.p0.x;  // >= 0
  const std::int64_t dy = static_cast<std::int64_t>(s.p1.y) - s.p0.y;
  s.xMajor = dx >= std::abs(dy);
  s.len = s.xMajor ? dx : std::abs(dy);
  if (s.len == 0) {
    return false;
  }
  s.u0 = s.xMajor ? s.p0.x : s.p0.y;
  s.su = s.xMajor ? 1 : (dy > 0 ? 1 : -1);
  s.v0 = s.xMajor ? s.p0.y : s.p0.x;
  s.adv = s.xMajor ? std::abs(dy) : dx;
  s.sv = s.xMajor ? (dy >= 0 ? 1 : -1) : 1;
  s.uMin = s.xMajor ? 0 : rowsTop;
  s.uLimit = s.xMajor ? width : rowsBottom;
  s.vMin = s.xMajor ? rowsTop : 0;
  s.vLimit = s.xMajor ? rowsBottom : width;
  s.iFirst = s.reversed ? 1 : 0;
  s.iLast = s.reversed ? s.len : s.len - 1;
  // Clip along the major axis: u = u0 + su * i within [uMin, uLimit).
  if (s.su > 0) {
    s.iFirst = std::max(s.iFirst, s.uMin - s.u0);
    s.iLast = std::min(s.iLast, s.uLimit - 1 - s.u0);
  } else {
    s.iFirst = std::max(s.iFirst, s.u0 - (s.uLimit - 1));
    s.iLast = std::min(s.iLast, s.u0 - s.uMin);
  }
  return true;
}

// Narrows the steps to those whose minor offset m(i) = floor((2 i adv + len) /
// 2 len) lies in mLow..mHigh; m is non-decreasing in i, so they form one range.
// False when no step is left.
bool clipMinor(EdgeSteps& s, std::int64_t mLow, std::int64_t mHigh) {
  if (s.adv == 0) {
    if (mLow > 0 || mHigh < 0) {
      return false;
    }
  } else {
    s.iFirst = std::max(s.iFirst, ceilDiv(2 * s.len * mLow - s.len, 2 * s.adv));
    s.iLast = std::min(s.iLast, ceilDiv(2 * s.len * (mHigh + 1) - s.len, 2 * s.adv) - 1);
  }
  return s.iFirst <= s.iLast;
}

}  // namespace

void RasterCanvas::fillPolygon(std::span<const PixelPoint> corners) {
  const int w = bitmap_.width;
  const int h = bitmap_.height;
  if (corners.empty() || w <= 0 || h <= 0) {
    return;
  }
  int yMin = INT_MAX;
  int yMax = INT_MIN;
  for (const PixelPoint& c : corners) {
    const PixelPoint p = clampPoint(c);
    yMin = std::min(yMin, p.y);
    yMax = std::max(yMax, p.y);
  }
  // Rows whose centre y + 0.5 lies between yMin and yMax.
  const int rowFirst = std::max(yMin, rowsTop());
  const int rowEnd = std::min(yMax, rowsBottom());
  if (rowFirst >= rowEnd) {
    return;
  }
  if (spanLeft_.size() < static_cast<std::size_t>(h)) {
    spanLeft_.resize(static_cast<std::size_t>(h));
    spanRight_.resize(static_cast<std::size_t>(h));
  }
  int* const falling = spanLeft_.data();
  int* const rising = spanRight_.data();

  // A y-monotone polygon has one crossing per row on each chain: the falling
  // edges write one array, the rising edges the other, and each row spans
  // between the two. Any other polygon takes the smallest and the largest
  // crossing of each row.
  const bool monotone = monotoneInY(corners);
  if (!monotone) {
    std::fill(falling + rowFirst, falling + rowEnd, INT_MAX);
    std::fill(rising + rowFirst, rising + rowEnd, INT_MIN);
  }
  const std::size_t n = corners.size();
  for (std::size_t i = 0; i < n; ++i) {
    PixelPoint lo = clampPoint(corners[i]);
    PixelPoint hi = clampPoint(corners[(i + 1) % n]);
    if (lo.y == hi.y) {
      continue;
    }
    const bool down = lo.y < hi.y;
    if (!down) {
      std::swap(lo, hi);
    }
    const int y0 = std::max(lo.y, rowFirst);
    const int y1 = std::min(hi.y, rowEnd);
    if (y0 >= y1) {
      continue;
    }
    if (monotone) {
      int* const chain = down ? falling : rising;
      walkEdge(lo, hi, y0, y1, [chain](int y, int x) { chain[y] = x; });
    } else {
      walkEdge(lo, hi, y0, y1, [falling, rising](int y, int x) {
        falling[y] = std::min(falling[y], x);
        rising[y] = std::max(rising[y], x);
      });
    }
  }

  const std::uint32_t colour = fillColour();
  int paintedLeft = w;
  int paintedRight = 0;
  for (int y = rowFirst; y < rowEnd; ++y) {
    const int left = std::max(std::min(falling[y], rising[y]), 0);
    const int right = std::min(std::max(falling[y], rising[y]), w);
    if (left < right) {
      std::uint32_t* line = bitmap_.pixels.data() + static_cast<std::size_t>(y) * w;
      raster::fillSpan(line + left, right - left, colour);
      paintedLeft = std::min(paintedLeft, left);
      paintedRight = std::max(paintedRight, right);
    }
  }
  notePainted(paintedLeft, rowFirst, paintedRight, rowEnd);
}

void RasterCanvas::outlinePolygon(std::span<const PixelPoint> corners) {
  const std::size_t n = corners.size();
  auto edgeLength = [](PixelPoint a, PixelPoint b) {
    return std::max(std::abs(static_cast<std::int64_t>(b.x) - a.x),
                    std::abs(static_cast<std::int64_t>(b.y) - a.y));
  };
  std::int64_t dotBase = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const PixelPoint a = clampPoint(corners[i]);
    const PixelPoint b = clampPoint(corners[(i + 1) % n]);
    if (penWidth() == 1) {
      drawEdge(a, b, dotBase);
    } else {
      drawWideEdge(a, b, dotBase);
    }
    dotBase += edgeLength(a, b);
  }
  if (dotBase == 0) {
    // Every corner on one pixel: no edge has a length, so paint the pixel
    // itself (the pen's w x w block).
    const PixelPoint p = clampPoint(corners[0]);
    const int w = penWidth();
    for (int y = std::max(p.y, rowsTop()); y < std::min(p.y + w, rowsBottom()); ++y) {
      for (int x = std::max(p.x, 0); x < std::min(p.x + w, bitmap_.width); ++x) {
        bitmap_.pixels[static_cast<std::size_t>(y) * bitmap_.width + x] = dotColour(0);
      }
    }
  }
}

void RasterCanvas::drawEdge(PixelPoint a, PixelPoint b, std::int64_t dotBase) {
  EdgeSteps s;
  if (!edgeSteps(a, b, bitmap_.width, rowsTop(), rowsBottom(), s)) {
    return;
  }
  // Clip along the minor axis: v = v0 + sv * m(i), m(i) = floor((2 i adv + len) / 2 len),
  // a non-decreasing function of i, so the visible steps form one range. An
  // edge whose both ends lie inside needs no clipping (the common case).
  const std::int64_t mLow = s.sv > 0 ? s.vMin - s.v0 : s.v0 - (s.vLimit - 1);
  const std::int64_t mHigh = s.sv > 0 ? s.vLimit - 1 - s.v0 : s.v0 - s.vMin;
  const bool inside = s.p0.x >= 0 && s.p1.x < bitmap_.width &&
                      std::min(s.p0.y, s.p1.y) >= rowsTop() &&
                      std::max(s.p0.y, s.p1.y) < rowsBottom();
  if (inside ? s.iFirst > s.iLast : !clipMinor(s, mLow, mHigh)) {
    return;
  }

  // Walk the pixels by pointer; the dot phase runs with the traversal, which
  // goes against i when the edge was turned round.
  const std::int64_t denominator = 2 * s.len;
  const std::int64_t numerator = 2 * s.iFirst * s.adv + s.len;
  std::int64_t mStep = 0;
  if (s.iFirst > 1) {
    mStep = floorDiv(numerator, denominator);
  } else if (numerator >= denominator) {  // iFirst 0 or 1: numerator < 2 denominator
    mStep = 1;
  }
  std::int64_t rest = numerator - mStep * denominator;
  const std::ptrdiff_t stride = bitmap_.width;
  const std::ptrdiff_t uPixels = s.xMajor ? s.su : s.su * stride;
  const std::ptrdiff_t vPixels = s.xMajor ? s.sv * stride : s.sv;
  const std::int64_t u = s.u0 + s.su * s.iFirst;
  const std::int64_t v = s.v0 + s.sv * mStep;
  std::uint32_t* const pixels = bitmap_.pixels.data();
  std::ptrdiff_t at = s.xMajor ? v * stride + u : u * stride + v;
  const std::int64_t twoAdv = 2 * s.adv;
  if (penStyle() == PenStyle::Solid) {
    const std::uint32_t colour = penColour();
    for (std::int64_t i = s.iFirst; i <= s.iLast; ++i) {
      pixels[at] = colour;
      at += uPixels;
      rest += twoAdv;
      if (rest >= denominator) {
        rest -= denominator;
        at += vPixels;
      }
    }
    return;
  }
  static_assert(kDotPeriod == 3, "one dot, two gaps");
  const std::uint32_t colours[kDotPeriod] = {penColour(), fillColour(), fillColour()};
  const std::int64_t firstIndex = dotBase + (s.reversed ? s.len - s.iFirst : s.iFirst);
  int phase = static_cast<int>(firstIndex % kDotPeriod);
  const int phaseStep = s.reversed ? kDotPeriod - 1 : 1;  // -1 or +1 modulo the period
  for (std::int64_t i = s.iFirst; i <= s.iLast; ++i) {
    pixels[at] = colours[phase];
    phase += phaseStep;
    if (phase >= kDotPeriod) {
      phase -= kDotPeriod;
    }
    at += uPixels;
    rest += twoAdv;
    if (rest >= denominator) {
      rest -= denominator;
      at += vPixels;
    }
  }
}

void RasterCanvas::drawWideEdge(PixelPoint a, PixelPoint b, std::int64_t dotBase) {
  const int w = penWidth();
  // At scale 1 an edge toward smaller coordinates covers a down to just past
  // b; grown into w x w blocks that is a + w - 1 down to just past b + w - 1.
  if (std::abs(static_cast<std::int64_t>(b.x) - a.x) >=
      std::abs(static_cast<std::int64_t>(b.y) - a.y)) {
    if (b.x < a.x) {
      a.x += w - 1;
      b.x += w - 1;
    }
  } else if (b.y < a.y) {
    a.y += w - 1;
    b.y += w - 1;
  }
  EdgeSteps s;
  if (!edgeSteps(a, b, bitmap_.width, rowsTop(), rowsBottom(), s)) {
    return;
  }
  // The run of the pixel at v covers v..v + w - 1. v runs monotonely from v0
  // to v0 + sv * adv (the far end), so when both ends' runs lie inside the
  // window every run does and no step needs clipping (the common case, with
  // no divisions at all). Otherwise a step shows while
  // vMin + 1 - w <= v <= vLimit - 1, with v = v0 + sv * m(i) as in drawEdge.
  const std::int64_t vFar = s.v0 + s.sv * s.adv;
  const bool whole = std::min(s.v0, vFar) >= s.vMin && std::max(s.v0, vFar) + w <= s.vLimit;
  if (whole) {
    if (s.iFirst > s.iLast) {
      return;
    }
  } else {
    const std::int64_t mLow = s.sv > 0 ? s.vMin + 1 - w - s.v0 : s.v0 - (s.vLimit - 1);
    const std::int64_t mHigh = s.sv > 0 ? s.vLimit - 1 - s.v0 : s.v0 + w - 1 - s.vMin;
    if (!clipMinor(s, mLow, mHigh)) {
      return;
    }
  }

  // Bresenham state at the first step: m(iFirst) = floor(numerator / denominator).
  const std::int64_t denominator = 2 * s.len;
  const std::int64_t numerator = 2 * s.iFirst * s.adv + s.len;
  std::int64_t mStep = 0;
  if (s.iFirst > 1) {
    mStep = floorDiv(numerator, denominator);
  } else if (numerator >= denominator) {  // iFirst 0 or 1: numerator < 2 denominator
    mStep = 1;
  }
  std::int64_t rest = numerator - mStep * denominator;
  std::int64_t v = s.v0 + s.sv * mStep;
  const std::ptrdiff_t stride = bitmap_.width;
  const std::ptrdiff_t uStride = s.xMajor ? 1 : stride;  // one pixel along u
  const std::ptrdiff_t vStride = s.xMajor ? stride : 1;  // one pixel along v (the run)
  const std::ptrdiff_t uStep = s.su * uStride;
  const std::ptrdiff_t vStep = s.sv * vStride;
  std::uint32_t* const pixels = bitmap_.pixels.data();
  std::ptrdiff_t at = (s.u0 + s.su * s.iFirst) * uStride + v * vStride;  // the run's first pixel
  const std::int64_t twoAdv = 2 * s.adv;
  const std::int64_t steps = s.iLast - s.iFirst + 1;

  // Dot phase: step J along the outline (J from dotBase at a) is a dot when
  // (J div w) mod 3 is 0; the traversal goes against J when the edge was
  // turned round.
  const std::uint32_t colours[kDotPeriod] = {penColour(), fillColour(), fillColour()};
  int sub = 0;    // J mod w
  int phase = 0;  // (J div w) mod 3
  if (penStyle() == PenStyle::Dotted) {
    const std::int64_t firstIndex = dotBase + (s.reversed ? s.len - s.iFirst : s.iFirst);
    sub = static_cast<int>(firstIndex % w);
    phase = static_cast<int>((firstIndex / w) % kDotPeriod);
  }
  const int phaseStep = s.reversed ? kDotPeriod - 1 : 1;  // -1 or +1 modulo the period
  const int subStep = s.reversed ? -1 : 1;

  // One loop for every kind of edge; the kinds that differ per step are
  // template arguments, so that a solid unclipped edge walks with nothing
  // but its stores and the Bresenham step.
  auto walk = [&]<bool Solid, bool Whole>() {
    for (std::int64_t i = 0; i < steps; ++i) {
      const std::uint32_t colour = Solid ? colours[0] : colours[phase];
      if (Whole || (v >= s.vMin && v + w <= s.vLimit)) {
        if (w == 2) {
          pixels[at] = colour;
          pixels[at + vStride] = colour;
        } else {
          for (int t = 0; t < w; ++t) {
            pixels[at + t * vStride] = colour;
          }
        }
      } else {
        for (std::int64_t t = std::max(v, s.vMin); t < std::min<std::int64_t>(v + w, s.vLimit);
             ++t) {
          pixels[at + (t - v) * vStride] = colour;
        }
      }
      if (!Solid) {
        sub += subStep;
        if (sub == w || sub < 0) {
          sub = s.reversed ? w - 1 : 0;
          phase += phaseStep;
          if (phase >= kDotPeriod) {
            phase -= kDotPeriod;
          }
        }
      }
      at += uStep;
      rest += twoAdv;
      if (rest >= denominator) {
        rest -= denominator;
        at += vStep;
        if (!Whole) {
          v += s.sv;
        }
      }
    }
  };
  const bool solid = penStyle() == PenStyle::Solid;
  if (solid && whole) {
    walk.operator()<true, true>();
  } else if (solid) {
    walk.operator()<true, false>();
  } else if (whole) {
    walk.operator()<false, true>();
  } else {
    walk.operator()<false, false>();
  }
}

}  // namespace velkora
