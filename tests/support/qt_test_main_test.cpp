// What the one test main() promises every Qt test program: a 1920 x 1080
// screen at 96 dpi when it runs offscreen, and a configuration folder of the
// run with Qt's standard paths in test mode, never the user's configuration.

#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

namespace {

TEST(QtTestMain, TheOffscreenScreenIsFullHdAtNinetySixDpi) {
  if (QGuiApplication::platformName() != QStringLiteral("offscreen")) {
    GTEST_SKIP() << "runs on " << QGuiApplication::platformName().toStdString();
  }
  const QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(screen->geometry(), QRect(0, 0, 1920, 1080));
  EXPECT_DOUBLE_EQ(screen->logicalDotsPerInch(), 96.0);
  EXPECT_DOUBLE_EQ(screen->devicePixelRatio(), 1.0);
}

TEST(QtTestMain, SettingsGoToAFolderOfTheRun) {
  const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
  ASSERT_FALSE(config.isEmpty());
  EXPECT_NE(QDir(config).canonicalPath(), QDir(QDir::homePath() + "/.config").canonicalPath());
  EXPECT_TRUE(QDir(config).exists());
  EXPECT_TRUE(QStandardPaths::isTestModeEnabled());
}

}  // namespace
