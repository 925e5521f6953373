#pragma once
// The design size of the picture: the drawing area of the window at its
// smallest, in logical pixels. The window derives its client size from it;
// command-line pictures use it as their size at scale 1.

namespace velkora {

inline constexpr int kDrawingWidth = 634;
inline constexpr int kDrawingHeight = 663;

}  // namespace velkora
