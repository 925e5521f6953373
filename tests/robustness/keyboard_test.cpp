// Using the window from the keyboard: Tab and Backtab walk the controls in
// their order (the radio group is one stop, at its checked button; labels,
// flat buttons, panels and the drawing surface take no focus), Space toggles
// the check box and presses the button, arrow keys move the list selection
// (Ctrl+click and Ctrl+Space do not unselect the chosen entry),
// the radio check and the spin values, raising the same handlers as the mouse.

#include <gtest/gtest.h>

#include <string>

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "tests/ui/window_fixture.h"

namespace velkora::test {
namespace {

// Every control that may hold the focus, in the window's tab order.
const char* const kFocusable[] = {"RadioB1", "RadioB2",   "RadioB3",   "CPunkte",  "Listbox1",
                                  "Button1", "SpinEdit1", "SpinEdit2", "SpinEdit3"};

class KeyboardTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  // The control that holds the focus (a spin edit holds it through its line
  // edit), or the focus widget's class when it is none of them.
  std::string focused() {
    for (const char* name : kFocusable) {
      if (control<QWidget>(name).hasFocus()) return name;
    }
    QWidget* widget = QApplication::focusWidget();
    return widget == nullptr ? "(none)" : widget->metaObject()->className();
  }

  void focusOn(const char* name) {
    control<QWidget>(name).setFocus(Qt::TabFocusReason);
    ASSERT_EQ(focused(), name);
  }

  // Presses key times times on the focus widget; returns the controls focused after each press.
  std::string walk(Qt::Key key, int times) {
    std::string visited;
    for (int i = 0; i < times; ++i) {
      QTest::keyClick(QApplication::focusWidget(), key);
      visited += (i == 0 ? "" : " ") + focused();
    }
    return visited;
  }

  void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
};

TEST_F(KeyboardTest, TabCyclesThroughTheControlsAndBacktabReturns) {
  const Model before = model();
  focusOn("RadioB1");
  EXPECT_EQ(walk(Qt::Key_Tab, 7), "CPunkte Listbox1 Button1 SpinEdit1 SpinEdit2 SpinEdit3 RadioB1");
  EXPECT_EQ(walk(Qt::Key_Backtab, 7),
            "SpinEdit3 SpinEdit2 SpinEdit1 Button1 Listbox1 CPunkte RadioB1");
  // Moving the focus changes nothing.
  EXPECT_EQ(pointDistance(model(), before), 0.0);
  EXPECT_EQ(control<QSpinBox>("SpinEdit1").value(), 1);
  EXPECT_EQ(control<QListWidget>("Listbox1").currentRow(), 3);
}

// Qt keeps the tab stop at the group's button that last held the focus; a
// user checks a button by clicking it or with the arrow keys, and either
// gives it the focus, so the stop is the checked button.
TEST_F(KeyboardTest, TheCheckedRadioButtonIsTheGroupsOnlyStop) {
  QTest::mouseClick(&control<QRadioButton>("RadioB3"), Qt::LeftButton);
  ASSERT_TRUE(control<QRadioButton>("RadioB3").isChecked());
  focusOn("SpinEdit3");
  EXPECT_EQ(walk(Qt::Key_Tab, 2), "RadioB3 CPunkte");
  EXPECT_EQ(walk(Qt::Key_Backtab, 2), "RadioB3 SpinEdit3");

  // Checked by arrow keys: Up from RadioB3 checks RadioB2, which is then the stop.
  walk(Qt::Key_Tab, 1);
  press(Qt::Key_Up);
  ASSERT_TRUE(control<QRadioButton>("RadioB2").isChecked());
  EXPECT_EQ(walk(Qt::Key_Tab, 7), "CPunkte Listbox1 Button1 SpinEdit1 SpinEdit2 SpinEdit3 RadioB2");
}

TEST_F(KeyboardTest, PassiveControlsTakeNoFocusEvenWhenClicked) {
  for (const char* passive : {"Label1", "Label2", "Label3", "Speed2", "Speed3", "PB1", "Panel1",
                              "Panel2", "Panel3", "Panel4", "Panel5"}) {
    EXPECT_EQ(control<QWidget>(passive).focusPolicy(), Qt::NoFocus) << passive;
  }
  focusOn("Button1");
  QTest::mouseClick(&control<QWidget>("Speed2"), Qt::LeftButton);
  QTest::mouseClick(&control<QWidget>("PB1"), Qt::LeftButton);
  EXPECT_EQ(focused(), "Button1");
}

TEST_F(KeyboardTest, SpaceTogglesTheCheckBoxAndPressesTheRotationButton) {
  focusOn("RadioB1");
  walk(Qt::Key_Tab, 1);
  ASSERT_EQ(focused(), "CPunkte");
  press(Qt::Key_Space);
  EXPECT_TRUE(control<QCheckBox>("CPunkte").isChecked());
  EXPECT_TRUE(window->state().markPoints);
  press(Qt::Key_Space);
  EXPECT_FALSE(window->state().markPoints);

  walk(Qt::Key_Tab, 2);
  ASSERT_EQ(focused(), "Button1");
  press(Qt::Key_Space);
  EXPECT_TRUE(window->animationTimer().isActive());
  EXPECT_EQ(control<QPushButton>("Button1").text(), QStringLiteral("Abbruch"));
  press(Qt::Key_Space);
  EXPECT_FALSE(window->animationTimer().isActive());
  EXPECT_EQ(control<QPushButton>("Button1").text(), QStringLiteral("Rotation"));
}

TEST_F(KeyboardTest, ArrowKeysMoveTheListSelectionAndLoadTheSolid) {
  auto& list = control<QListWidget>("Listbox1");
  window->B2C();  // a running animation shows that the list handler ran: it stops it
  ASSERT_TRUE(window->animationTimer().isActive());
  focusOn("Listbox1");
  press(Qt::Key_Down);
  EXPECT_EQ(list.currentRow(), 4);
  EXPECT_EQ(model().polyType, 4);  // "Pentagondodekaeder"
  EXPECT_FALSE(window->animationTimer().isActive());
  EXPECT_EQ(control<QPushButton>("Button1").text(), QStringLiteral("Rotation"));

  press(Qt::Key_Up);
  press(Qt::Key_Up);
  EXPECT_EQ(list.currentRow(), 2);
  EXPECT_EQ(model().polyType, 2);  // "Oktaeder"
  press(Qt::Key_End);
  EXPECT_EQ(list.currentRow(), 30);
  EXPECT_EQ(model().polyType, 25);  // "Rhombentriakontaeder"
  EXPECT_EQ(control<QRadioButton>("RadioB3").text(), QStringLiteral("äußere Kugel"));
}

// The list always shows the chosen solid: Ctrl+click and Ctrl+Space, which
// unselect an entry in a Qt list, leave it selected.
TEST_F(KeyboardTest, CtrlClickAndCtrlSpaceLeaveTheChosenEntrySelected) {
  auto& list = control<QListWidget>("Listbox1");
  clickListEntry(7);
  ASSERT_EQ(list.currentRow(), 7);
  const auto chosenOnly = [&list] {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.size() == 1 && selected.front() == list.item(7);
  };
  ASSERT_TRUE(chosenOnly());
  const Model shown = model();
  const QRect cell = list.visualItemRect(list.item(7));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, cell.center());
  EXPECT_TRUE(chosenOnly()) << "after Ctrl+click";
  clickListEntry(7);
  focusOn("Listbox1");
  QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier);
  EXPECT_TRUE(chosenOnly()) << "after Ctrl+Space";
  EXPECT_EQ(list.currentRow(), 7);
  EXPECT_EQ(pointDistance(model(), shown), 0.0);
  // Another entry is still chosen as usual.
  press(Qt::Key_Down);
  EXPECT_EQ(list.currentRow(), 8);
  EXPECT_EQ(list.selectedItems().size(), 1);
}

TEST_F(KeyboardTest, ArrowKeysMoveTheCheckWithinTheRadioGroupAndRedraw) {
  focusOn("RadioB1");
  const std::vector<std::uint32_t> polyhedronOnly = window->frameBuffers().frame.pixels;
  press(Qt::Key_Down);
  EXPECT_EQ(focused(), "RadioB2");
  EXPECT_TRUE(control<QRadioButton>("RadioB2").isChecked());
  EXPECT_FALSE(control<QRadioButton>("RadioB1").isChecked());
  // The icosahedron with its inner sphere: the frame was drawn anew.
  EXPECT_NE(window->frameBuffers().frame.pixels, polyhedronOnly);
  press(Qt::Key_Up);
  EXPECT_TRUE(control<QRadioButton>("RadioB1").isChecked());
  EXPECT_EQ(window->frameBuffers().frame.pixels, polyhedronOnly);
}

TEST_F(KeyboardTest, UpAndDownChangeASpinEditByOneAndTurnOnce) {
  focusOn("SpinEdit1");
  walk(Qt::Key_Tab, 1);
  ASSERT_EQ(focused(), "SpinEdit2");
  auto& spin = control<QSpinBox>("SpinEdit2");
  const Model before = model();
  press(Qt::Key_Up);
  EXPECT_EQ(spin.value(), 1);
  EXPECT_EQ(window->state().motion.stepY, 0.25);
  // One change, one turn by the three steps (stepX 0: the spin shows 1 but was never changed).
  EXPECT_EQ(pointDistance(model(), turnedCopy(before, 0.0, 0.25, 0.5)), 0.0);
  press(Qt::Key_Down);
  press(Qt::Key_Down);
  EXPECT_EQ(spin.value(), -1);
  EXPECT_EQ(window->state().motion.stepY, -0.25);

  spin.setValue(15);
  const Model atTop = model();
  press(Qt::Key_Up);  // clamped: no change, no turn
  EXPECT_EQ(spin.value(), 15);
  EXPECT_EQ(pointDistance(model(), atTop), 0.0);
}

}  // namespace
}  // namespace velkora::test
