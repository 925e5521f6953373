// The folding net in the real window: Ctrl+F shows the solid's net flat with
// the views off; folded up it covers what the solid covered; the drag turns
// it, the play button folds it on the timer, the cut numbers come and go,
// it follows a pick and the morph's solid, and closing gives back the
// picture exactly.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "tests/ui/window_fixture.h"
#include "ui/fold_window.h"
#include "ui/morph_window.h"
#include "ui/paint_box.h"
#include "ui/tool_windows.h"

namespace velkora::test {
namespace {

class FoldWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    clickListEntry(12);  // the cuboctahedron
    activateMainWindow();
  }
  std::vector<std::uint32_t> frame() const { return window->frameBuffers().frame.pixels; }
  static int covered(const std::vector<std::uint32_t>& pixels) {
    return static_cast<int>(
        std::count_if(pixels.begin(), pixels.end(), [](std::uint32_t p) { return p != kWhite; }));
  }
  QSlider& slider() {
    auto* found = window->tools().foldWindow()->findChild<QSlider*>(QStringLiteral("FoldSlider"));
    if (found == nullptr) throw std::logic_error("no fold slider");
    return *found;
  }
};

TEST_F(FoldWindowTest, TheNetFoldsUpFollowsAndLeavesThePictureAsItWas) {
  const std::vector<std::uint32_t> plain = frame();
  QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
  ASSERT_NE(window->tools().foldWindow(), nullptr);
  EXPECT_TRUE(window->tools().foldWindow()->isVisible());
  ASSERT_TRUE(window->controller().folding());
  EXPECT_EQ(window->controller().foldStage(), 0.0);
  const std::vector<std::uint32_t> flat = frame();
  EXPECT_NE(flat, plain);
  for (const char* name : {"RadioB1", "RadioB2", "RadioB3"}) {
    EXPECT_FALSE(control<QRadioButton>(name).isEnabled()) << name;
    EXPECT_TRUE(control<QRadioButton>(name).toolTip().contains(QStringLiteral("Netz")));
  }

  // Closed, the net covers what the polyhedron view covered, up to the
  // outline's own pixels.
  slider().setValue(FoldWindow::kSteps);
  EXPECT_EQ(window->controller().foldStage(), 1.0);
  const int solidPixels = covered(plain);
  EXPECT_LT(std::abs(covered(frame()) - solidPixels), solidPixels / 50);

  // The drag turns the half-folded net.
  slider().setValue(FoldWindow::kSteps / 2);
  const std::vector<std::uint32_t> half = frame();
  auto& picture = control<QWidget>("PB1");
  sendMouse(picture, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {100, 100});
  sendMouse(picture, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {150, 110});
  sendMouse(picture, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {150, 110});
  EXPECT_NE(frame(), half);

  // The cut numbers: each printed number shows up to twice (one per side
  // of its cut), none when the box is off.
  auto* numbers = window->tools().foldWindow()->findChild<QCheckBox*>(QStringLiteral("FoldLabels"));
  ASSERT_NE(numbers, nullptr);
  numbers->click();
  const auto& paintBox = static_cast<const PaintBox&>(picture);
  EXPECT_FALSE(paintBox.labels().empty());
  for (const PictureLabel& label : paintBox.labels())
    EXPECT_TRUE(picture.rect().contains(label.at.toPoint())) << label.text.toStdString();
  numbers->click();
  EXPECT_TRUE(paintBox.labels().empty());

  // Playing moves the stage on the timer.
  slider().setValue(0);
  window->tools().foldWindow()->setPlaying(true);
  const bool moved = QTest::qWaitFor([&] { return window->controller().foldStage() > 0.0; }, 10000);
  window->tools().foldWindow()->setPlaying(false);
  EXPECT_TRUE(moved);

  // A pick folds the new solid's net; so does the morph's solid of the moment.
  clickListEntry(1);
  ASSERT_TRUE(window->controller().folding());
  EXPECT_EQ(window->controller().foldingNet()->solid().name, "Hexaeder, Würfel");
  window->tools().setMorphShown(true);
  window->tools().morphWindow()->moveTo(0.5);
  window->zeichnen();
  ASSERT_TRUE(window->controller().folding());
  EXPECT_EQ(window->controller().foldingNet()->solid().geometry.faces.size(), 14u);
  window->tools().setMorphShown(false);

  // Closing gives back the picture of the solid, pixel for pixel.
  clickListEntry(12);
  activateMainWindow();
  window->tools().setFoldShown(false);
  EXPECT_FALSE(window->controller().folding());
  EXPECT_TRUE(control<QRadioButton>("RadioB2").isEnabled());
  // The drag turned the solid; the plain picture is the one of its pose now.
  const std::vector<std::uint32_t> after = frame();
  QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
  window->tools().setFoldShown(false);
  EXPECT_EQ(frame(), after);
  EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace velkora::test
