#pragma once
// The tints of a net's faces by their number of corners (0xRRGGBB), shared
// by the printed pages and the net folding on screen.

#include <cstddef>
#include <cstdint>

namespace velkora {

constexpr std::uint32_t netTint(std::size_t corners) {
  switch (corners) {
    case 3:
      return 0xFFF3C4;
    case 4:
      return 0xD9ECFF;
    case 5:
      return 0xDFF5D8;
    case 6:
      return 0xFFE0D6;
    case 8:
      return 0xECE0FF;
    case 10:
      return 0xFFE8C2;
    default:
      return 0xEBEBEB;
  }
}

}  // namespace velkora
