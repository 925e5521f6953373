// Turning the solid by dragging on PB1, and the move cursor during a drag.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QEvent>

#include "tests/ui/window_fixture.h"

namespace velkora::test {
namespace {

class DragTest : public WindowTest {
 protected:
  QWidget& surface() { return control<QWidget>("PB1"); }
  void press(Qt::MouseButton button, Qt::MouseButtons held, QPoint at) {
    sendMouse(surface(), QEvent::MouseButtonPress, button, held, at);
  }
  void move(Qt::MouseButtons held, QPoint to) {
    sendMouse(surface(), QEvent::MouseMove, Qt::NoButton, held, to);
  }
  void release(Qt::MouseButton button, Qt::MouseButtons stillHeld, QPoint at) {
    sendMouse(surface(), QEvent::MouseButtonRelease, button, stillHeld, at);
  }
  static bool moveCursorShown() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor != nullptr && cursor->shape() == Qt::SizeAllCursor;
  }
};

TEST_F(DragTest, NinetyPixelsLeftEqualsOneNinetyDegreeTurn) {
  const Model expected = turnedCopy(model(), 90.0, 0.0, 0.0);
  const std::vector<std::uint32_t> framePixels = window->frameBuffers().frame.pixels;
  press(Qt::LeftButton, Qt::LeftButton, {400, 300});
  EXPECT_TRUE(moveCursorShown());
  for (int x = 390; x >= 310; x -= 10)
    move(Qt::LeftButton, {x, 300});
  release(Qt::LeftButton, Qt::NoButton, {310, 300});
  EXPECT_FALSE(moveCursorShown());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "override stack balanced";
  EXPECT_LT(pointDistance(model(), expected), 1e-9);
  EXPECT_NE(window->frameBuffers().frame.pixels, framePixels);
}

TEST_F(DragTest, RightPressAndReleaseEndTheDrag) {
  press(Qt::LeftButton, Qt::LeftButton, {300, 300});
  move(Qt::LeftButton, {290, 305});
  const Model turned = model();
  press(Qt::RightButton, Qt::LeftButton | Qt::RightButton, {290, 305});
  release(Qt::RightButton, Qt::LeftButton, {290, 305});
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(window->state().motion.dragging);
  // The left button is still held, but moves no longer turn anything.
  move(Qt::LeftButton, {200, 250});
  EXPECT_EQ(pointDistance(model(), turned), 0.0);
  release(Qt::LeftButton, Qt::NoButton, {200, 250});
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(DragTest, PressAndReleaseWithoutMovementChangeNothing) {
  const Model before = model();
  const std::vector<std::uint32_t> framePixels = window->frameBuffers().frame.pixels;
  press(Qt::LeftButton, Qt::LeftButton, {250, 250});
  move(Qt::LeftButton, {250, 250});
  release(Qt::LeftButton, Qt::NoButton, {250, 250});
  EXPECT_EQ(pointDistance(model(), before), 0.0);
  EXPECT_EQ(window->frameBuffers().frame.pixels, framePixels);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  // A right press alone starts nothing.
  press(Qt::RightButton, Qt::RightButton, {250, 250});
  EXPECT_FALSE(moveCursorShown());
  move(Qt::RightButton, {200, 200});
  release(Qt::RightButton, Qt::NoButton, {200, 200});
  EXPECT_EQ(pointDistance(model(), before), 0.0);
}

}  // namespace
}  // namespace velkora::test
