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
