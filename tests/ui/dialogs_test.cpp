// The windows and dialogs around the main window: tool windows placed beside
// it and never larger than the screen, the net dialog's largest edge with a
// decimal comma and no error escaping its slot, and the net's save dialog
// proposing a file name.

#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>

#include "model/polyhedron.h"
#include "tests/ui/window_fixture.h"
#include "ui/file_commands.h"
#include "ui/net_dialog.h"
#include "ui/properties_window.h"
#include "ui/tool_windows.h"
#include "ui/window_placement.h"

namespace velkora::test {
namespace {

// The main window's frame as it opens on a 1024 x 600 screen with a panel of 24 pixels.
const QRect kSmallScreen(0, 24, 1024, 576);

TEST(ToolPlacement, BesideTheMainWindowWhereThereIsRoom) {
  const QRect wide(0, 0, 1920, 1080);
  const QRect main(200, 180, 876, 720);
  const Placement right = placeBeside(main, QSize(620, 660), QSize(2, 30), wide);
  EXPECT_FALSE(right.shrunk);
  EXPECT_EQ(right.clientSize, QSize(620, 660));
  EXPECT_EQ(right.framePosition, QPoint(main.right() + 8, 180));
  // No room on the right: on the left, its right edge 8 pixels before the main window.
  const QRect atRight(1000, 100, 876, 720);
  const Placement left = placeBeside(atRight, QSize(620, 660), QSize(2, 30), wide);
  EXPECT_EQ(left.framePosition.x() + 622 + 8, atRight.left());
  EXPECT_EQ(left.framePosition.y(), 100);
}

TEST(ToolPlacement, NeverLargerThanTheAvailableAreaAndInsideIt) {
  const QRect main(0, 24, 876, 576);
  for (const QSize wanted : {QSize(620, 660), QSize(560, 640), QSize(2000, 2000)}) {
    const Placement p = placeBeside(main, wanted, QSize(2, 30), kSmallScreen);
    const QRect outer(p.framePosition, p.clientSize + QSize(2, 30));
    EXPECT_TRUE(kSmallScreen.contains(outer))
        << outer.x() << "," << outer.y() << " " << outer.width() << "x" << outer.height();
    EXPECT_EQ(p.shrunk, p.clientSize != wanted);
    EXPECT_EQ(outer.height(), kSmallScreen.height());
  }
  // Narrow enough to fit: only the height is cut.
  EXPECT_EQ(placeBeside(main, QSize(620, 660), QSize(2, 30), kSmallScreen).clientSize,
            QSize(620, 546));
}

using DialogsTest = WindowTest;
using SmallScreenTest = WindowTest;

// Run by ctest on a 1024 x 600 offscreen screen (small_screen.json); on a
// larger screen there is nothing to see.
TEST_F(SmallScreenTest, ThePropertiesAndHelpWindowsFitTheScreenTheyOpenOn) {
  const QRect area = window->screen()->availableGeometry();
  if (area.height() >= 640) GTEST_SKIP() << "needs a screen lower than the help window";
  window->tools().setPropertiesShown(true);
  const PropertiesWindow* properties = window->tools().propertiesWindow();
  EXPECT_TRUE(area.contains(properties->frameGeometry()));
  // Its buttons are on the screen.
  const QWidget* copy = properties->findChild<QWidget*>(QStringLiteral("CopyButton"));
  EXPECT_TRUE(area.contains(QRect(copy->mapToGlobal(QPoint(0, 0)), copy->size())));
  window->tools().showHelp();
  const auto* help = window->findChild<QDialog*>(QStringLiteral("Bedienung"));
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(area.contains(help->frameGeometry()));
}

TEST_F(DialogsTest, TheLargestEdgeIsShownWithADecimalCommaAndErrorsStayInTheDialog) {
  QStringList shown;
  withModalDialogs(
      [&] {
        // A solid without faces: no net, so no largest edge; the dialog says so.
        EXPECT_FALSE(askNetOptions(window.get(), Polyhedron{}, QStringLiteral("Netz")).has_value());
        EXPECT_TRUE(
            askNetOptions(window.get(), window->state().solid.geometry, QStringLiteral("Netz"))
                .has_value());
      },
      [&](QWidget& modal) {
        auto* dialog = qobject_cast<QDialog*>(&modal);
        if (dialog == nullptr) return;
        auto* largest = dialog->findChild<QLabel*>(QStringLiteral("NetLargest"));
        ASSERT_NE(largest, nullptr);
        // Another paper runs the slot again.
        dialog->findChildren<QComboBox*>().front()->setCurrentIndex(1);
        shown << largest->text();
        if (shown.size() == 1) {
          dialog->reject();
        } else {
          dialog->accept();
        }
      });
  ASSERT_EQ(shown.size(), 2);
  EXPECT_TRUE(
      shown[0].startsWith(QStringLiteral("Die größte Kante für eine Seite ist nicht bekannt")))
      << shown[0].toStdString();
  EXPECT_TRUE(shown[1].contains(QRegularExpression(QStringLiteral("bis [0-9]+,[0-9] mm\\.$"))))
      << shown[1].toStdString();
}

// Accepted untouched, the dialog asks for the net every caller gets by
// default; its tab style and check boxes reach the options.
TEST_F(DialogsTest, TheNetDialogKeepsTheDefaultsAndPassesItsChoices) {
  std::vector<NetOptions> chosen;
  withModalDialogs(
      [&] {
        for (int round = 0; round < 2; ++round) {
          const auto options =
              askNetOptions(window.get(), window->state().solid.geometry, QStringLiteral("Netz"));
          ASSERT_TRUE(options.has_value());
          chosen.push_back(*options);
        }
      },
      [&](QWidget& modal) {
        auto* dialog = qobject_cast<QDialog*>(&modal);
        if (dialog == nullptr) return;
        if (chosen.size() == 1) {
          auto* tabs = dialog->findChild<QComboBox*>(QStringLiteral("NetTabs"));
          ASSERT_NE(tabs, nullptr);
          tabs->setCurrentIndex(tabs->findData(static_cast<int>(TabStyle::Both)));
          for (const char* name : {"NetFaceNumbers", "NetFoldAngles", "NetScaleBar"}) {
            auto* box = dialog->findChild<QCheckBox*>(QString::fromLatin1(name));
            ASSERT_NE(box, nullptr) << name;
            box->toggle();
          }
        }
        dialog->accept();
      });
  ASSERT_EQ(chosen.size(), 2u);
  const NetOptions defaults;
  EXPECT_EQ(chosen[0].tabs, defaults.tabs);
  EXPECT_EQ(chosen[0].tabStyle, defaults.tabStyle);
  EXPECT_EQ(chosen[0].numbers, defaults.numbers);
  EXPECT_EQ(chosen[0].faceNumbers, defaults.faceNumbers);
  EXPECT_EQ(chosen[0].foldAngles, defaults.foldAngles);
  EXPECT_EQ(chosen[0].scaleBar, defaults.scaleBar);
  EXPECT_FALSE(chosen[0].edgeMm.has_value());
  EXPECT_TRUE(chosen[1].tabs);
  EXPECT_EQ(chosen[1].tabStyle, TabStyle::Both);
  EXPECT_NE(chosen[1].faceNumbers, defaults.faceNumbers);
  EXPECT_NE(chosen[1].foldAngles, defaults.foldAngles);
  EXPECT_NE(chosen[1].scaleBar, defaults.scaleBar);
}

TEST_F(DialogsTest, SavingTheNetProposesAFileNameFromTheSolid) {
  QString proposed;
  withModalDialogs([&] { window->files().saveNet(); },
                   [&](QWidget& modal) {
                     if (auto* files = qobject_cast<QFileDialog*>(&modal)) {
                       const auto* name =
                           files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                       if (name != nullptr) proposed = name->text();
                       files->reject();
                     } else if (auto* options = qobject_cast<QDialog*>(&modal)) {
                       options->accept();
                     }
                   });
  EXPECT_EQ(proposed, QStringLiteral("Ikosaeder.pdf"));
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
}  // namespace velkora::test
