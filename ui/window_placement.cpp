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

}  // namespace velkora
