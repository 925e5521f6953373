#include "render/bitmap.h"

#include <algorithm>

namespace velkora {

void Bitmap::resetWhite(int newWidth, int newHeight) {
  width = std::max(newWidth, 0);
  height = std::max(newHeight, 0);
  // assign() reuses the existing storage when it is large enough.
  pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kWhite);
}

}  // namespace velkora
