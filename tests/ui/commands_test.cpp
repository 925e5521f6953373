// The window's commands: the menu bar, shortcuts from whichever control has
// the focus, the wheel, turning keys, the start pose, the neighbouring solids
// and the help that lists the shortcuts.

#include <gtest/gtest.h>

#include <cmath>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>

#include "model/load.h"
#include "nets/net_labels.h"
#include "tests/ui/window_fixture.h"
#include "ui/help_window.h"

namespace velkora::test {
namespace {

class CommandsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  void focusOn(const char* name) {
    control<QWidget>(name).setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(control<QWidget>(name).hasFocus()) << name;
  }

  void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }

  // The model as a fresh pick of the list entry at row would load it.
  Model freshLoad(int row) {
    auto& list = control<QListWidget>("Listbox1");
    const QByteArray line = list.item(row)->data(Qt::UserRole).toByteArray();
    Model fresh;
    loadModel(fresh, std::string_view(line.constData(), static_cast<std::size_t>(line.size())),
              window->state().texts.vertexLines, window->state().texts.faceLines);
    return fresh;
  }

  void wheel(int delta) {
    auto& picture = control<QWidget>("PB1");
    const QPointF at(100, 100);
    QWheelEvent event(at, picture.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&picture, &event);
  }
};

QStringList menuTitles(const QMenuBar& bar) {
  QStringList titles;
  for (const QAction* action : bar.actions())
    titles << action->text();
  return titles;
}

TEST_F(CommandsTest, TheMenuBarHoldsTheThreeGermanMenusAboveTheClientArea) {
  EXPECT_EQ(menuTitles(window->menuBar()),
            (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Ansicht"),
                         QStringLiteral("&Hilfe")}));
  QStringList texts;
  for (const QAction* action : window->commands())
    texts << action->text().remove('&');
  for (const char* expected :
       {"Bild speichern …", "Bild kopieren", "Körper exportieren …", "Beenden", "Eigenschaften",
        "Präsentation", "Ausgangslage", "Nächster Körper", "Vorheriger Körper", "Netz drucken …",
        "Netz speichern …", "Bedienung", "Über Korvelindra"}) {
    EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected;
  }
  EXPECT_EQ(window->menuBar().geometry().bottom() + 1, window->clientArea().y());
}

// Each new key works whichever control holds the focus and leaves that control as it was.
TEST_F(CommandsTest, ShortcutsActFromTheListASpinEditAndTheCheckBox) {
  for (const char* focus : {"Listbox1", "SpinEdit1", "CPunkte"}) {
    SCOPED_TRACE(focus);
    focusOn(focus);
    const double scale = model().scale;
    press(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_NEAR(model().scale / scale, 1.1, 1e-12);
    press(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_NEAR(model().scale / scale, 1.0, 1e-12);

    Model before = model();
    press(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(pointDistance(model(), turnedCopy(before, 0, 0, 5)), 0.0);
    before = model();
    press(Qt::Key_Up, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(pointDistance(model(), turnedCopy(before, 0, -1, 0)), 0.0);
    before = model();
    press(Qt::Key_PageDown, Qt::AltModifier);
    EXPECT_EQ(pointDistance(model(), turnedCopy(before, 5, 0, 0)), 0.0);

    press(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(pointDistance(model(), freshLoad(3)), 0.0);

    EXPECT_EQ(control<QListWidget>("Listbox1").currentRow(), 3);
    EXPECT_EQ(control<QSpinBox>("SpinEdit1").value(), 1);
    EXPECT_FALSE(control<QCheckBox>("CPunkte").isChecked());
  }
}

// Ctrl+= zooms in like Ctrl++ on keyboards where the plus sign needs Shift.
TEST_F(CommandsTest, CtrlEqualsZoomsInLikeCtrlPlus) {
  for (const char* focus : {"Listbox1", "SpinEdit1", "CPunkte"}) {
    SCOPED_TRACE(focus);
    focusOn(focus);
    const double scale = model().scale;
    press(Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_NEAR(model().scale / scale, 1.1, 1e-12);
    press(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_NEAR(model().scale / scale, 1.0, 1e-12);
  }
}

TEST_F(CommandsTest, NextAndPreviousSolidPickAsTheListDoesAndStopAtTheEnds) {
  focusOn("SpinEdit2");
  QTest::mouseClick(&control<QPushButton>("Button1"), Qt::LeftButton);
  ASSERT_TRUE(window->animationTimer().isActive());
  press(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(control<QListWidget>("Listbox1").currentRow(), 4);
  EXPECT_FALSE(window->animationTimer().isActive());
  EXPECT_EQ(pointDistance(model(), freshLoad(4)), 0.0);
  press(Qt::Key_PageUp, Qt::ControlModifier);
  press(Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(control<QListWidget>("Listbox1").currentRow(), 2);

  control<QListWidget>("Listbox1").setCurrentRow(30);
  press(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(control<QListWidget>("Listbox1").currentRow(), 30);
  control<QListWidget>("Listbox1").setCurrentRow(0);
  press(Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(control<QListWidget>("Listbox1").currentRow(), 0);
}

TEST_F(CommandsTest, StartPoseDuringTheAnimationKeepsItRunning) {
  QTest::mouseClick(&control<QPushButton>("Button1"), Qt::LeftButton);
  ASSERT_TRUE(window->animationTimer().isActive());
  QTest::qWait(50);
  press(Qt::Key_Plus, Qt::ControlModifier);
  press(Qt::Key_0, Qt::ControlModifier);
  EXPECT_TRUE(window->animationTimer().isActive());
  EXPECT_EQ(control<QPushButton>("Button1").text(), QStringLiteral("Abbruch"));
  // The scale is the start scale; ticks may have turned it since.
  EXPECT_EQ(model().scale, freshLoad(3).scale);
}

TEST_F(CommandsTest, WheelNotchesZoomAndSmallDeltasAddUpToWholeNotches) {
  const double scale = model().scale;
  wheel(120);
  EXPECT_NEAR(model().scale / scale, 1.1, 1e-12);
  wheel(-120);
  EXPECT_NEAR(model().scale / scale, 1.0, 1e-12);
  wheel(40);
  wheel(40);
  EXPECT_NEAR(model().scale / scale, 1.0, 1e-12);
  wheel(40);
  EXPECT_NEAR(model().scale / scale, 1.1, 1e-12);
  wheel(360);
  EXPECT_NEAR(model().scale / scale, std::pow(1.1, 4), 1e-12);
}

TEST_F(CommandsTest, MenusDoNotTouchTheAnimationPoseOrZoom) {
  QTest::mouseClick(&control<QPushButton>("Button1"), Qt::LeftButton);
  QMenu* view = window->menuBar().actions()[1]->menu();
  ASSERT_NE(view, nullptr);
  view->popup(window->mapToGlobal(QPoint(10, 10)));
  QTest::qWait(30);
  view->close();
  EXPECT_TRUE(window->animationTimer().isActive());
  QTest::mouseClick(&control<QPushButton>("Button1"), Qt::LeftButton);
  const Model before = model();
  view->popup(window->mapToGlobal(QPoint(10, 10)));
  view->close();
  EXPECT_EQ(pointDistance(model(), before), 0.0);
  EXPECT_EQ(model().scale, before.scale);
}

TEST_F(CommandsTest, TheHelpListsEveryCommandWithAShortcut) {
  const QString help = helpHtml(window->commands());
  int withKeys = 0;
  for (const QAction* action : window->commands()) {
    if (action->shortcut().isEmpty()) continue;
    ++withKeys;
    EXPECT_TRUE(help.contains(action->text().remove('&').toHtmlEscaped()))
        << action->text().toStdString();
    EXPECT_TRUE(
        help.contains(action->shortcut().toString(QKeySequence::NativeText).toHtmlEscaped()))
        << action->shortcut().toString().toStdString();
  }
  EXPECT_GE(withKeys, 20);
  // The paper net's how-to line, word for word as on every page.
  EXPECT_TRUE(help.contains(QString::fromStdString(netHowToText()).toHtmlEscaped()));
}

TEST_F(CommandsTest, TooltipsExplainTheIconButtonsSpinEditsAndPicture) {
  for (const char* name : {"Speed2", "Speed3", "SpinEdit1", "SpinEdit2", "SpinEdit3", "CPunkte",
                           "PB1", "RadioB1", "RadioB2", "RadioB3"}) {
    EXPECT_FALSE(control<QWidget>(name).toolTip().isEmpty()) << name;
  }
  EXPECT_TRUE(control<QWidget>("Speed2").toolTip().startsWith(QStringLiteral("Vergrößern")));
  // The view tooltips follow the family of the selected solid.
  const QString platonic = control<QWidget>("RadioB3").toolTip();
  control<QListWidget>("Listbox1").setCurrentRow(20);
  EXPECT_NE(control<QWidget>("RadioB3").toolTip(), platonic);
}

}  // namespace
}  // namespace velkora::test
