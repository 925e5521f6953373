#include "render/bitmap.h"

#include <algorithm>

namespace velkora {

void PixelRect::unite(const PixelRect& other) {
  if (other.empty()) {
    return;
  }
  if (empty()) {
    *this = other;
    return;
  }
  left = std::min(left, other.left);
  top = std::min(top, other.top);
  right = std::max(right, other.right);
  bottom = std::max(bottom, other.bottom);
}

void Bitmap::resetWhite(int newWidth, int newHeight) {
  width = std::max(newWidth, 0);
  height = std::max(newHeight, 0);
  // assign() reuses the existing storage when it is large enough.
  pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kWhite);
  painted = {};
}

void Bitmap::whitenPainted() {
  const int left = std::max(painted.left, 0);
  const int right = std::min(painted.right, width);
  const int top = std::max(painted.top, 0);
  const int bottom = std::min(painted.bottom, height);
  if (left == 0 && right == width) {
    // Whole rows: one contiguous block.
    if (top < bottom) {
      std::fill(pixels.begin() + static_cast<std::ptrdiff_t>(top) * width,
                pixels.begin() + static_cast<std::ptrdiff_t>(bottom) * width, kWhite);
    }
  } else {
    for (int y = top; y < bottom && left < right; ++y) {
      const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y) * width;
      std::fill(row + left, row + right, kWhite);
    }
  }
  painted = {};
}

}  // namespace velkora
