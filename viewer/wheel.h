#pragma once
// The mouse wheel over the picture: angle deltas (120 per notch of a common
// wheel, smaller pieces from high-resolution wheels and touchpads) collected
// into whole notches. Plain data owned by the window.

namespace velkora {

inline constexpr int kWheelNotch = 120;

struct WheelAccumulator {
  int remainder = 0;  // eighths of a degree not yet turned into a notch
};

// Adds delta and returns the whole notches now complete (positive: away from
// the user). A turn against the direction of a remainder drops the remainder,
// so that a reversal acts on its own movement only.
int wheelNotches(WheelAccumulator& wheel, int delta);

}  // namespace velkora
