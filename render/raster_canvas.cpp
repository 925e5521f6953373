#include "render/raster_canvas.h"

#include <algorithm>

namespace velkora {

const std::uint32_t* RasterCanvas::row(int y) const {
  return bitmap_.pixels.data() +
         static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap_.width);
}

void RasterCanvas::clearWhite() { bitmap_.whitenPainted(); }

void RasterCanvas::setRowWindow(int top, int bottom) {
  windowTop_ = std::clamp(top, 0, kRasterCoordLimit);
  windowBottom_ = std::clamp(bottom, 0, kRasterCoordLimit);
}

void RasterCanvas::whitenWindow(const PixelRect& extra) {
  PixelRect box = extra;
  box.unite(*painted_);
  bitmap_.whitenRows(box, rowsTop(), rowsBottom());
}

void RasterCanvas::notePainted(int left, int top, int right, int bottom) {
  const PixelRect box{std::max(left, 0), std::max(top, rowsTop()), std::min(right, bitmap_.width),
                      std::min(bottom, rowsBottom())};
  painted_->unite(box);
  if (painted_ == &bitmap_.painted && !bitmap_.paintedBands.empty()) {
    bitmap_.paintedBands.clear();  // the finer record no longer holds
  }
}

void RasterCanvas::andCombine(const Canvas& layer) { andCombine(layer, 0); }

PixelRect RasterCanvas::andArea(const Canvas& layer, int layerTop) const {
  // Rows of this bitmap that the layer's rows 0..height-1 lie on.
  PixelRect area{0, std::max(rowsTop(), layerTop), std::min(width(), layer.width()),
                 std::min({rowsBottom(), height(), layerTop + layer.height()})};
  // Outside what our own rasteriser painted, a layer is white and changes nothing.
  if (const auto* raster = dynamic_cast<const RasterCanvas*>(&layer)) {
    const PixelRect& painted = *raster->painted_;
    area = {std::max(area.left, painted.left), std::max(area.top, painted.top + layerTop),
            std::min(area.right, painted.right), std::min(area.bottom, painted.bottom + layerTop)};
  }
  return area;
}

void RasterCanvas::andCombine(const Canvas& layer, int layerTop) {
  const PixelRect area = andArea(layer, layerTop);
  if (area.empty()) {
    return;
  }
  for (int y = area.top; y < area.bottom; ++y) {
    std::uint32_t* target = bitmap_.pixels.data() + static_cast<std::size_t>(y) * bitmap_.width;
    const std::uint32_t* source = layer.row(y - layerTop);
    for (int x = area.left; x < area.right; ++x) {
      target[x] &= source[x];
    }
  }
  notePainted(area.left, area.top, area.right, area.bottom);
}

void RasterCanvas::andCombineClearing(RasterCanvas& layer, int layerTop) {
  const PixelRect area = andArea(layer, layerTop);
  if (!area.empty()) {
    for (int y = area.top; y < area.bottom; ++y) {
      std::uint32_t* target = bitmap_.pixels.data() + static_cast<std::size_t>(y) * bitmap_.width;
      std::uint32_t* source = layer.bitmap_.pixels.data() +
                              static_cast<std::size_t>(y - layerTop) * layer.bitmap_.width;
      for (int x = area.left; x < area.right; ++x) {
        target[x] &= source[x];
        source[x] = kWhite;
      }
    }
    notePainted(area.left, area.top, area.right, area.bottom);
  }
  // What the layer painted outside the combined area (nothing, when the
  // layer lies within this bitmap's window) is whitened as well.
  const PixelRect& painted = *layer.painted_;
  const bool allWhite =
      painted.empty() ||
      (!area.empty() && area.left <= painted.left && area.right >= painted.right &&
       area.top - layerTop <= painted.top && area.bottom - layerTop >= painted.bottom);
  if (!allWhite) {
    layer.bitmap_.whitenRows(painted, 0, layer.bitmap_.height);
  }
  *layer.painted_ = {};
}

}  // namespace velkora
