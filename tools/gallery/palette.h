#pragma once
// Reducing a picture to at most 256 colours (a palette PNG is about half the
// size of a true-colour one). A picture that already has 256 colours or fewer
// keeps every pixel exactly; otherwise median cut chooses the palette and each
// pixel takes its nearest palette colour, without dithering.

#include <QImage>

namespace velkora::gallery {

inline constexpr int kMaxPaletteColours = 256;

// Returns an image of Format_Indexed8 with the same size as picture.
// Alpha is ignored: the result is opaque.
QImage toPalette(const QImage& picture);

}  // namespace velkora::gallery
