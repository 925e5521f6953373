// The window as it opens, its layout, and what a list selection sets.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "tests/ui/window_fixture.h"

namespace velkora::test {
namespace {

using StartTest = WindowTest;

TEST_F(StartTest, OpensWithTheIcosahedronDrawnAndTheControlsAtTheirDefaults) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Korvelindra"));
  // The client area keeps its design size; the window grows by the menu bar above it.
  const int bar = window->menuBar().height();
  EXPECT_GT(bar, 0);
  EXPECT_EQ(window->clientArea().geometry(), QRect(0, bar, 874, 663));
  EXPECT_EQ(window->size(), QSize(874, 663 + bar));

  auto& list = control<QListWidget>("Listbox1");
  ASSERT_EQ(list.count(), 31);
  EXPECT_EQ(list.currentRow(), 3);
  EXPECT_EQ(list.currentItem()->text(), QStringLiteral("Ikosaeder"));
  // Entries keep the whole line (name, TAB, type) as bytes; only the name shows.
  EXPECT_EQ(list.item(3)->data(Qt::UserRole).toByteArray(), QByteArray("Ikosaeder\t3"));
  for (int row = 0; row < list.count(); ++row) {
    EXPECT_FALSE(list.item(row)->text().contains(QLatin1Char('\t'))) << row;
  }

  EXPECT_TRUE(control<QRadioButton>("RadioB1").isChecked());
  EXPECT_EQ(control<QRadioButton>("RadioB1").text(), QStringLiteral("Polyeder"));
  EXPECT_EQ(control<QRadioButton>("RadioB2").text(), QStringLiteral("Velkora"));
  EXPECT_EQ(control<QRadioButton>("RadioB3").text(), QStringLiteral("Umkugel"));
  EXPECT_EQ(control<QPushButton>("Button1").text(), QStringLiteral("Rotation"));
  EXPECT_FALSE(control<QCheckBox>("CPunkte").isChecked());
  EXPECT_EQ(control<QSpinBox>("SpinEdit1").value(), 1);
  EXPECT_EQ(control<QSpinBox>("SpinEdit2").value(), 0);
  EXPECT_EQ(control<QSpinBox>("SpinEdit3").value(), 2);
  for (const char* spin : {"SpinEdit1", "SpinEdit2", "SpinEdit3"}) {
    EXPECT_EQ(control<QSpinBox>(spin).minimum(), -15);
    EXPECT_EQ(control<QSpinBox>(spin).maximum(), 15);
  }
  EXPECT_EQ(window->animationTimer().interval(), 0);
  EXPECT_FALSE(window->animationTimer().isActive());

  // The steps start at 0, 0, 0.5, not at the spin values times 0.25.
  const MotionState& motion = window->state().motion;
  EXPECT_EQ(motion.stepX, 0.0);
  EXPECT_EQ(motion.stepY, 0.0);
  EXPECT_EQ(motion.stepZ, 0.5);
  EXPECT_TRUE(motion.formReady);
  EXPECT_FALSE(window->state().markPoints);

  EXPECT_EQ(model().polyType, 3);
  EXPECT_EQ(model().vertexCount, 12);
  // PB1 shows the composed frame, and that frame holds a picture.
  const Bitmap& frame = window->frameBuffers().frame;
  ASSERT_EQ(QSize(frame.width, frame.height), QSize(634, 663));
  EXPECT_TRUE(hasInk(frame));
  const QImage shown = control<QWidget>("PB1").grab().toImage();
  ASSERT_EQ(shown.size(), QSize(634, 663));
  for (const QPoint p : {QPoint(317, 331), QPoint(317, 150), QPoint(0, 0), QPoint(500, 400)}) {
    EXPECT_EQ(shown.pixel(p) & 0xFFFFFFu, frame.at(p.x(), p.y()) & 0xFFFFFFu)
        << p.x() << "," << p.y();
  }
}

TEST_F(StartTest, ControlsSitAtTheirDesignPlaces) {
  EXPECT_EQ(control<QWidget>("Panel2").geometry(), QRect(634, 0, 240, 663));
  EXPECT_EQ(control<QWidget>("PB1").geometry(), QRect(0, 0, 634, 663));
  EXPECT_EQ(control<QListWidget>("Listbox1").geometry(), QRect(16, 16, 209, 438));
  EXPECT_EQ(control<QPushButton>("Button1").geometry(), QRect(136, 466, 89, 25));
  EXPECT_EQ(control<QToolButton>("Speed2").geometry(), QRect(147, 498, 23, 24));
  EXPECT_EQ(control<QToolButton>("Speed3").geometry(), QRect(177, 498, 23, 24));
  EXPECT_EQ(control<QSpinBox>("SpinEdit3").geometry(), QRect(136, 596, 57, 23));
  EXPECT_EQ(control<QLabel>("Label2").text(), QStringLiteral("y-Drehwinkel"));
  EXPECT_EQ(control<QCheckBox>("CPunkte").text(), QStringLiteral("Punkte markieren"));

  // All 31 rows of 14 pixels fit: no scrolling.
  auto& list = control<QListWidget>("Listbox1");
  EXPECT_EQ(list.visualItemRect(list.item(0)).height(), 14);
  EXPECT_EQ(list.verticalScrollBar()->maximum(), 0);
  EXPECT_LE(list.visualItemRect(list.item(30)).bottom(), list.viewport()->height());

  for (const char* passive : {"Label1", "Speed2", "Speed3", "PB1"}) {
    EXPECT_EQ(control<QWidget>(passive).focusPolicy(), Qt::NoFocus) << passive;
  }
}

TEST_F(StartTest, MaximisedTheControlColumnKeepsItsWidthAndTheDrawingGrows) {
  window->resize(1200, 900 + window->menuBar().height());
  EXPECT_EQ(control<QWidget>("Panel2").geometry(), QRect(960, 0, 240, 900));
  EXPECT_EQ(control<QWidget>("PB1").size(), QSize(960, 900));
  EXPECT_EQ(control<QListWidget>("Listbox1").geometry(), QRect(16, 16, 209, 438));
  const Bitmap& frame = window->frameBuffers().frame;
  EXPECT_EQ(QSize(frame.width, frame.height), QSize(960, 900));
}

struct CaptionCase {
  int row;
  const char* radio2;
  const char* radio3;
};

TEST_F(StartTest, ListSelectionSetsTheSphereCaptionsByPosition) {
  auto& list = control<QListWidget>("Listbox1");
  for (const CaptionCase& c :
       {CaptionCase{12, "innere Kugel", "Umkugel"}, CaptionCase{17, "innere Kugel", "Umkugel"},
        CaptionCase{18, "Velkora", "äußere Kugel"}, CaptionCase{29, "Velkora", "äußere Kugel"},
        CaptionCase{4, "Velkora", "Umkugel"}, CaptionCase{5, "innere Kugel", "Umkugel"}}) {
    clickListEntry(c.row);
    ASSERT_EQ(list.currentRow(), c.row);
    EXPECT_EQ(control<QRadioButton>("RadioB2").text(), QString::fromUtf8(c.radio2)) << c.row;
    EXPECT_EQ(control<QRadioButton>("RadioB3").text(), QString::fromUtf8(c.radio3)) << c.row;
    const QByteArray line = list.item(c.row)->data(Qt::UserRole).toByteArray();
    EXPECT_EQ(model().polyType, line.mid(line.indexOf('\t') + 1).toInt()) << c.row;
  }
  // The checked view is kept across selections.
  EXPECT_TRUE(control<QRadioButton>("RadioB1").isChecked());
}

TEST_F(StartTest, TabVisitsTheControlsInTheirOrder) {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  control<QRadioButton>("RadioB1").setFocus();
  QStringList visited{QApplication::focusWidget()->objectName()};
  for (int i = 0; i < 6; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  // Of the radio group only the checked button is a tab stop.
  EXPECT_EQ(visited.join(QLatin1Char(' ')),
            QStringLiteral("RadioB1 CPunkte Listbox1 Button1 SpinEdit1 SpinEdit2 SpinEdit3"));
}

}  // namespace
}  // namespace velkora::test
