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
#include <QTextBrowser>

#include "tests/ui/window_fixture.h"
#include "ui/fold_window.h"
#include "ui/help_window.h"
#include "ui/kaleidoscope_window.h"
#include "ui/morph_window.h"
#include "ui/properties_window.h"
#include "ui/tool_windows.h"
#include "ui/window_settings.h"

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
    window->tools().setPropertiesShown(true);
    PropertiesWindow* properties = window->tools().propertiesWindow();
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
  EXPECT_EQ(window->tools().propertiesWindow()->shown()->position, 4);
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
  EXPECT_FALSE(window->tools().propertiesWindow()->isVisible());
}

TEST_F(ToolWindowTest, TheHelpPassesCommandKeysOnAndKeepsEscToClose) {
  window->tools().showHelp();
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

// The kaleidoscope, then the fold and the properties: each opens where it
// covers none of those already open.
TEST_F(ToolWindowTest, ToolWindowsOpenWithoutCoveringEachOther) {
  window->tools().setKaleidoscopeShown(true);
  window->tools().setFoldShown(true);
  window->tools().setPropertiesShown(true);
  const QList<QWidget*> tools{window->tools().kaleidoscopeWindow(), window->tools().foldWindow(),
                              window->tools().propertiesWindow()};
  for (int k = 0; k < tools.size(); ++k) {
    ASSERT_TRUE(tools[k]->isVisible()) << k;
    for (int j = 0; j < k; ++j) {
      EXPECT_FALSE(tools[k]->frameGeometry().intersects(tools[j]->frameGeometry()))
          << tools[k]->objectName().toStdString() << " covers "
          << tools[j]->objectName().toStdString();
    }
  }
}

// Esc in a tool window whose controls have no use for it closes the window,
// and the main window hears of it: the menu's check mark goes, the picture
// is the solid's again.
TEST_F(ToolWindowTest, EscClosesAToolWindowAndTheMainWindowKnows) {
  window->tools().setFoldShown(true);
  FoldWindow& fold = *window->tools().foldWindow();
  activate(fold);
  fold.findChild<QWidget*>(QStringLiteral("FoldSlider"))->setFocus(Qt::TabFocusReason);
  press(Qt::Key_Escape);
  EXPECT_FALSE(fold.isVisible());
  EXPECT_FALSE(window->controller().folding());
  window->tools().setMorphShown(true);
  activate(*window->tools().morphWindow());
  press(Qt::Key_Escape);
  EXPECT_FALSE(window->tools().morphWindow()->isVisible());
  // Esc reopened by Ctrl+D: the check mark was cleared, so the command opens it again.
  activate(*window);
  press(Qt::Key_D, Qt::ControlModifier);
  EXPECT_TRUE(window->tools().morphWindow()->isVisible());
}

// The main window's keys work from the slider tools, whose own keys stay theirs.
TEST_F(ToolWindowTest, TheSliderToolsPassCommandKeysOn) {
  window->tools().setFoldShown(true);
  activate(*window->tools().foldWindow());
  auto* slider = window->tools().foldWindow()->findChild<QWidget*>(QStringLiteral("FoldSlider"));
  slider->setFocus(Qt::TabFocusReason);
  press(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(control<QListWidget>("Listbox1").currentRow(), 4);
  press(Qt::Key_PageUp);  // the slider's own page step
  EXPECT_NEAR(window->tools().foldWindow()->stage(), 0.1, 1e-9);
  EXPECT_EQ(control<QListWidget>("Listbox1").currentRow(), 4);
}

// The help is made once and speaks the language in use after a switch.
TEST_F(ToolWindowTest, TheHelpIsOneWindowThatFollowsTheLanguage) {
  window->tools().showHelp();
  QPointer<QDialog> help = window->findChild<QDialog*>(QStringLiteral("Bedienung"));
  ASSERT_NE(help, nullptr);
  help->close();
  window->tools().showHelp();
  EXPECT_EQ(window->findChildren<QDialog*>(QStringLiteral("Bedienung")).size(), 1);
  ASSERT_FALSE(help.isNull());
  EXPECT_TRUE(help->isVisible());
  auto* text = help->findChild<QTextBrowser*>(QStringLiteral("HelpText"));
  EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("Tastenkürzel")));
  window->settings().setLanguage(QStringLiteral("en"), false);
  // The text follows once the commands have their English names.
  [[maybe_unused]] const bool english = QTest::qWaitFor(
      [text] { return text->toPlainText().contains(QStringLiteral("Next Solid")); }, 1000);
  EXPECT_FALSE(text->toPlainText().contains(QStringLiteral("Tastenkürzel")));
  EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("Next Solid")))
      << "the command list in English: " << text->toPlainText().toStdString();
  EXPECT_NE(help->windowTitle(), QStringLiteral("Bedienung"));
  window->settings().setLanguage(QStringLiteral("de"), false);
  QApplication::processEvents();
  EXPECT_EQ(help->windowTitle(), QStringLiteral("Bedienung"));
}

}  // namespace
}  // namespace velkora::test
