#include "ui/window_placement.h"

#include <algorithm>

namespace velkora {

Placement placeWindow(QSize window, QSize frame, QRect available) {
  const QSize room(std::max(1, available.width() - frame.width()),
                   std::max(1, available.height() - frame.height()));
  Placement placement;
  if (window.width() <= room.width() && window.height() <= room.height()) {
    placement.clientSize = window;
    placement.framePosition =
        QPoint(available.x() + (available.width() - window.width() - frame.width()) / 2,
               available.y() + (available.height() - window.height() - frame.height()) / 2);
    return placement;
  }
  placement.clientSize = window.boundedTo(room);
  placement.framePosition = available.topLeft();
  placement.shrunk = true;
  return placement;
}

Placement placeBeside(QRect mainFrame, QSize window, QSize frame, QRect available) {
  constexpr int kGap = 8;
  const QSize room(std::max(1, available.width() - frame.width()),
                   std::max(1, available.height() - frame.height()));
  Placement placement;
  placement.clientSize = window.boundedTo(room);
  placement.shrunk = placement.clientSize != window;
  const QSize outer = placement.clientSize + frame;
  int x = mainFrame.right() + kGap;
  if (x + outer.width() > available.right() &&
      mainFrame.left() - kGap - outer.width() >= available.left()) {
    x = mainFrame.left() - kGap - outer.width();
  }
  x = std::max(available.left(), std::min(x, available.right() - outer.width()));
  const int y =
      std::max(available.top(), std::min(mainFrame.top(), available.bottom() - outer.height()));
  placement.framePosition = QPoint(x, y);
  return placement;
}

}  // namespace velkora
