#pragma once
// The surroundings every Qt test program runs in: the offscreen platform
// (unless the environment names another) with one screen of a given size, and
// settings that go to a folder of the run, never to the user's. Only the
// surroundings; the QApplication and main() stay with the program.

#include <QTemporaryDir>
#include <QTemporaryFile>

namespace velkora::test {

class QtTestEnvironment {
 public:
  // Sets the process environment for a QApplication made afterwards: a
  // screenWidth x screenHeight screen (pixels, 96 dpi, ratio 1) on the
  // offscreen platform, XDG_CONFIG_HOME in a temporary folder, Qt's standard
  // paths in test mode. Needs to run before the QApplication exists, and to
  // live as long as it (the screen file and the folder go with this object).
  QtTestEnvironment(int screenWidth, int screenHeight);

 private:
  QTemporaryFile screens_;
  QTemporaryDir config_;
};

}  // namespace velkora::test
