#include "render/raster_canvas.h"

#include <algorithm>

namespace velkora {

const std::uint32_t* RasterCanvas::row(int y) const {
  return bitmap_.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap_.width);
}

void RasterCanvas::clearWhite() { bitmap_.resetWhite(bitmap_.width, bitmap_.height); }

void RasterCanvas::andCombine(const Canvas& layer) {
  const int w = std::min(width(), layer.width());
  const int h = std::min(height(), layer.height());
  for (int y = 0; y < h; ++y) {
    std::uint32_t* target = bitmap_.pixels.data() + static_cast<std::size_t>(y) * bitmap_.width;
    const std::uint32_t* source = layer.row(y);
    for (int x = 0; x < w; ++x) {
      target[x] &= source[x];
    }
  }
}

void RasterCanvas::plot(int x, int y, std::int64_t dotIndex) {
  const bool dot = penStyle() == PenStyle::Solid || dotIndex % kDotPeriod == 0;
  bitmap_.pixels[static_cast<std::size_t>(y) * bitmap_.width + x] = dot ? penColour() : fillColour();
}

}  // namespace velkora
