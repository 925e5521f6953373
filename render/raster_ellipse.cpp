// Ellipse fill and outline of the rasteriser.
//
// A pixel belongs to the ellipse of the box (left, top, right, bottom) when
// its centre lies inside the ellipse that touches the box's outer pixel
// edges; the outline is every such pixel with a left, right, upper or lower
// neighbour outside (for a pen w pixels wide: the pixel w steps away). The dots of a dotted outline
// are counted along the perimeter by a division-free angle, so they spread evenly round it.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "render/raster_canvas.h"
#include "render/raster_math.h"

namespace velkora {

namespace {

// The columns [first, last] of row y inside the ellipse; empty when first > last.
struct Span {
  int first = 1;
  int last = 0;
  bool empty() const { return first > last; }
};

class EllipseShape {
 public:
  EllipseShape(int left, int top, int right, int bottom)
      : top_(top),
        bottom_(bottom),
        width_(right - left),
        height_(bottom - top),
        centre2X_(static_cast<double>(left) + right - 1),
        centre2Y_(static_cast<double>(top) + bottom - 1) {}

  Span span(int y) const {
    if (y < top_ || y >= bottom_) {
      return {};
    }
    // In doubled coordinates the pixel centre x lies inside when
    // |2x - centre2X| <= width * sqrt(1 - ((2y - centre2Y) / height)^2).
    const double t = (2.0 * y - centre2Y_) / height_;
    const double s = 1.0 - t * t;
    if (s < 0.0) {
      return {};
    }
    const double reach = width_ * std::sqrt(s);
    return {static_cast<int>(std::ceil((centre2X_ - reach) / 2.0)),
            static_cast<int>(std::floor((centre2X_ + reach) / 2.0))};
  }

  // Position of the pixel along the perimeter, for the dot pattern.
  std::int64_t dotIndex(int x, int y) const {
    const double dx = 2.0 * x - centre2X_;
    const double dy = 2.0 * y - centre2Y_;
    const double sum = std::abs(dx) + std::abs(dy);
    double turn = 0.0;  // 0..4 once round, like an angle measured on a diamond
    if (sum > 0.0) {
      if (dy >= 0.0) {
        turn = dx >= 0.0 ? dy / sum : 2.0 - dy / sum;
      } else {
        turn = dx < 0.0 ? 2.0 - dy / sum : 4.0 + dy / sum;
      }
    }
    const double perimeter = std::numbers::pi * (width_ + height_) / 2.0;
    return static_cast<std::int64_t>(turn / 4.0 * perimeter);
  }

 private:
  int top_;
  int bottom_;
  double width_;
  double height_;
  double centre2X_;
  double centre2Y_;
};

}  // namespace

void RasterCanvas::ellipse(int left, int top, int right, int bottom) {
  left = raster::clampCoord(left);
  top = raster::clampCoord(top);
  right = raster::clampCoord(right);
  bottom = raster::clampCoord(bottom);
  const int w = bitmap_.width;
  const int h = bitmap_.height;
  if (right <= left || bottom <= top || w <= 0 || h <= 0) {
    return;
  }
  notePainted(left, top, right, bottom);
  const EllipseShape shape(left, top, right, bottom);
  const int boxWidth = right - left;
  const int boxHeight = bottom - top;
  // The row spans depend on the box's size only; the vertex marks all share
  // one size, so their spans are worked out once and then looked up.
  const bool cached = boxHeight <= kEllipseCacheRows;
  if (cached && (boxWidth != ellipseWidth_ || boxHeight != ellipseHeight_)) {
    ellipseFirst_.resize(static_cast<std::size_t>(boxHeight));
    ellipseLast_.resize(static_cast<std::size_t>(boxHeight));
    for (int r = 0; r < boxHeight; ++r) {
      const Span span = shape.span(top + r);
      ellipseFirst_[r] = span.first - left;
      ellipseLast_[r] = span.last - left;
    }
    ellipseWidth_ = boxWidth;
    ellipseHeight_ = boxHeight;
  }
  auto spanOf = [&](int y) -> Span {
    if (!cached) {
      return shape.span(y);
    }
    if (y < top || y >= bottom) {
      return {};
    }
    return {ellipseFirst_[y - top] + left, ellipseLast_[y - top] + left};
  };

  const int rowFirst = std::max(top, rowsTop());
  const int rowEnd = std::min(bottom, rowsBottom());
  const std::uint32_t fill = fillColour();
  const std::uint32_t pen = penColour();
  const bool solid = penStyle() == PenStyle::Solid;
  // A pixel is outline when the pixel pen-width steps left, right, up or
  // down lies outside; rows and columns of an ellipse are unbroken, so no
  // nearer pixel can be outside when that one is inside.
  const int ring = penWidth();
  for (int y = rowFirst; y < rowEnd; ++y) {
    const Span current = spanOf(y);
    const int first = std::max(current.first, 0);
    const int last = std::min(current.last, w - 1);
    if (first > last) {
      continue;
    }
    const Span above = spanOf(y - ring);
    const Span below = spanOf(y + ring);
    int innerFirst = current.first + ring;
    int innerLast = current.last - ring;
    if (above.empty() || below.empty()) {
      innerLast = innerFirst - 1;
    } else {
      innerFirst = std::max({innerFirst, above.first, below.first});
      innerLast = std::min({innerLast, above.last, below.last});
    }
    std::uint32_t* line = bitmap_.pixels.data() + static_cast<std::size_t>(y) * w;
    if (solid) {
      raster::fillSpan(line + first, last - first + 1, pen);
      const int fillFirst = std::max(innerFirst, first);
      const int fillLast = std::min(innerLast, last);
      if (fillFirst <= fillLast) {
        raster::fillSpan(line + fillFirst, fillLast - fillFirst + 1, fill);
      }
    } else {
      for (int x = first; x <= last; ++x) {
        line[x] = x >= innerFirst && x <= innerLast ? fill : dotColour(shape.dotIndex(x, y));
      }
    }
  }
}

}  // namespace velkora
