// The map of the relations in the real window: Ctrl+R opens it beside the
// main window, fitting a 1024 x 768 screen; every line can be clicked
// somewhere; a click on a solid picks it; a click on a line opens the morph
// at the dual's first solid or the kaleidoscope at the operation's stop
// (the snub's copies for a snub); in English its title and words follow.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>

#include "tests/ui/window_fixture.h"
#include "translations/language.h"
#include "ui/relations_command.h"
#include "ui/relations_window.h"
#include "ui/tool_windows.h"

namespace velkora::test {
namespace {

class RelationsWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    activateMainWindow();
    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    ASSERT_NE(window->tools().relations(), nullptr);
    map = window->tools().relations()->window();
    ASSERT_NE(map, nullptr);
  }

  // A point of relation k's line that is on no picture and nearest to no other line.
  QPoint clickablePoint(int k) const {
    const Relation& r = map->relations()[static_cast<std::size_t>(k)];
    const QPointF a = map->nodeBox(r.from).center();
    const QPointF b = map->nodeBox(r.to).center();
    // From the middle outwards, in whole pixels as a click lands.
    for (int step = 0; step < 100; ++step) {
      const double t = 0.5 + (step % 2 == 0 ? 1 : -1) * (step / 2) / 100.0;
      const QPoint p = (a + (b - a) * t).toPoint();
      if (map->positionAt(p) < 0 && map->relationAt(p) == k) return p;
    }
    return {-1, -1};
  }
  int relationIndex(const std::string& from, RelationKind kind, const std::string& to) const {
    const auto& solids = window->controller().catalogue();
    for (std::size_t k = 0; k < map->relations().size(); ++k) {
      const Relation& r = map->relations()[k];
      if (r.kind == kind && solids[static_cast<std::size_t>(r.from)].name == from &&
          solids[static_cast<std::size_t>(r.to)].name == to)
        return static_cast<int>(k);
    }
    return -1;
  }
  void clickMap(QPoint at) { QTest::mouseClick(map, Qt::LeftButton, Qt::NoModifier, at); }
  int listRow() { return control<QListWidget>("Listbox1").currentRow(); }

  RelationsWindow* map = nullptr;
};

TEST_F(RelationsWindowTest, ItOpensWithEveryLineWithinReachAndFitsATabletScreen) {
  EXPECT_TRUE(map->isVisible());
  EXPECT_EQ(map->windowTitle(), QStringLiteral("Verwandtschaften"));
  EXPECT_LE(map->frameGeometry().width(), 1024);
  EXPECT_LE(map->frameGeometry().height(), 768);
  ASSERT_FALSE(map->relations().empty());
  for (int k = 0; k < static_cast<int>(map->relations().size()); ++k) {
    const Relation& r = map->relations()[static_cast<std::size_t>(k)];
    if (r.from == r.to) continue;  // the tetrahedron, its own dual, has no line
    EXPECT_GE(clickablePoint(k).x(), 0) << "line " << k << " lies under others or under pictures";
  }
  // Each picture inside the window and apart from every other.
  for (int p = 0; p < 31; ++p) {
    EXPECT_TRUE(map->rect().contains(map->nodeBox(p).toRect())) << p;
    for (int q = p + 1; q < 31; ++q)
      EXPECT_FALSE(map->nodeBox(p).intersects(map->nodeBox(q)))
          << p << " and " << q << " in " << map->width() << " x " << map->height();
  }
  QAction* entry = nullptr;
  for (QAction* action : window->commands()) {
    if (action->text().remove(QLatin1Char('&')).contains(QStringLiteral("Verwandtschaften")))
      entry = action;
  }
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(entry->isChecked());
}

TEST_F(RelationsWindowTest, ASolidIsPickedAndALineOpensItsTool) {
  clickMap(map->nodeBox(16).center().toPoint());
  EXPECT_EQ(listRow(), 16);
  EXPECT_EQ(window->viewer().pictureFacts().solidName, window->controller().catalogue()[16].name);

  const int truncation =
      relationIndex("Hexaeder, Würfel", RelationKind::Truncate, "Hexaederstumpf");
  ASSERT_GE(truncation, 0);
  clickMap(clickablePoint(truncation));
  EXPECT_EQ(listRow(), 1) << errors.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(window->viewer().toolOpen(Tool::Kaleidoscope));
  EXPECT_EQ(window->viewer().pictureFacts().solidName, "Hexaederstumpf");

  const int snub =
      relationIndex("Pentagondodekaeder", RelationKind::Snub, "Abgeschrägtes Dodekaeder");
  ASSERT_GE(snub, 0);
  clickMap(clickablePoint(snub));
  EXPECT_EQ(listRow(), 4);
  EXPECT_TRUE(window->viewer().kaleidoscopeSnub());
  EXPECT_EQ(window->viewer().pictureFacts().solidName, "Abgeschrägtes Dodekaeder");

  const int dual = relationIndex("Rhombenkuboktaeder", RelationKind::Dual, "Deltoid-24-Flächner");
  ASSERT_GE(dual, 0);
  clickMap(clickablePoint(dual));
  EXPECT_EQ(listRow(), 16);
  EXPECT_TRUE(window->viewer().toolOpen(Tool::Morph));
  EXPECT_FALSE(window->viewer().toolOpen(Tool::Kaleidoscope));

  const int jitterbug = relationIndex("Ikosaeder", RelationKind::Jitterbug, "Oktaeder");
  ASSERT_GE(jitterbug, 0);
  clickMap(clickablePoint(jitterbug));
  EXPECT_EQ(listRow(), 12) << "the jitterbug's own solid, the cuboctahedron";
  EXPECT_TRUE(window->viewer().toolOpen(Tool::Jitterbug));
  EXPECT_EQ(window->viewer().pictureFacts().solidName, "Oktaeder");
  EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

// Each name inside the window, on no other solid's picture and on no other
// name: at the size it opens at, as large as a full-HD screen and in English
// (whose names are longer).
TEST_F(RelationsWindowTest, EveryNameIsClearOfTheOtherPicturesAndNames) {
  const auto expectClear = [&](const char* where) {
    const std::vector<QRectF> labels = map->labelBoxes();
    ASSERT_EQ(labels.size(), 31u);
    for (int p = 0; p < 31; ++p) {
      const QRectF label = labels[static_cast<std::size_t>(p)];
      EXPECT_TRUE(QRectF(map->rect()).contains(label)) << where << ": name " << p;
      for (int q = 0; q < 31; ++q) {
        if (q == p) continue;
        EXPECT_FALSE(label.intersects(map->nodeBox(q)))
            << where << ": name " << p << " on the picture of " << q;
        if (q > p) {
          EXPECT_FALSE(label.intersects(labels[static_cast<std::size_t>(q)]))
              << where << ": names " << p << " and " << q;
        }
      }
    }
  };
  expectClear("opened");
  map->resize(1900, 1000);
  QApplication::processEvents();
  expectClear("full screen");
  useLanguage(QStringLiteral("en"));
  QApplication::processEvents();
  map->resize(980, 640);
  QApplication::processEvents();
  expectClear("English");
  useLanguage(kGerman);
  QApplication::processEvents();
}

// Opened in presentation mode the map takes most of the screen and its names grow with it.
TEST_F(RelationsWindowTest, InPresentationModeItOpensLargeWithLargerNames) {
  const double openedSize = map->labelBoxes()[0].height();
  QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);  // closes it
  ASSERT_FALSE(map->isVisible());
  QTest::keyClick(window.get(), Qt::Key_F11);
  ASSERT_TRUE(window->viewer().inPresentation());
  QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
  ASSERT_TRUE(map->isVisible());
  const QRect room = map->screen()->availableGeometry();
  EXPECT_GE(map->width(), room.width() * 8 / 10);
  EXPECT_GE(map->height(), room.height() * 8 / 10);
  EXPECT_TRUE(room.contains(map->geometry())) << "it stays on the screen";
  EXPECT_GT(map->labelBoxes()[0].height(), openedSize * 1.3);
  QTest::keyClick(window.get(), Qt::Key_F11);
}

TEST_F(RelationsWindowTest, InEnglish) {
  useLanguage(QStringLiteral("en"));
  QApplication::processEvents();
  EXPECT_EQ(map->windowTitle(), QStringLiteral("Relations"));
  useLanguage(kGerman);
  QApplication::processEvents();
  EXPECT_EQ(map->windowTitle(), QStringLiteral("Verwandtschaften"));
}

}  // namespace
}  // namespace velkora::test
