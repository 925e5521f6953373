// The kaleidoscope in the real window: Ctrl+K opens it on the family of the
// solid on show; moving the point shows W in the solid's pose and reach with
// the sphere views off; snapping, Shift and the arrow keys; a stop's button
// picks that solid; the tour passes every stop; closing returns to the solid;
// the snub's boxes change the picture and name the snub at its stop.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tests/ui/window_fixture.h"
#include "translations/language.h"
#include "ui/kaleidoscope_window.h"
#include "ui/tool_windows.h"

namespace velkora::test {
namespace {

class KaleidoscopeWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    clickListEntry(3);  // the icosahedron: family I
    activateMainWindow();
  }
  TriangleView& triangle() { return window->tools().kaleidoscopeWindow()->triangle(); }
};

TEST_F(KaleidoscopeWindowTest, ThePointMakesTheSolidAndTheStopsPickTheirs) {
  const std::vector<std::uint32_t> plain = window->frameBuffers().frame.pixels;
  QTest::keyClick(window.get(), Qt::Key_K, Qt::ControlModifier);
  ASSERT_NE(window->tools().kaleidoscopeWindow(), nullptr);
  auto* family = window->tools().kaleidoscopeWindow()->findChild<QComboBox*>(
      QStringLiteral("KaleidoscopeFamily"));
  EXPECT_EQ(family->currentIndex(), static_cast<int>(WythoffFamily::I));
  EXPECT_EQ(window->controller().kaleidoscopeStops().size(), 7u);
  EXPECT_EQ(window->frameBuffers().frame.pixels, plain) << "opening alone changes nothing";

  // A click inside the triangle, away from the stops: the solid of those
  // weights, in the icosahedron's reach, polyhedron view only.
  const WythoffWeights inside{0.2, 0.3, 0.5};
  QTest::mouseClick(&triangle(), Qt::LeftButton, Qt::ShiftModifier,
                    triangle().pointOf(inside).toPoint());
  const WythoffWeights got = triangle().weights();
  EXPECT_NEAR(got.a, 0.2, 0.02);
  EXPECT_NEAR(got.c, 0.5, 0.02);
  ASSERT_TRUE(window->controller().showingMoment());
  const Model& shown = window->controller().shownModel();
  EXPECT_EQ(shown.vertexCount, 120);
  EXPECT_NEAR(farthestVertex(shown), farthestVertex(model()), 1e-9 * farthestVertex(model()));
  EXPECT_FALSE(control<QRadioButton>("RadioB2").isEnabled());
  EXPECT_NE(window->frameBuffers().frame.pixels, plain);

  // Near a stop the point snaps to it, and the solid is that stop's.
  const KaleidoscopeStop& rhombi = window->controller().kaleidoscopeStops()[5];
  QTest::mouseClick(&triangle(), Qt::LeftButton, Qt::NoModifier,
                    (triangle().pointOf(rhombi.weights) + QPointF(4, 3)).toPoint());
  EXPECT_EQ(window->controller().shownSolid().name, rhombi.name);
  // With Shift it does not.
  QTest::mouseClick(&triangle(), Qt::LeftButton, Qt::ShiftModifier,
                    (triangle().pointOf(rhombi.weights) + QPointF(4, 3)).toPoint());
  EXPECT_NE(window->controller().shownSolid().name, rhombi.name);
  // The arrow keys move the point.
  const WythoffWeights before = triangle().weights();
  triangle().setFocus();
  QTest::keyClick(&triangle(), Qt::Key_Left);
  EXPECT_NE(triangle().weights().a, before.a);

  // The tour visits every stop on its way round.
  std::set<std::string> visited;
  for (int tick = 0; tick < 100 * 9; ++tick) {
    window->tools().kaleidoscopeWindow()->tourTick();
    visited.insert(window->controller().shownSolid().name);
  }
  for (const KaleidoscopeStop& stop : window->controller().kaleidoscopeStops())
    EXPECT_TRUE(visited.count(stop.name) == 1) << stop.name;

  // A stop's button picks its solid in the list.
  auto* button = window->tools().kaleidoscopeWindow()->findChild<QPushButton*>(
      QStringLiteral("KaleidoscopeStop1"));
  button->click();
  EXPECT_EQ(window->selectedPosition(), window->controller().kaleidoscopeStops()[1].position);
  EXPECT_FALSE(window->controller().showingMoment());
  EXPECT_TRUE(control<QRadioButton>("RadioB2").isEnabled());

  window->tools().setKaleidoscopeShown(false);
  EXPECT_EQ(window->controller().kaleidoscope(), nullptr);
  EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

// The stop labels of every family, in German and in English, at the size the
// triangle has in the window: no label overlaps another, a corner letter or
// the border, every stop keeps its label, and the pixels its text paints lie
// in the box it was given. A picture of each goes to /tmp for a look.
TEST_F(KaleidoscopeWindowTest, StopLabelsKeepClearOfEachOtherTheLettersAndTheBorder) {
  QTest::keyClick(window.get(), Qt::Key_K, Qt::ControlModifier);
  ASSERT_NE(window->tools().kaleidoscopeWindow(), nullptr);
  auto* family = window->tools().kaleidoscopeWindow()->findChild<QComboBox*>(
      QStringLiteral("KaleidoscopeFamily"));
  ASSERT_NE(family, nullptr);
  for (const QString& language : {kGerman, QStringLiteral("en")}) {
    useLanguage(language);
    QApplication::processEvents();
    for (int f = 0; f < 3; ++f) {
      emit family->activated(f);
      QApplication::processEvents();
      TriangleView& view = triangle();
      const std::string where = language.toStdString() + ", family " + std::to_string(f);
      const auto labels = view.placedLabels();
      const auto letters = view.letterBoxes();
      ASSERT_EQ(labels.size(), view.marks().size()) << where;
      ASSERT_GE(labels.size(), 4u) << where;
      const QRectF border(QPointF(0, 0), QSizeF(view.size()));
      for (std::size_t i = 0; i < labels.size(); ++i) {
        const QRectF& box = labels[i].box;
        const std::string name = where + ": " + labels[i].text.toStdString();
        EXPECT_EQ(labels[i].text, view.marks()[i].label) << name;
        // The box holds the text as its font sets it.
        EXPECT_GE(box.width(), QFontMetrics(labels[i].font).horizontalAdvance(labels[i].text))
            << name;
        EXPECT_TRUE(border.contains(box)) << name;
        for (const QRectF& letter : letters)
          EXPECT_FALSE(box.intersects(letter)) << name;
        for (std::size_t j = i + 1; j < labels.size(); ++j)
          EXPECT_FALSE(box.intersects(labels[j].box))
              << name << " and " << labels[j].text.toStdString();
      }
      // What the labels paint: the picture with them less the one with empty texts.
      const std::vector<TriangleView::Mark> marks = view.marks();
      const QImage withLabels = view.grab().toImage();
      withLabels.save(QStringLiteral("/tmp/kaleidoscope_labels_%1_%2.png").arg(language).arg(f));
      std::vector<TriangleView::Mark> blank = marks;
      for (TriangleView::Mark& mark : blank)
        mark.label.clear();
      view.setMarks(blank);
      const QImage without = view.grab().toImage();
      view.setMarks(marks);
      ASSERT_EQ(withLabels.size(), without.size());
      const double ratio = withLabels.devicePixelRatio();
      int inked = 0;
      for (int y = 0; y < withLabels.height(); ++y) {
        for (int x = 0; x < withLabels.width(); ++x) {
          if (withLabels.pixel(x, y) == without.pixel(x, y)) continue;
          ++inked;
          const QPointF centre((x + 0.5) / ratio, (y + 0.5) / ratio);
          const bool inABox = std::any_of(labels.begin(), labels.end(), [&](const auto& label) {
            return label.box.contains(centre);
          });
          EXPECT_TRUE(inABox) << where << ": ink at " << x << ", " << y << " outside every label";
          if (!inABox) break;
        }
      }
      EXPECT_GT(inked, 100) << where;
    }
  }
  useLanguage(kGerman);
  QApplication::processEvents();
}

// Opening the kaleidoscope, the window names what the picture shows: on the
// cuboctahedron its stop, the picture unchanged; on the rhombic
// dodecahedron, which is no stop, corner A and its solid, the cube.
TEST_F(KaleidoscopeWindowTest, TheWindowOpensNamingWhatThePictureShows) {
  auto& list = control<QListWidget>("Listbox1");
  const auto rowNamed = [&list](const QString& name) {
    for (int row = 0; row < list.count(); ++row) {
      if (list.item(row)->text() == name) return row;
    }
    return -1;
  };
  const int cuboctahedron = rowNamed(QStringLiteral("Kuboktaeder"));
  const int rhombic = rowNamed(QStringLiteral("Rhombendodekaeder"));
  ASSERT_GE(cuboctahedron, 0);
  ASSERT_GE(rhombic, 0);
  auto stopName = [this] {
    return window->tools()
        .kaleidoscopeWindow()
        ->findChild<QLabel*>(QStringLiteral("KaleidoscopeStopName"))
        ->text();
  };

  clickListEntry(cuboctahedron);
  const std::vector<std::uint32_t> plain = window->frameBuffers().frame.pixels;
  activateMainWindow();
  QTest::keyClick(window.get(), Qt::Key_K, Qt::ControlModifier);
  EXPECT_EQ(stopName(), QStringLiteral("Gewichte 0,000 : 1,000 : 0,000: Kuboktaeder"));
  EXPECT_EQ(window->frameBuffers().frame.pixels, plain);
  EXPECT_TRUE(control<QRadioButton>("RadioB2").isEnabled()) << "the picked solid, all views";
  window->tools().setKaleidoscopeShown(false);

  clickListEntry(rhombic);
  activateMainWindow();
  QTest::keyClick(window.get(), Qt::Key_K, Qt::ControlModifier);
  EXPECT_EQ(stopName(), QStringLiteral("Gewichte 1,000 : 0,000 : 0,000: Hexaeder, Würfel"));
  EXPECT_EQ(window->controller().shownModel().vertexCount, 8);
  EXPECT_TRUE(window->pictureDescription().startsWith(QStringLiteral("Hexaeder, Würfel")))
      << window->pictureDescription().toStdString();
  EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(KaleidoscopeWindowTest, TheSnubsBoxesChangeThePictureAndNameTheSnubAtItsStop) {
  QTest::keyClick(window.get(), Qt::Key_K, Qt::ControlModifier);
  KaleidoscopeWindow* tool = window->tools().kaleidoscopeWindow();
  ASSERT_NE(tool, nullptr);
  auto* snub = tool->findChild<QCheckBox*>(QStringLiteral("KaleidoscopeSnub"));
  auto* mirror = tool->findChild<QCheckBox*>(QStringLiteral("KaleidoscopeMirror"));
  ASSERT_NE(snub, nullptr);
  ASSERT_NE(mirror, nullptr);
  EXPECT_EQ(snub->text(), QStringLiteral("Abschrägen"));
  EXPECT_FALSE(mirror->isEnabled()) << "the mirror image only of a snub";
  const auto stopName = [tool] {
    return tool->findChild<QLabel*>(QStringLiteral("KaleidoscopeStopName"))->text();
  };

  QTest::mouseClick(&triangle(), Qt::LeftButton, Qt::ShiftModifier,
                    triangle().pointOf({0.2, 0.3, 0.5}).toPoint());
  const WythoffWeights inside = triangle().weights();
  const std::vector<std::uint32_t> whole = window->frameBuffers().frame.pixels;
  EXPECT_EQ(window->controller().shownModel().vertexCount, 120);

  snub->click();
  EXPECT_TRUE(mirror->isEnabled());
  EXPECT_EQ(window->controller().shownModel().vertexCount, 60);
  EXPECT_NE(window->frameBuffers().frame.pixels, whole);
  EXPECT_DOUBLE_EQ(triangle().weights().a, inside.a) << "the point stays";
  const std::vector<std::uint32_t> snubPicture = window->frameBuffers().frame.pixels;
  mirror->click();
  EXPECT_NE(window->frameBuffers().frame.pixels, snubPicture);
  EXPECT_EQ(window->controller().shownModel().vertexCount, 60);

  // The snub's stop: on the triangle, as a button, and named when the point is there.
  const std::vector<KaleidoscopeStop>& stops = window->controller().kaleidoscopeStops();
  ASSERT_EQ(stops.size(), 7u);
  const QString snubName = QStringLiteral("Abgeschrägtes Dodekaeder");
  EXPECT_EQ(triangle().marks().back().label, snubName);
  auto* button = tool->findChild<QPushButton*>(QStringLiteral("KaleidoscopeStop6"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), snubName);
  QTest::mouseClick(&triangle(), Qt::LeftButton, Qt::NoModifier,
                    (triangle().pointOf(stops.back().weights) + QPointF(3, 2)).toPoint());
  EXPECT_TRUE(stopName().endsWith(QStringLiteral(": ") + snubName)) << stopName().toStdString();
  EXPECT_TRUE(window->pictureDescription().startsWith(snubName))
      << window->pictureDescription().toStdString();

  // Off again: the mirror box goes off with it, and at the same point the
  // picture is the one before, pixel for pixel.
  snub->click();
  EXPECT_FALSE(mirror->isEnabled());
  EXPECT_FALSE(mirror->isChecked());
  QTest::mouseClick(&triangle(), Qt::LeftButton, Qt::ShiftModifier,
                    triangle().pointOf(inside).toPoint());
  EXPECT_EQ(window->frameBuffers().frame.pixels, whole);
  EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace velkora::test
