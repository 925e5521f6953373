#include "tests/support/qt_test_environment.h"

#include <QByteArray>
#include <QStandardPaths>
#include <QString>

namespace velkora::test {

QtTestEnvironment::QtTestEnvironment(int screenWidth, int screenHeight) {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen") {
    if (screens_.open()) {
      const QString screens =
          QStringLiteral(R"({ "screens": [ { "name": "Test", "x": 0, "y": 0, "width": %1,
                         "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] })")
              .arg(screenWidth)
              .arg(screenHeight);
      screens_.write(screens.toUtf8());
      screens_.flush();
      qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens_.fileName().toLocal8Bit());
    } else {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
  }
  // Whatever a test remembers goes to a folder of this run, never to the user's.
  if (config_.isValid()) qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
  QStandardPaths::setTestModeEnabled(true);
}

}  // namespace velkora::test
