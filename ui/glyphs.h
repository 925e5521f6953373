#pragma once
// The 20 x 20 glyphs of the two zoom buttons: four diagonal arrows drawn as
// black 1-pixel lines, everything else transparent (white is the see-through
// colour). Enlarge points the arrows out to the corners, shrink points them in.

#include <QImage>

namespace velkora {

inline constexpr int kGlyphSize = 20;

// Arrows from near the centre to the corners, L-shaped heads at the corners.
QImage enlargeGlyph();

// The same diagonals with the L-shaped heads at their inner ends.
QImage shrinkGlyph();

}  // namespace velkora
