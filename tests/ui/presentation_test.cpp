// Presentation mode: full screen, the picture fitted to 90 % of the shorter
// side, the control column on F10, and everything restored on leaving.

#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "model/zoom.h"
#include "tests/ui/window_fixture.h"

namespace velkora::test {
namespace {

class PresentationTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
  void settle() { QTest::qWait(50); }

  // Half the shorter side of the drawing area times 0.9: the radius the fit aims at.
  double targetRadius() {
    const QWidget& picture = control<QWidget>("PB1");
    return 0.45 * std::min(picture.width(), picture.height());
  }
};

TEST_F(PresentationTest, F11FitsTheSolidAndEscRestoresWindowZoomAndColumn) {
  control<QWidget>("Listbox1").setFocus();
  const Qt::WindowStates stateBefore = window->windowState();
  const double scaleBefore = model().scale;
  press(Qt::Key_F11);
  settle();
  ASSERT_TRUE(window->inPresentation());
  EXPECT_TRUE(window->windowState() & Qt::WindowFullScreen);
  EXPECT_FALSE(window->menuBar().isVisible());
  EXPECT_NEAR(enclosingRadius(model(), false), targetRadius(), 0.5);

  // F10 hides the column; the drawing area takes the whole width and the fit follows it.
  const Model turned = model();
  press(Qt::Key_F10);
  settle();
  EXPECT_TRUE(window->columnHidden());
  EXPECT_EQ(control<QWidget>("PB1").width(), window->width());
  EXPECT_NEAR(enclosingRadius(model(), false), targetRadius(), 0.5);

  press(Qt::Key_Escape);
  settle();
  EXPECT_FALSE(window->inPresentation());
  EXPECT_FALSE(window->columnHidden());
  EXPECT_EQ(window->windowState(), stateBefore);
  EXPECT_NEAR(model().scale, scaleBefore, 1e-9 * scaleBefore);
  EXPECT_TRUE(window->menuBar().isVisible());
  // The pose is kept: the points are the same up to the zoom's rounding.
  const double ratio = model().scale / turned.scale;
  EXPECT_NEAR(model().vertices[0].x, turned.vertices[0].x * ratio, 1e-9);
  EXPECT_NEAR(model().vertices[5].z, turned.vertices[5].z * ratio, 1e-9);
}

TEST_F(PresentationTest, LeavingTheModeKeepsAMaximisedWindowMaximised) {
  window->showMaximized();
  settle();
  ASSERT_TRUE(window->windowState() & Qt::WindowMaximized);
  const QSize maximised = window->size();
  for (const Qt::Key leave : {Qt::Key_Escape, Qt::Key_F11}) {
    SCOPED_TRACE(leave == Qt::Key_F11 ? "left with F11" : "left with Esc");
    press(Qt::Key_F11);
    settle();
    ASSERT_TRUE(window->inPresentation());
    press(leave);
    settle();
    EXPECT_FALSE(window->inPresentation());
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized)
        << "window state " << window->windowState().toInt();
    EXPECT_FALSE(window->windowState() & Qt::WindowFullScreen);
    EXPECT_EQ(window->width(), maximised.width());
    EXPECT_EQ(window->height(), maximised.height());
  }
}

TEST_F(PresentationTest, TheOuterViewFitsTheEnclosingSphereAndTheAnimationRunsOn) {
  QTest::mouseClick(&control<QRadioButton>("RadioB3"), Qt::LeftButton);
  QTest::mouseClick(&control<QPushButton>("Button1"), Qt::LeftButton);
  press(Qt::Key_F11);
  settle();
  EXPECT_TRUE(window->animationTimer().isActive());
  EXPECT_NEAR(enclosingRadius(model(), true), targetRadius(), 0.5);
  press(Qt::Key_F11);
  settle();
  EXPECT_FALSE(window->inPresentation());
  EXPECT_TRUE(window->animationTimer().isActive());
}

TEST_F(PresentationTest, AnotherSolidInTheModeIsFittedAndLeavesAtItsStartSize) {
  press(Qt::Key_F11);
  settle();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
  settle();
  EXPECT_NEAR(enclosingRadius(model(), false), targetRadius(), 0.5);
  press(Qt::Key_Escape);
  settle();
  Model fresh = model();
  window->B1C();
  EXPECT_NEAR(model().scale, fresh.scale, 1e-9 * fresh.scale);
}

TEST_F(PresentationTest, EscAndF10DoNothingOutsideTheMode) {
  const double scale = model().scale;
  press(Qt::Key_F10);
  press(Qt::Key_Escape);
  EXPECT_FALSE(window->columnHidden());
  EXPECT_FALSE(window->inPresentation());
  EXPECT_EQ(model().scale, scale);
}

}  // namespace
}  // namespace velkora::test
