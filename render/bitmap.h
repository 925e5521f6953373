#pragma once
// A 32-bit pixel buffer laid out as 0xFFRRGGBB per pixel, row after row with
// no padding (the layout of QImage::Format_RGB32, so a window can wrap it
// without copying). Owns its pixels; no drawing operations live here.

#include <cstdint>
#include <vector>

namespace velkora {

inline constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // width * height entries

  // Resizes to width x height (reusing storage) and paints every pixel white.
  void resetWhite(int newWidth, int newHeight);

  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace velkora
