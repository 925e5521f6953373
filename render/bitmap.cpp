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
  paintedBands.clear();
}

void Bitmap::whitenPainted() {
  whitenRows(painted, 0, height);
  painted = {};
  paintedBands.clear();
}

void Bitmap::whitenRows(const PixelRect& box, int top, int bottom) {
  const int left = std::max(box.left, 0);
  const int right = std::min(box.right, width);
  const int first = std::max({box.top, top, 0});
  const int end = std::min({box.bottom, bottom, height});
  if (left == 0 && right == width) {
    // Whole rows: one contiguous block.
    if (first < end) {
      std::fill(pixels.begin() + static_cast<std::ptrdiff_t>(first) * width,
                pixels.begin() + static_cast<std::ptrdiff_t>(end) * width, kWhite);
    }
  } else {
    for (int y = first; y < end && left < right; ++y) {
      const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y) * width;
      std::fill(row + left, row + right, kWhite);
    }
  }
}

}  // namespace velkora
