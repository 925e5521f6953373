#pragma once
// Where the window opens on a screen: centred in the available area when it
// fits, otherwise at the area's top left, shrunk to the area so that its title
// bar and every edge stay reachable. Pure geometry; the window applies it.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace velkora {

struct Placement {
  QPoint framePosition;  // top left of the window frame (title bar included)
  QSize clientSize;      // the window's size without the frame
  bool shrunk = false;   // smaller than asked for: the screen is too small
};

// window: the client size wanted; frame: what the window manager adds (title
// bar, borders); available: the screen's available geometry.
Placement placeWindow(QSize window, QSize frame, QRect available);

}  // namespace velkora
