// Runs a GoogleTest program inside one QApplication, on the offscreen
// platform unless the environment names another. The offscreen screen is
// made 1920 x 1080 (Qt's default is 800 x 600, smaller than the window's
// design size, which would make the window shrink to fit it). Settings that
// a test writes go to a temporary folder.

#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/qt_test_environment.h"

int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  velkora::test::QtTestEnvironment environment(1920, 1080);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
