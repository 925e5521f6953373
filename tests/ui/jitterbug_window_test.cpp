// The jitterbug in the real window: Ctrl+J opens it on the Kuboktaeder with
// its three stops marked and named; a stop's button shows that solid and the
// picture's description says so; the morph closes it; in English its words follow.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "tests/ui/window_fixture.h"
#include "translations/language.h"
#include "ui/jitterbug_window.h"
#include "ui/tool_windows.h"

namespace velkora::test {
namespace {

class JitterbugWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    clickListEntry(1);  // the cube: opening the jitterbug picks the Kuboktaeder
    activateMainWindow();
    QTest::keyClick(window.get(), Qt::Key_J, Qt::ControlModifier);
    jitterbug = dynamic_cast<JitterbugWindow*>(window->tools().windowOf(Tool::Jitterbug));
    ASSERT_NE(jitterbug, nullptr);
  }
  QPushButton& stopButton(int k) {
    auto* button = jitterbug->findChild<QPushButton*>(QStringLiteral("JitterbugStop%1").arg(k));
    if (button == nullptr) throw std::logic_error("no stop button");
    return *button;
  }
  QString pictureText() { return window->pictureDescription(); }

  JitterbugWindow* jitterbug = nullptr;
};

TEST_F(JitterbugWindowTest, ItOpensOnTheCuboctahedronAndItsStopsShowTheirSolids) {
  EXPECT_TRUE(jitterbug->isVisible());
  EXPECT_EQ(control<QListWidget>("Listbox1").currentRow(), 12);
  EXPECT_TRUE(stopButton(0).text().startsWith(QStringLiteral("Kuboktaeder")));
  EXPECT_TRUE(stopButton(1).text().startsWith(QStringLiteral("Ikosaeder (j = 0,37")))
      << stopButton(1).text().toStdString();
  EXPECT_TRUE(stopButton(2).text().startsWith(QStringLiteral("Oktaeder")));
  QTest::mouseClick(&stopButton(1), Qt::LeftButton);
  EXPECT_EQ(window->viewer().pictureFacts().solidName, "Ikosaeder");
  EXPECT_TRUE(control<QLabel>("JitterbugStopName").text().endsWith(QStringLiteral(": Ikosaeder")));
  EXPECT_TRUE(pictureText().startsWith(QStringLiteral("Jitterbug bei j = 0,371: Ikosaeder")))
      << pictureText().toStdString();
  // The morph takes the jitterbug's place and its window goes.
  QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
  EXPECT_FALSE(window->viewer().toolOpen(Tool::Jitterbug));
  EXPECT_FALSE(jitterbug->isVisible());
  EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(JitterbugWindowTest, InEnglish) {
  useLanguage(QStringLiteral("en"));
  QApplication::processEvents();
  EXPECT_EQ(jitterbug->windowTitle(), QStringLiteral("Jitterbug"));
  EXPECT_TRUE(stopButton(1).text().startsWith(QStringLiteral("Icosahedron (j = 0.37")))
      << stopButton(1).text().toStdString();
  EXPECT_TRUE(
      control<QLabel>("JitterbugTints").text().contains(QStringLiteral("turning triangles")));
  useLanguage(kGerman);
  QApplication::processEvents();
}

}  // namespace
}  // namespace velkora::test
