// The window on screens of any size: centred where it fits, otherwise shrunk
// into the available area with its title bar visible and a scrolling column.

#include <gtest/gtest.h>

#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "tests/ui/window_fixture.h"
#include "ui/window_placement.h"

namespace velkora::test {
namespace {

TEST(Placement, AWindowThatFitsIsCentredFrameIncluded) {
  const Placement p = placeWindow(QSize(874, 690), QSize(2, 30), QRect(0, 0, 1280, 1024));
  EXPECT_FALSE(p.shrunk);
  EXPECT_EQ(p.clientSize, QSize(874, 690));
  EXPECT_EQ(p.framePosition, QPoint((1280 - 876) / 2, (1024 - 720) / 2));
}

TEST(Placement, OnASmallScreenTheWindowShrinksAndItsTitleBarStaysOnScreen) {
  // A 1080-line screen at 200 %: 960 x 540 logical pixels, a panel at the top.
  const Placement p = placeWindow(QSize(874, 690), QSize(2, 30), QRect(0, 24, 960, 516));
  EXPECT_TRUE(p.shrunk);
  EXPECT_EQ(p.framePosition, QPoint(0, 24));
  EXPECT_EQ(p.clientSize, QSize(874, 486));
  const Placement narrow = placeWindow(QSize(874, 690), QSize(2, 30), QRect(0, 0, 640, 480));
  EXPECT_EQ(narrow.clientSize, QSize(638, 450));
  // Even an absurd screen gives a usable size.
  EXPECT_EQ(placeWindow(QSize(874, 690), QSize(0, 30), QRect(0, 0, 10, 10)).clientSize,
            QSize(10, 1));
}

// Tool windows opened one after another beside the main window, each placed
// against the frames of those already open: none covers another, all stay in
// the area. The sizes are the kaleidoscope's, the fold's, the morph's and the
// help's with a 30-pixel title bar.
TEST(Placement, ToolWindowsOpenedOneAfterAnotherCoverNoneOfEachOther) {
  const QSize frame(2, 30);
  const QList<QSize> tools{QSize(420, 560), QSize(360, 120), QSize(420, 260), QSize(560, 640)};
  struct Screen {
    QRect available;
    QRect mainFrame;
    int count;  // how many of the tools fit beside each other there
  };
  const Screen screens[] = {
      {QRect(0, 0, 1920, 1080), QRect(100, 100, 876, 720), 4},
      // The small screen of small_screen.json: the main window fills it.
      {QRect(0, 0, 1024, 600), QRect(0, 0, 1024, 600), 3},
  };
  for (const Screen& screen : screens) {
    QList<QRect> taken;
    for (int k = 0; k < screen.count; ++k) {
      const QSize size = tools[k];
      const Placement p = placeBeside(screen.mainFrame, size, frame, screen.available, taken);
      const QRect placed(p.framePosition, p.clientSize + frame);
      EXPECT_TRUE(screen.available.contains(placed)) << k;
      for (const QRect& other : taken) {
        EXPECT_FALSE(placed.intersects(other))
            << "tool " << k << " at " << placed.x() << "," << placed.y() << " covers one at "
            << other.x() << "," << other.y() << " on the " << screen.available.width()
            << "-pixel screen";
      }
      taken.append(placed);
    }
  }
  // The first one opens where it always has: right of the main window, tops level.
  const Placement first =
      placeBeside(QRect(100, 100, 876, 720), QSize(420, 560), frame, QRect(0, 0, 1920, 1080), {});
  EXPECT_EQ(first.framePosition, QPoint(100 + 876 - 1 + 8, 100));
}

using SmallWindowTest = WindowTest;

TEST_F(SmallWindowTest, TheControlColumnScrollsWhereItDoesNotFit) {
  window->setMinimumSize(200, 200);
  window->resize(700, 400 + window->menuBar().height());
  QTest::qWait(20);
  auto& scroller = control<QScrollArea>("ColumnScroller");
  EXPECT_EQ(scroller.height(), 400);
  EXPECT_GT(scroller.verticalScrollBar()->maximum(), 0);
  // The controls keep their places inside the column; scrolled down, the last one shows.
  EXPECT_EQ(control<QListWidget>("Listbox1").geometry(), QRect(16, 16, 209, 438));
  scroller.verticalScrollBar()->setValue(scroller.verticalScrollBar()->maximum());
  const QWidget& marks = control<QWidget>("CPunkte");
  const QPoint bottom = marks.mapTo(&scroller, QPoint(0, marks.height()));
  EXPECT_LE(bottom.y(), scroller.viewport()->height());
  EXPECT_EQ(control<QWidget>("PB1").size(), QSize(700 - 240, 400));
}

}  // namespace
}  // namespace velkora::test
