#include "render/display_list.h"

#include <algorithm>
#include <climits>

#include "render/raster_math.h"

namespace velkora {

void DisplayList::clear() {
  calls.clear();
  corners.clear();
  extent = {};
}

void DisplayList::replay(RasterCanvas& frame, RasterCanvas& front, const PixelRect& frontBefore,
                         int top, int bottom) const {
  frame.setRowWindow(top, bottom);
  front.setRowWindow(top, bottom);
  for (const DrawCall& call : calls) {
    RasterCanvas& canvas = call.layer == DrawLayer::Front ? front : frame;
    switch (call.kind) {
      case DrawCall::Kind::Clear:
        canvas.whitenWindow(call.layer == DrawLayer::Front ? frontBefore : PixelRect{});
        break;
      case DrawCall::Kind::Polygon:
        if (call.box.bottom > top && call.box.top < bottom) {
          canvas.setPenColour(call.pen);
          canvas.setFillColour(call.fill);
          canvas.setPenStyle(call.penStyle);
          canvas.setPenWidth(call.penWidth);
          canvas.polygon(std::span(corners.data() + call.firstCorner, call.cornerCount));
        }
        break;
      case DrawCall::Kind::Ellipse:
        if (call.box.bottom > top && call.box.top < bottom) {
          canvas.setPenColour(call.pen);
          canvas.setFillColour(call.fill);
          canvas.setPenStyle(call.penStyle);
          canvas.setPenWidth(call.penWidth);
          canvas.ellipse(call.box.left, call.box.top, call.box.right, call.box.bottom);
        }
        break;
      case DrawCall::Kind::And:
        canvas.andCombine(call.layer == DrawLayer::Front ? frame : front);
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
