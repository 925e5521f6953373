#pragma once
// A frame's colours as a palette of at most 256 entries and one index per
// pixel, for formats that store indexed colour (GIF). Exact where the frame
// has at most 256 colours; otherwise a popularity quantiser: the 256 most
// frequent colours, and every other colour drawn as its nearest among them.

#include <cstdint>
#include <span>
#include <vector>

namespace velkora {

struct IndexedFrame {
  std::vector<std::uint32_t> palette;  // 0xFFRRGGBB, 1 to 256 entries, in order of first use
  std::vector<std::uint8_t> indices;   // one per pixel, row after row
  bool exact = true;                   // whether every pixel keeps its colour
};

// The pixels (0xFFRRGGBB; the top byte is ignored) of a width x height box
// whose rows lie stride pixels apart. Needs width, height >= 1.
IndexedFrame indexFrame(std::span<const std::uint32_t> pixels, int width, int height, int stride);

}  // namespace velkora
