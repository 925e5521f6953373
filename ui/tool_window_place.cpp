#include "ui/tool_window_place.h"

#include <QScreen>
#include <QWidget>

#include "ui/window_placement.h"

namespace velkora {

void placeBesideMainWindow(QWidget& tool, const QWidget& mainWindow) {
  const QScreen* screen = mainWindow.screen();
  if (screen == nullptr) return;
  // A window not yet shown has no frame; the main window's is the best guess.
  QSize frame = tool.frameGeometry().size() - tool.size();
  if (frame.height() <= 0) frame = mainWindow.frameGeometry().size() - mainWindow.size();
  if (frame.height() <= 0) frame = QSize(0, 32);
  const Placement placement =
      placeBeside(mainWindow.frameGeometry(), tool.size(), frame, screen->availableGeometry());
  if (placement.shrunk) tool.resize(placement.clientSize);
  tool.move(placement.framePosition);
}

}  // namespace velkora
