#include "tests/install/picture_compare.h"

#include <cstdio>

namespace velkora::gallery::test {

std::string firstDifference(const QImage& a, const QImage& b) {
  char text[160];
  if (a.size() != b.size()) {
    std::snprintf(text, sizeof text, "sizes differ: %d x %d against %d x %d", a.width(), a.height(),
                  b.width(), b.height());
    return text;
  }
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb pa = a.pixel(x, y) & 0xFFFFFFu;
      const QRgb pb = b.pixel(x, y) & 0xFFFFFFu;
      if (pa != pb) {
        std::snprintf(text, sizeof text, "pixel (%d, %d): %06X against %06X", x, y, pa, pb);
        return text;
      }
    }
  }
  return {};
}

QImage pictureOf(const Bitmap& frame) {
  QImage picture(frame.width, frame.height, QImage::Format_RGB32);
  for (int y = 0; y < frame.height; ++y) {
    for (int x = 0; x < frame.width; ++x) {
      picture.setPixel(x, y, frame.at(x, y));
    }
  }
  return picture;
}

}  // namespace velkora::gallery::test
