// Runs the gallery tests inside one QApplication on the offscreen platform
// (one test compares the gallery with the real window's frames).

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
