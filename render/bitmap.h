#pragma once
// A 32-bit pixel buffer laid out as 0xFFRRGGBB per pixel, row after row with
// no padding (the layout of QImage::Format_RGB32, so a window can wrap it
// without copying). Owns its pixels and remembers the box that drawing has
// touched since it was last white; no drawing operations live here.

#include <cstdint>
#include <vector>

namespace velkora {

inline constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

// A box of pixels: columns left..right-1, rows top..bottom-1; empty when
// left >= right or top >= bottom.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool empty() const { return left >= right || top >= bottom; }
  // Grows the box to take in the other one.
  void unite(const PixelRect& other);
};

struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // width * height entries
  // Every pixel outside this box is white. The rasteriser grows it as it
  // draws; code that writes pixels directly must call markAllPainted().
  PixelRect painted;
  // A finer record where it is kept: every painted pixel lies in one of
  // these boxes (say, one per band of rows a frame was drawn in). Painting
  // straight into the bitmap, and anything that changes painted but the
  // code keeping the record, empties it.
  std::vector<PixelRect> paintedBands;

  // Resizes to width x height (reusing storage) and paints every pixel white.
  void resetWhite(int newWidth, int newHeight);
  // Paints every pixel white again, touching only the painted box.
  void whitenPainted();
  // Paints the part of box in rows top..bottom-1 white; painted is left as it is.
  void whitenRows(const PixelRect& box, int top, int bottom);
  void markAllPainted() {
    painted = {0, 0, width, height};
    paintedBands.clear();
  }

  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace velkora
