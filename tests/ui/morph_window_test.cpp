// The morph into the dual in the real window: Ctrl+D opens it at t = 0 with
// the picture unchanged; a stop shows that solid in the solid's pose and
// reach, with the sphere views off; drag and the properties follow M(t);
// a pick starts the new solid's path; closing ends the morph.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "morph/morph_solid.h"
#include "tests/ui/window_fixture.h"
#include "ui/kaleidoscope_window.h"
#include "ui/morph_window.h"
#include "ui/properties_window.h"
#include "ui/tool_windows.h"

namespace velkora::test {
namespace {

class MorphWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    clickListEntry(1);  // the cube
    activateMainWindow();
  }
  std::vector<std::uint32_t> frame() const { return window->frameBuffers().frame.pixels; }
  QPushButton& stopButton(int k) {
    auto* button = window->tools().morphWindow()->findChild<QPushButton*>(
        QStringLiteral("MorphStop%1").arg(k));
    if (button == nullptr) throw std::logic_error("no stop button");
    return *button;
  }
};

TEST_F(MorphWindowTest, TheCubeTurnsIntoItsDualAndBack) {
  const std::vector<std::uint32_t> plain = frame();
  QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
  ASSERT_NE(window->tools().morphWindow(), nullptr);
  EXPECT_TRUE(window->tools().morphWindow()->isVisible());
  EXPECT_EQ(window->controller().morphStops().size(), 5u);
  // The stops are marked on the slider, in order, at the ends and between.
  auto* slider =
      window->tools().morphWindow()->findChild<StopSlider*>(QStringLiteral("MorphSlider"));
  ASSERT_NE(slider, nullptr);
  ASSERT_EQ(slider->marks().size(), 5u);
  EXPECT_EQ(slider->marks().front(), 0);
  EXPECT_EQ(slider->marks()[2], MorphWindow::kSteps / 2);
  EXPECT_EQ(slider->marks().back(), MorphWindow::kSteps);
  for (std::size_t k = 1; k < 5; ++k)
    EXPECT_GT(slider->markX(slider->marks()[k]), slider->markX(slider->marks()[k - 1]));
  EXPECT_TRUE(slider->toolTip().contains(QStringLiteral("Oktaederstumpf")));
  window->zeichnen();
  EXPECT_EQ(frame(), plain) << "t = 0 is the solid itself";

  stopButton(2).click();
  const ViewerController& controller = window->controller();
  EXPECT_EQ(controller.morphParameter(), controller.morphStops()[2].t);
  EXPECT_EQ(controller.shownSolid().name, "Kuboktaeder");
  const Model& shown = window->controller().shownModel();
  EXPECT_EQ(shown.vertexCount, 12);
  EXPECT_EQ(shown.faceCount, 14);
  // The picture neither jumps nor pumps: the farthest vertex stays where it was.
  EXPECT_NEAR(farthestVertex(shown), farthestVertex(model()), 1e-9 * farthestVertex(model()));
  EXPECT_NE(frame(), plain);
  for (const char* name : {"RadioB1", "RadioB2", "RadioB3"}) {
    EXPECT_FALSE(control<QRadioButton>(name).isEnabled()) << name;
    EXPECT_TRUE(control<QRadioButton>(name).toolTip().contains(QStringLiteral("Verwandlung")));
  }

  // "Berührpunkte": halfway the points where the edges touch the midsphere
  // are the cuboctahedron's vertices, marked over the picture.
  const std::vector<std::uint32_t> unmarked = frame();
  auto* touch =
      window->tools().morphWindow()->findChild<QCheckBox*>(QStringLiteral("MorphTouchMarks"));
  ASSERT_NE(touch, nullptr);
  touch->click();
  EXPECT_NE(frame(), unmarked);
  const Model& cuboctahedron = window->controller().shownModel();
  const std::vector<Point3> touching =
      placePoints(touchPointsAt(window->state().solid, DualMorph(window->state().solid.geometry),
                                window->controller().morphParameter()),
                  window->state().solid, model());
  ASSERT_EQ(touching.size(), 12u);
  for (const Point3& p : touching) {
    double nearest = INFINITY;
    for (int k = 0; k < cuboctahedron.vertexCount; ++k)
      nearest = std::min(nearest, norm(cuboctahedron.vertices[static_cast<std::size_t>(k)] - p));
    EXPECT_LT(nearest, 1e-6 * model().scale);
  }
  touch->click();
  EXPECT_EQ(frame(), unmarked);

  // The properties show M(t); a drag turns it.
  window->tools().setPropertiesShown(true);
  ASSERT_NE(window->tools().propertiesWindow()->shown(), nullptr);
  EXPECT_EQ(window->tools().propertiesWindow()->shown()->vertices, 12);
  const Vec3 before = window->controller().shownModel().vertices[0];
  auto& picture = control<QWidget>("PB1");
  sendMouse(picture, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {100, 100});
  sendMouse(picture, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {140, 120});
  sendMouse(picture, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {140, 120});
  EXPECT_GT(norm(window->controller().shownModel().vertices[0] - before), 1.0);

  // Playing moves t on the timer.
  stopButton(0).click();
  window->tools().morphWindow()->setPlaying(true);
  // Under a sanitizer a tick can take far longer than its 10 ms; wait for one.
  const bool moved =
      QTest::qWaitFor([&] { return window->controller().morphParameter() > 0.0; }, 10000);
  window->tools().morphWindow()->setPlaying(false);
  EXPECT_TRUE(moved);

  // A pick starts the new solid's path at t = 0 with the views back.
  clickListEntry(3);
  EXPECT_EQ(window->controller().morphParameter(), 0.0);
  EXPECT_TRUE(control<QRadioButton>("RadioB2").isEnabled());
  EXPECT_EQ(window->controller().morphStops().back().name, "Pentagondodekaeder");
  EXPECT_EQ(window->tools().propertiesWindow()->shown()->name, "Ikosaeder");

  stopButton(4).click();
  EXPECT_EQ(window->controller().shownSolid().name, "Pentagondodekaeder");
  window->tools().setMorphShown(false);
  EXPECT_FALSE(window->controller().morphing());
  EXPECT_TRUE(control<QRadioButton>("RadioB3").isEnabled());
  EXPECT_EQ(window->tools().propertiesWindow()->shown()->name, "Ikosaeder");
  EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

// Hiding a tool window by its command (not its close button) ends what it
// was playing: no tick of a hidden morph or tour moves the picture on.
TEST_F(MorphWindowTest, HidingAToolWindowStopsItsPlay) {
  QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
  MorphWindow* morph = window->tools().morphWindow();
  ASSERT_NE(morph, nullptr);
  morph->setPlaying(true);
  ASSERT_TRUE(morph->playing());
  activateMainWindow();
  QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
  EXPECT_FALSE(morph->isVisible());
  EXPECT_FALSE(morph->playing());
  morph->playTick();
  EXPECT_FALSE(window->controller().morphBegun());
  EXPECT_FALSE(window->controller().showingMoment());

  QTest::keyClick(window.get(), Qt::Key_K, Qt::ControlModifier);
  KaleidoscopeWindow* kaleidoscope = window->tools().kaleidoscopeWindow();
  ASSERT_NE(kaleidoscope, nullptr);
  kaleidoscope->setTouring(true);
  activateMainWindow();
  QTest::keyClick(window.get(), Qt::Key_K, Qt::ControlModifier);
  EXPECT_FALSE(kaleidoscope->isVisible());
  EXPECT_FALSE(kaleidoscope->touring());
  const std::vector<std::uint32_t> picked = frame();
  QTest::qWait(50);
  EXPECT_EQ(frame(), picked);
  EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace velkora::test
