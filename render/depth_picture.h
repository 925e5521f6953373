#pragma once
// Pictures of flat polygons in space that need not be convex together (a net
// half folded): every polygon filled in its colour with a per-pixel depth
// test, then outlined with the same test, so that no polygon covers one in
// front of it. Our own rasteriser, like the frame's; the frame's views do not
// use it.

#include <cstdint>
#include <span>
#include <vector>

#include "base/vec.h"
#include "render/bitmap.h"

namespace velkora {

// Polygons in logical pixels relative to the picture's origin: x to the
// right, y downward, z larger farther away. Each should be flat and convex.
struct DepthScene {
  std::vector<Vec3> corners;
  std::vector<std::uint32_t> firsts{0};  // polygon i: corners[firsts[i] .. firsts[i + 1])
  std::vector<std::uint32_t> colours;    // fill, 0xRRGGBB

  void clear();
  void addPolygon(std::span<const Vec3> polygon, std::uint32_t colour);
  std::size_t size() const { return colours.size(); }
};

inline constexpr std::uint32_t kDepthOutline = 0xFF000000u;

// The working store of the depth test: the nearest z drawn so far per device
// pixel, kept between pictures so that each clears only what the last wrote.
struct DepthBuffer {
  int width = 0;
  int height = 0;
  std::vector<float> values;  // width * height; infinity where nothing is drawn
  PixelRect written;          // outside it every value is infinity

  float at(int x, int y) const {
    return values[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

// Draws the scene into frame, width x height device pixels on white,
// origin at (width div 2, height div 2), pixelScale (clamped to 1..4) device
// pixels per logical pixel. A pixel shows the nearest polygon at its centre;
// outlines are pixelScale x lineWidth (clamped to 1..3) pixels wide and drawn where they are not
// behind a polygon. Polygons seen edge-on leave only their outline. Only the frame's painted box is
// whitened first, so frame may be shared with the frame composer; depth holds the nearest z per
// device pixel afterwards.
void composeDepthPicture(const DepthScene& scene, int width, int height, Bitmap& frame,
                         DepthBuffer& depth, int pixelScale = 1, int lineWidth = 1);

}  // namespace velkora
