// The Rotation button, the timer, the spin edits and the zoom buttons.

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "model/zoom.h"
#include "tests/ui/window_fixture.h"

namespace velkora::test {
namespace {

using AnimationTest = WindowTest;

// Angle in degrees of a point in the x-z plane.
double angleXZ(const Point3& p) { return std::atan2(p.z, p.x) * 180.0 / std::numbers::pi; }

TEST_F(AnimationTest, FirstRotationPressTurnsHalfDegreesAboutTheVerticalAxis) {
  auto& button = control<QPushButton>("Button1");
  const Model before = model();
  // Starting and stopping as such neither turns nor draws.
  window->B2C();
  EXPECT_EQ(pointDistance(model(), before), 0.0);
  window->B2C();

  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(button.text(), QStringLiteral("Abbruch"));
  EXPECT_EQ(window->animationTimer().interval(), 10);
  EXPECT_EQ(window->state().motion.stepX, 0.0) << "SpinEdit1 shows 1, the step stays 0";
  EXPECT_EQ(window->state().motion.stepZ, 0.5);
  ASSERT_TRUE(QTest::qWaitFor([&] { return pointDistance(model(), before) > 0; }, 3000));
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(button.text(), QStringLiteral("Rotation"));
  EXPECT_FALSE(window->animationTimer().isActive());

  // About the vertical axis: every y stays, and the turn is whole half degrees.
  const Model after = model();
  for (int i = 0; i < after.vertexCount; ++i) {
    EXPECT_NEAR(after.vertices[i].y, before.vertices[i].y, 1e-9) << i;
  }
  const double turned =
      std::remainder(angleXZ(before.vertices[0]) - angleXZ(after.vertices[0]), 360.0);
  const double halfDegrees = std::abs(turned) / 0.5;
  EXPECT_GE(halfDegrees, 0.99);
  EXPECT_NEAR(halfDegrees, std::round(halfDegrees), 1e-6) << turned;

  QTest::qWait(50);
  EXPECT_EQ(pointDistance(model(), after), 0.0) << "no ticks after stopping";
}

TEST_F(AnimationTest, AllStepsZeroStartsWithAQuarterDegree) {
  for (const char* name : {"SpinEdit1", "SpinEdit3"}) {
    control<QSpinBox>(name).setValue(0);
  }
  ASSERT_EQ(window->state().motion.stepZ, 0.0);
  QTest::mouseClick(&control<QPushButton>("Button1"), Qt::LeftButton);
  EXPECT_EQ(window->state().motion.stepZ, 0.25);
  EXPECT_EQ(control<QSpinBox>("SpinEdit3").value(), 0) << "the spin edit is not updated";
}

TEST_F(AnimationTest, ListClickDuringAnimationStopsIt) {
  QTest::mouseClick(&control<QPushButton>("Button1"), Qt::LeftButton);
  ASSERT_TRUE(window->animationTimer().isActive());
  clickListEntry(12);
  EXPECT_FALSE(window->animationTimer().isActive());
  EXPECT_EQ(window->animationTimer().interval(), 0);
  EXPECT_EQ(control<QPushButton>("Button1").text(), QStringLiteral("Rotation"));
}

TEST_F(AnimationTest, ClosingDuringAnimationStopsTheTicks) {
  QTest::mouseClick(&control<QPushButton>("Button1"), Qt::LeftButton);
  ASSERT_TRUE(window->close());
  const Model closedAt = model();
  QTest::qWait(50);
  EXPECT_FALSE(window->animationTimer().isActive());
  EXPECT_EQ(pointDistance(model(), closedAt), 0.0);
}

TEST_F(AnimationTest, SpinArrowTurnsOnceWithTheNewStepAndRedraws) {
  auto& spin = control<QSpinBox>("SpinEdit2");
  const Model before = model();
  const std::vector<std::uint32_t> framePixels = window->frameBuffers().frame.pixels;
  QTest::keyClick(&spin, Qt::Key_Up);
  EXPECT_EQ(spin.value(), 1);
  EXPECT_EQ(window->state().motion.stepY, 0.25);
  EXPECT_LT(pointDistance(model(), turnedCopy(before, 0.0, 0.25, 0.5)), 1e-12);
  EXPECT_NE(window->frameBuffers().frame.pixels, framePixels);

  // Clamped at the top of the range: no change, no turn.
  spin.setValue(15);
  const Model atTop = model();
  QTest::keyClick(&spin, Qt::Key_Up);
  EXPECT_EQ(spin.value(), 15);
  EXPECT_EQ(window->state().motion.stepY, 3.75);
  EXPECT_EQ(pointDistance(model(), atTop), 0.0);
}

TEST_F(AnimationTest, SpinTextThatIsNotANumberTurnsNothing) {
  auto& spin = control<QSpinBox>("SpinEdit1");
  const Model before = model();
  spin.setFocus();
  spin.selectAll();
  QTest::keyClick(&spin, Qt::Key_Minus);  // a lone minus while typing
  EXPECT_EQ(window->state().motion.stepX, 0.0);
  EXPECT_EQ(pointDistance(model(), before), 0.0);

  QTest::keyClick(&spin, Qt::Key_5);  // "-5": one change, one turn
  EXPECT_EQ(spin.value(), -5);
  EXPECT_EQ(window->state().motion.stepX, -1.25);
  const Model afterFive = turnedCopy(before, -1.25, 0.0, 0.5);
  EXPECT_LT(pointDistance(model(), afterFive), 1e-12);

  spin.selectAll();
  QTest::keyClick(&spin, Qt::Key_Backspace);  // an empty field
  EXPECT_EQ(window->state().motion.stepX, -1.25);
  EXPECT_LT(pointDistance(model(), afterFive), 1e-12);

  // Out of range cannot be typed: "2" is taken, the "0" of "20" is refused.
  QTest::keyClicks(&spin, QStringLiteral("20"));
  EXPECT_EQ(spin.value(), 2);
  EXPECT_EQ(window->state().motion.stepX, 0.5);
  EXPECT_LT(pointDistance(model(), turnedCopy(afterFive, 0.5, 0.0, 0.5)), 1e-12);
}

TEST_F(AnimationTest, TenEnlargesThenTenShrinksRestoreTheSize) {
  auto& enlarge = control<QToolButton>("Speed2");
  auto& shrink = control<QToolButton>("Speed3");
  const Model before = model();
  QTest::mouseClick(&enlarge, Qt::LeftButton);
  EXPECT_DOUBLE_EQ(model().vertices[0].x, before.vertices[0].x * kEnlargeFactor);
  EXPECT_DOUBLE_EQ(model().scale, before.scale * kEnlargeFactor);
  for (int i = 1; i < 10; ++i)
    QTest::mouseClick(&enlarge, Qt::LeftButton);
  EXPECT_NEAR(model().scale / before.scale, std::pow(1.1, 10), 1e-9);
  for (int i = 0; i < 10; ++i)
    QTest::mouseClick(&shrink, Qt::LeftButton);
  EXPECT_LT(pointDistance(model(), before), 1e-9);
  EXPECT_NEAR(model().scale, before.scale, 1e-12 * before.scale);
}

}  // namespace
}  // namespace velkora::test
