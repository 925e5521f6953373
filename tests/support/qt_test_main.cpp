// Runs a GoogleTest program inside one QApplication, on the offscreen
// platform unless the environment names another. The offscreen screen is
// made 1920 x 1080 (Qt's default is 800 x 600, smaller than the window's
// design size, which would make the window shrink to fit it). Settings that
// a test writes go to a temporary folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>

int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  QTemporaryFile screens;
  if (platform.isEmpty() || platform == "offscreen") {
    if (screens.open()) {
      screens.write(R"({ "screens": [ { "name": "Test", "x": 0, "y": 0, "width": 1920,
                         "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] })");
      screens.flush();
      qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    } else {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
  }
  // Whatever a test remembers goes to a folder of this run, never to the user's.
  QTemporaryDir config;
  if (config.isValid()) qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
