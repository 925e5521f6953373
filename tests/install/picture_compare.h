#pragma once
// Comparing pictures pixel for pixel in the gallery tests: the first pixel
// that differs, with its position and both colours, or nothing when equal.

#include <string>

#include <QImage>

#include "render/bitmap.h"

namespace velkora::gallery::test {

// "" when a and b have the same size and the same colour (alpha ignored) at
// every pixel; otherwise a description of the size difference or first pixel.
std::string firstDifference(const QImage& a, const QImage& b);

// A copy of a frame bitmap as a picture.
QImage pictureOf(const Bitmap& frame);

}  // namespace velkora::gallery::test
