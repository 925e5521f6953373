#include "render/display_list.h"

#include <algorithm>
#include <array>
#include <climits>

#include "render/raster_math.h"

namespace velkora {

namespace {

void setStyle(Canvas& canvas, const DrawCall& call) {
  canvas.setPenColour(call.pen);
  canvas.setFillColour(call.fill);
  canvas.setPenStyle(call.penStyle);
  canvas.setPenWidth(call.penWidth);
}

}  // namespace

void DisplayList::clear() {
  calls.clear();
  corners.clear();
  extent = {};
}

void DisplayList::replay(RasterCanvas& frame, RasterCanvas& front, const PixelRect& frontBefore,
                         int top, int bottom, bool frontBand) const {
  const int frontTop = frontBand ? top : 0;  // the frame row of the front's row 0
  frame.setRowWindow(top, bottom);
  front.setRowWindow(top - frontTop, bottom - frontTop);
  // Front corners moved up by the band's top.
  std::array<PixelPoint, 64> moved{};
  std::vector<PixelPoint> movedMany;
  for (const DrawCall& call : calls) {
    const bool onFront = call.layer == DrawLayer::Front;
    RasterCanvas& canvas = onFront ? front : frame;
    const int shift = onFront ? frontTop : 0;
    const bool inBand = call.box.bottom > top && call.box.top < bottom;
    switch (call.kind) {
      case DrawCall::Kind::Clear:
        if (onFront && frontBand) {
          front.clearWhite();
        } else {
          canvas.whitenWindow(onFront ? frontBefore : PixelRect{});
        }
        break;
      case DrawCall::Kind::Polygon:
        if (inBand) {
          setStyle(canvas, call);
          std::span<const PixelPoint> corners(this->corners.data() + call.firstCorner,
                                              call.cornerCount);
          if (shift != 0) {
            PixelPoint* out = moved.data();
            if (corners.size() > moved.size()) {
              movedMany.resize(corners.size());
              out = movedMany.data();
            }
            for (std::size_t i = 0; i < corners.size(); ++i) {
              out[i] = {corners[i].x, corners[i].y - shift};
            }
            corners = std::span<const PixelPoint>(out, corners.size());
          }
          canvas.polygon(corners);
        }
        break;
      case DrawCall::Kind::Ellipse:
        if (inBand) {
          setStyle(canvas, call);
          canvas.ellipse(call.box.left, call.box.top - shift, call.box.right,
                         call.box.bottom - shift);
        }
        break;
      case DrawCall::Kind::And:
        if (onFront) {
          front.andCombine(frame, -frontTop);
        } else if (frontBand) {
          // The band's front is not read again: whiten it while it is read.
          frame.andCombineClearing(front, frontTop);
        } else {
          frame.andCombine(front, frontTop);
        }
        break;
    }
  }
}

DrawCall RecordingCanvas::call(DrawCall::Kind kind) const {
  DrawCall c;
  c.kind = kind;
  c.layer = layer_;
  c.penStyle = penStyle();
  c.penWidth = penWidth();
  c.pen = penColour();
  c.fill = fillColour();
  return c;
}

void RecordingCanvas::clearWhite() { list_.calls.push_back(call(DrawCall::Kind::Clear)); }

void RecordingCanvas::polygon(std::span<const PixelPoint> corners) {
  if (corners.empty()) {
    return;
  }
  DrawCall c = call(DrawCall::Kind::Polygon);
  c.firstCorner = static_cast<std::uint32_t>(list_.corners.size());
  c.cornerCount = static_cast<std::uint32_t>(corners.size());
  int left = INT_MAX;
  int top = INT_MAX;
  int right = INT_MIN;
  int bottom = INT_MIN;
  for (const PixelPoint& corner : corners) {
    list_.corners.push_back(corner);
    const PixelPoint p = raster::clampPoint(corner);
    left = std::min(left, p.x);
    top = std::min(top, p.y);
    right = std::max(right, p.x);
    bottom = std::max(bottom, p.y);
  }
  // A wide pen reaches penWidth - 1 pixels right of and below the corners.
  c.box = {left, top, right + c.penWidth, bottom + c.penWidth};
  list_.extent.unite(c.box);
  list_.calls.push_back(c);
}

void RecordingCanvas::ellipse(int left, int top, int right, int bottom) {
  DrawCall c = call(DrawCall::Kind::Ellipse);
  c.box = {left, top, right, bottom};
  list_.extent.unite(c.box);
  list_.calls.push_back(c);
}

void RecordingCanvas::andCombine(const Canvas&) {
  list_.calls.push_back(call(DrawCall::Kind::And));
}

}  // namespace velkora
