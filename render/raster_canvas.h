#pragma once
// Our own scanline rasteriser behind the Canvas interface, drawing straight
// into a Bitmap: span fill sampled at pixel centres, Bresenham outlines
// widened across the line for wider pens, a fixed dot pattern, clipping at
// the bitmap's edges. It does not own the
// bitmap, which must outlive the canvas; nothing is allocated per primitive.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "render/bitmap.h"
#include "render/canvas.h"

namespace velkora {

// Corner and box coordinates are clamped to +-kRasterCoordLimit before any
// arithmetic, so no input can overflow; callers keep far inside this range.
inline constexpr int kRasterCoordLimit = 1 << 24;

// A dotted pen paints one pixel in the pen colour, then kDotPeriod - 1 in the
// fill colour, counted along the outline; a pen of width w paints w steps
// of each.
inline constexpr int kDotPeriod = 3;

// Ellipses up to this many rows keep their row spans for the next ellipse of
// the same size.
inline constexpr int kEllipseCacheRows = 64;

class RasterCanvas final : public Canvas {
 public:
  explicit RasterCanvas(Bitmap& bitmap) : bitmap_(bitmap) {}

  int width() const override { return bitmap_.width; }
  int height() const override { return bitmap_.height; }
  const std::uint32_t* row(int y) const override;
  void clearWhite() override;
  void polygon(std::span<const PixelPoint> corners) override;
  void ellipse(int left, int top, int right, int bottom) override;
  void andCombine(const Canvas& layer) override;
  // The same with the layer's row 0 on this bitmap's row layerTop.
  void andCombine(const Canvas& layer, int layerTop);
  // The same, leaving the layer all white again (with nothing painted)
  // while its rows are read, for a layer used once per band of rows.
  void andCombineClearing(RasterCanvas& layer, int layerTop);

  // The fill of polygon() on its own, without the outline.
  void fillPolygon(std::span<const PixelPoint> corners);

  // From now on draws (and AND-combines) only rows top..bottom-1 of the
  // bitmap, as if the rest were beyond its edge; the pixels of those rows come
  // out exactly as without the window. The window starts as all rows and is
  // cut to the bitmap.
  void setRowWindow(int top, int bottom);
  // Paints white the rows of the window where the painted box or extra
  // lies; the painted box stays as it is (clearWhite() for one window).
  void whitenWindow(const PixelRect& extra);
  // From now on grows box instead of the bitmap's painted box, so that canvases
  // drawing disjoint row windows of one bitmap on several threads do not
  // share it; the caller unites the boxes into the bitmap's afterwards.
  void notePaintedInto(PixelRect& box) { painted_ = &box; }

 private:
  // Where combining with the layer (row 0 on row layerTop) can change pixels.
  PixelRect andArea(const Canvas& layer, int layerTop) const;
  void outlinePolygon(std::span<const PixelPoint> corners);
  // Draws the edge from a to b without b; dots are counted from dotBase at a.
  void drawEdge(PixelPoint a, PixelPoint b, std::int64_t dotBase);
  // The same for a pen wider than one pixel: every pixel of the one-pixel
  // line grows into a run of penWidth() pixels downward (lines running more
  // across than down) or rightward (the others). An edge running toward
  // smaller coordinates is moved penWidth() - 1 pixels the other way along
  // its run, so it covers the far side of its corners' w x w blocks.
  void drawWideEdge(PixelPoint a, PixelPoint b, std::int64_t dotBase);
  // Grows the painted box (the bitmap's, or the one given to
  // notePaintedInto) by the part of the box inside the bitmap.
  void notePainted(int left, int top, int right, int bottom);
  std::uint32_t dotColour(std::int64_t dotIndex) const {
    return penStyle() == PenStyle::Solid || (dotIndex / penWidth()) % kDotPeriod == 0
               ? penColour()
               : fillColour();
  }

  // Rows drawn: windowTop_..windowBottom_-1, within the bitmap.
  int rowsTop() const { return std::max(windowTop_, 0); }
  int rowsBottom() const { return std::min(windowBottom_, bitmap_.height); }

  Bitmap& bitmap_;
  PixelRect* painted_ = &bitmap_.painted;
  int windowTop_ = 0;
  int windowBottom_ = kRasterCoordLimit;
  // Per row of the polygon being filled: the crossings of its falling and its
  // rising edges (or the smallest and the largest crossing).
  std::vector<int> spanLeft_;
  std::vector<int> spanRight_;
  // Row spans of the last cached ellipse size, relative to its box's left edge.
  int ellipseWidth_ = 0;
  int ellipseHeight_ = 0;
  std::vector<int> ellipseFirst_;
  std::vector<int> ellipseLast_;
};

}  // namespace velkora
