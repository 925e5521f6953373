#pragma once
// The window icon: a 64 x 64 picture of an orange stellated octahedron (an
// octahedron with a three-sided spike on every face) on a transparent
// background, drawn here with flat-shaded polygons.

#include <QImage>

namespace velkora {

inline constexpr int kIconSize = 64;

QImage appIconImage();

}  // namespace velkora
