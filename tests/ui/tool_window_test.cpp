// The main window's keys from its tool windows: with the properties or help
// window focused, the commands act on the main window, while the keys the
// tool window uses itself (arrows in the table, Esc in the help) stay there.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPointer>
#include <QTableWidget>
#include <QTest>

#include "tests/ui/window_fixture.h"
#include "ui/properties_window.h"

namespace velkora::test {
namespace {

class ToolWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    activate(*window);
  }

  // Makes window the active one and waits until the application agrees.
  static void activate(QWidget& target) {
    for (int attempt = 0; attempt < 100 && QApplication::activeWindow() != &target; ++attempt) {
      target.activateWindow();
      QTest::qWait(10);
    }
    ASSERT_EQ(QApplication::activeWindow(), &target);
  }

  // Shows the properties window and gives its table the keyboard.
  QTableWidget& focusPropertiesTable() {
    window->setPropertiesShown(true);
    PropertiesWindow* properties = window->propertiesWindow();
    activate(*properties);
    auto* table = properties->findChild<QTableWidget*>(QStringLiteral("PropertiesTable"));
    table->setFocus(Qt::TabFocusReason);
    table->setCurrentCell(2, 0);
    return *table;
  }

  static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }
};

TEST_F(ToolWindowTest, ThePropertiesTableLeavesTheSolidKeysToTheMainWindow) {
  QTableWidget& table = focusPropertiesTable();
  auto& list = control<QListWidget>("Listbox1");
  press(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(list.currentRow(), 4);
  // The table shows the new solid and still has the keyboard.
  EXPECT_EQ(window->propertiesWindow()->shown()->position, 4);
  EXPECT_EQ(QApplication::focusWidget(), &table);
  press(Qt::Key_PageUp, Qt::ControlModifier);
  press(Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(list.currentRow(), 2);

  const double scale = model().scale;
  press(Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_NEAR(model().scale / scale, 1.1, 1e-12);
  // The table's own keys stay with it.
  table.setCurrentCell(2, 0);
  press(Qt::Key_Down);
  press(Qt::Key_PageDown);
  EXPECT_GT(table.currentRow(), 3);
  EXPECT_EQ(list.currentRow(), 2);
}

TEST_F(ToolWindowTest, PresentationStartsAndEndsFromThePropertiesWindow) {
  focusPropertiesTable();
  press(Qt::Key_F11);
  EXPECT_TRUE(window->inPresentation());
  press(Qt::Key_Escape);
  EXPECT_FALSE(window->inPresentation());
  // Ctrl+I from the properties window hides it again.
  press(Qt::Key_I, Qt::ControlModifier);
  EXPECT_FALSE(window->propertiesWindow()->isVisible());
}

TEST_F(ToolWindowTest, TheHelpPassesCommandKeysOnAndKeepsEscToClose) {
  window->showHelp();
  QPointer<QDialog> help = window->findChild<QDialog*>(QStringLiteral("Bedienung"));
  ASSERT_NE(help, nullptr);
  activate(*help);
  press(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(control<QListWidget>("Listbox1").currentRow(), 4);
  press(Qt::Key_F11);
  ASSERT_TRUE(window->inPresentation());
  activate(*help);
  press(Qt::Key_Escape);
  EXPECT_TRUE(help.isNull() || !help->isVisible());
  EXPECT_TRUE(window->inPresentation());
}

}  // namespace
}  // namespace velkora::test
