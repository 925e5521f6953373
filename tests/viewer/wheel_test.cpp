// Collecting wheel deltas into whole notches.

#include <gtest/gtest.h>

#include <climits>

#include "viewer/wheel.h"

namespace velkora::test {
namespace {

TEST(Wheel, WholeNotchesPassAndPiecesAddUp) {
  WheelAccumulator wheel;
  EXPECT_EQ(wheelNotches(wheel, 120), 1);
  EXPECT_EQ(wheelNotches(wheel, -240), -2);
  EXPECT_EQ(wheelNotches(wheel, 360), 3);
  // A touchpad's small pieces: 15 eighths of a degree at a time.
  int notches = 0;
  for (int k = 0; k < 16; ++k)
    notches += wheelNotches(wheel, 15);
  EXPECT_EQ(notches, 2);
  EXPECT_EQ(wheel.remainder, 0);
  EXPECT_EQ(wheelNotches(wheel, 100), 0);
  EXPECT_EQ(wheelNotches(wheel, 30), 1);
  EXPECT_EQ(wheel.remainder, 10);
}

TEST(Wheel, AReversalDropsWhatWasCollectedTheOtherWay) {
  WheelAccumulator wheel;
  EXPECT_EQ(wheelNotches(wheel, 100), 0);
  // Turned back: the 100 collected forward are dropped, not cancelled against.
  EXPECT_EQ(wheelNotches(wheel, -100), 0);
  EXPECT_EQ(wheel.remainder, -100);
  EXPECT_EQ(wheelNotches(wheel, -20), -1);
  EXPECT_EQ(wheelNotches(wheel, 0), 0);
}

TEST(Wheel, HugeDeltasDoNotOverflow) {
  WheelAccumulator wheel;
  wheel.remainder = 119;
  EXPECT_EQ(wheelNotches(wheel, INT_MAX), (119LL + INT_MAX) / 120);
  wheel.remainder = -119;
  EXPECT_EQ(wheelNotches(wheel, INT_MIN), (-119LL + INT_MIN) / 120);
}

}  // namespace
}  // namespace velkora::test
