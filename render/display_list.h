#pragma once
// A frame's drawing calls on the frame and the front layer, recorded with
// their pen and colours, and replayed onto our rasteriser one band of rows
// at a time, so that the rows in work of both layers stay in the cache.
// Replaying gives exactly the pixels of drawing directly. Owns the calls only.

#include <cstdint>
#include <span>
#include <vector>

#include "render/bitmap.h"
#include "render/canvas.h"
#include "render/raster_canvas.h"

namespace velkora {

enum class DrawLayer : std::uint8_t { Frame, Front };

struct DrawCall {
  enum class Kind : std::uint8_t { Clear, Polygon, Ellipse, And };
  Kind kind = Kind::Clear;
  DrawLayer layer = DrawLayer::Frame;
  PenStyle penStyle = PenStyle::Solid;
  int penWidth = 1;
  std::uint32_t pen = 0;
  std::uint32_t fill = 0;
  std::uint32_t firstCorner = 0;  // a polygon's corners in DisplayList::corners
  std::uint32_t cornerCount = 0;
  PixelRect box;  // an ellipse's box; for a polygon the box its pixels lie in
};

struct DisplayList {
  std::vector<DrawCall> calls;
  std::vector<PixelPoint> corners;
  PixelRect extent;  // every polygon and ellipse lies in it

  void clear();
  // Replays the calls onto frame and front, as far as they reach into rows
  // top..bottom-1 (the canvases' row windows are set to them). With
  // frontBand unset, front is a whole layer like frame, and a clear of it
  // whitens those rows of frontBefore and of what it has painted since. With
  // frontBand set, front holds just the band: its row 0 is row top, and a
  // clear whitens all it has painted.
  void replay(RasterCanvas& frame, RasterCanvas& front, const PixelRect& frontBefore, int top,
              int bottom, bool frontBand) const;
};

// A Canvas of width x height that draws nothing and appends every call to a
// display list as the given layer. It has no pixels: row() must not be called.
class RecordingCanvas final : public Canvas {
 public:
  RecordingCanvas(DisplayList& list, DrawLayer layer, int width, int height)
      : list_(list), layer_(layer), width_(width), height_(height) {}

  int width() const override { return width_; }
  int height() const override { return height_; }
  const std::uint32_t* row(int) const override { return nullptr; }
  void clearWhite() override;
  void polygon(std::span<const PixelPoint> corners) override;
  void ellipse(int left, int top, int right, int bottom) override;
  void andCombine(const Canvas& layer) override;

 private:
  DrawCall call(DrawCall::Kind kind) const;

  DisplayList& list_;
  DrawLayer layer_;
  int width_;
  int height_;
};

}  // namespace velkora
