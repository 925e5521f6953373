// Entry point: sets the application title, creates the main window FVelkora
// and runs the event loop until the window closes.

#include <memory>

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "ui/app_icon.h"
#include "ui/error_box.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The name only, not the display name: Qt would append a display name to the caption.
  QApplication::setApplicationName(QString::fromUtf8(velkora::kApplicationTitle));
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(velkora::appIconImage())));
  const auto FVelkora = std::make_unique<velkora::TFVelkora>();
  FVelkora->show();
  return QApplication::exec();
}
