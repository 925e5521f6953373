// Animation steps and the drag rules.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "model/model.h"
#include "model/rotation.h"
#include "viewer/motion_state.h"

namespace velkora {
namespace {

std::unique_ptr<Model> pointOnX() {
  auto m = std::make_unique<Model>();
  m->vertexCount = 1;
  m->vertices[0] = {100.0, 0.0, 0.0};
  return m;
}

TEST(Steps, StartingValuesAndSpinValues) {
  MotionState s;
  EXPECT_EQ(s.stepX, 0.0);
  EXPECT_EQ(s.stepY, 0.0);
  EXPECT_EQ(s.stepZ, 0.5);
  setStepFromSpin(s, 0, 15);
  setStepFromSpin(s, 1, -15);
  setStepFromSpin(s, 2, 0);
  EXPECT_EQ(s.stepX, 3.75);
  EXPECT_EQ(s.stepY, -3.75);
  EXPECT_EQ(s.stepZ, 0.0);
  setStepFromSpin(s, 3, 8);  // no such axis: nothing changes
  EXPECT_EQ(s.stepX, 3.75);
  EXPECT_EQ(s.stepY, -3.75);
  EXPECT_EQ(s.stepZ, 0.0);
}

TEST(Steps, AnimationStartGivesAQuarterDegreeOnlyWhenAllStepsAreZero) {
  MotionState s;
  prepareAnimationStart(s);
  EXPECT_EQ(s.stepZ, 0.5);
  s.stepZ = 0.0;
  s.stepX = 0.25;
  prepareAnimationStart(s);
  EXPECT_EQ(s.stepZ, 0.0);
  s.stepX = 0.0;
  prepareAnimationStart(s);
  EXPECT_EQ(s.stepZ, 0.25);
  EXPECT_EQ(s.stepX, 0.0);
  EXPECT_EQ(s.stepY, 0.0);
}

// One step turns by stepX in the x-y plane, then stepY in the y-z plane, then
// stepZ in the x-z plane. Quarter turns show each step's plane, sense and
// order without any trigonometry: x goes to y, y to z, x to z.
TEST(Steps, RechnenTurnsByTheThreeStepsInOrder) {
  struct Case {
    double stepX, stepY, stepZ;
    Point3 from, to;
  };
  const Case cases[] = {
      {90.0, 0.0, 0.0, {100, 0, 0}, {0, 100, 0}},     // x-y plane: x toward y
      {0.0, 90.0, 0.0, {0, 100, 0}, {0, 0, 100}},     // y-z plane: y toward z
      {0.0, 0.0, 90.0, {100, 0, 0}, {0, 0, 100}},     // x-z plane: x toward z
      {90.0, 90.0, 0.0, {100, 0, 0}, {0, 0, 100}},    // x -> y -> z
      {0.0, 90.0, 90.0, {0, 100, 0}, {-100, 0, 0}},   // y -> z -> -x
      {90.0, 90.0, 90.0, {100, 0, 0}, {-100, 0, 0}},  // x -> y -> z -> -x
      {-90.0, 0.0, 90.0, {0, 100, 0}, {0, 0, 100}},   // y -> x -> z
  };
  for (const Case& c : cases) {
    MotionState s;
    s.stepX = c.stepX;
    s.stepY = c.stepY;
    s.stepZ = c.stepZ;
    auto m = pointOnX();
    m->vertices[0] = c.from;
    rechnen(*m, s);
    const Point3& p = m->vertices[0];
    EXPECT_NEAR(p.x, c.to.x, 1e-9) << c.stepX << " " << c.stepY << " " << c.stepZ;
    EXPECT_NEAR(p.y, c.to.y, 1e-9) << c.stepX << " " << c.stepY << " " << c.stepZ;
    EXPECT_NEAR(p.z, c.to.z, 1e-9) << c.stepX << " " << c.stepY << " " << c.stepZ;
  }
  // Small steps add up: 18 steps of 10 degrees in the y-z plane are half a turn.
  MotionState s;
  s.stepX = 0.0;
  s.stepY = 10.0;
  s.stepZ = 0.0;
  auto m = pointOnX();
  m->vertices[0] = {3.0, 4.0, 5.0};
  for (int k = 0; k < 18; ++k)
    rechnen(*m, s);
  EXPECT_NEAR(m->vertices[0].x, 3.0, 1e-12);  // half a turn in y-z leaves x
  EXPECT_NEAR(m->vertices[0].y, -4.0, 1e-12);
  EXPECT_NEAR(m->vertices[0].z, -5.0, 1e-12);
}

TEST(Drag, OnlyTheLeftButtonStartsADrag) {
  MotionState s;
  auto m = pointOnX();
  EXPECT_FALSE(dragPress(s, false, 40, 50));
  EXPECT_FALSE(s.dragging);
  EXPECT_FALSE(dragMove(*m, s, 10, 50));
  EXPECT_EQ(m->vertices[0].x, 100.0);
  EXPECT_TRUE(dragPress(s, true, 40, 50));
  EXPECT_TRUE(s.dragging);
  EXPECT_EQ(s.lastMouseX, 40);
  EXPECT_EQ(s.lastMouseY, 50);
}

TEST(Drag, MoveToTheSamePositionDoesNothing) {
  MotionState s;
  auto m = pointOnX();
  dragPress(s, true, 40, 50);
  EXPECT_FALSE(dragMove(*m, s, 40, 50));
  EXPECT_EQ(m->vertices[0].x, 100.0);
  EXPECT_EQ(m->vertices[0].y, 0.0);
}

TEST(Drag, NinetyPixelsLeftTurnNinetyDegreesClockwiseInOneOrManyMoves) {
  MotionState s;
  auto once = pointOnX();
  dragPress(s, true, 200, 80);
  EXPECT_TRUE(dragMove(*once, s, 110, 80));
  EXPECT_EQ(s.lastMouseX, 110);
  // +x toward +y (down the screen): clockwise as the user sees it.
  EXPECT_NEAR(once->vertices[0].x, 0.0, 1e-12);
  EXPECT_NEAR(once->vertices[0].y, 100.0, 1e-12);

  auto many = pointOnX();
  dragRelease(s);
  dragPress(s, true, 200, 80);
  for (int x = 199; x >= 110; --x) {
    dragMove(*many, s, x, 80);
  }
  EXPECT_NEAR(many->vertices[0].x, 0.0, 1e-10);
  EXPECT_NEAR(many->vertices[0].y, 100.0, 1e-10);
}

TEST(Drag, VerticalMoveTurnsInTheYZPlane) {
  MotionState s;
  auto m = pointOnX();
  m->vertices[0] = {0.0, 100.0, 0.0};
  dragPress(s, true, 0, 0);
  dragMove(*m, s, 0, 90);  // mouse down: b = -90, +y toward -z
  EXPECT_NEAR(m->vertices[0].y, 0.0, 1e-12);
  EXPECT_NEAR(m->vertices[0].z, -100.0, 1e-12);
}

TEST(Drag, ThreeHundredSixtyPixelsReturn) {
  MotionState s;
  auto m = pointOnX();
  m->vertices[0] = {100.0, -40.0, 7.0};
  dragPress(s, true, 0, 0);
  for (int x = 1; x <= 360; ++x) {
    dragMove(*m, s, x, 0);
  }
  EXPECT_NEAR(m->vertices[0].x, 100.0, 1e-10);
  EXPECT_NEAR(m->vertices[0].y, -40.0, 1e-10);
  EXPECT_NEAR(m->vertices[0].z, 7.0, 1e-10);
}

TEST(Drag, ReleaseOfAnyButtonEndsTheDragAndForgetsThePosition) {
  MotionState s;
  auto m = pointOnX();
  dragPress(s, true, 30, 30);
  dragPress(s, false, 31, 31);  // another button during the drag changes nothing
  EXPECT_TRUE(s.dragging);
  EXPECT_EQ(s.lastMouseX, 30);
  dragRelease(s);
  EXPECT_FALSE(s.dragging);
  EXPECT_EQ(s.lastMouseX, 0);
  EXPECT_EQ(s.lastMouseY, 0);
  EXPECT_FALSE(dragMove(*m, s, 90, 30));
  EXPECT_EQ(m->vertices[0].x, 100.0);
}

TEST(Drag, ExtremeCoordinatesDoNotOverflow) {
  MotionState s;
  auto m = pointOnX();
  const std::int32_t low = std::numeric_limits<std::int32_t>::min();
  const std::int32_t high = std::numeric_limits<std::int32_t>::max();
  dragPress(s, true, high, 0);
  ASSERT_TRUE(dragMove(*m, s, low, 0));
  // a = high - low = 2^32 - 1 degrees, taken exactly: 4294967295 mod 360 = 255.
  EXPECT_NEAR(m->vertices[0].x, 100.0 * std::cos(255.0 * std::acos(-1.0) / 180.0), 1e-6);
  EXPECT_NEAR(m->vertices[0].y, 100.0 * std::sin(255.0 * std::acos(-1.0) / 180.0), 1e-6);
}

}  // namespace
}  // namespace velkora
