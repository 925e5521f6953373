#pragma once
// Where windows open on a screen: the main window centred in the available
// area when it fits, otherwise at the area's top left, shrunk to the area so
// that its title bar and every edge stay reachable; a tool window beside the
// main window, never larger than the area. Pure geometry; the windows apply it.

#include <QList>
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

// A tool window (properties, help) of client size window with the given frame,
// beside the main window's frame mainFrame: on its right, else on its left
// where it fits there, else as far right as the area allows; top edges level
// where the area allows. Shrunk to the area where it is larger (shrunk set).
Placement placeBeside(QRect mainFrame, QSize window, QSize frame, QRect available);

// As placeBeside, but covering none of the frames in taken (the tool windows
// already open): where placeBeside's place would cover one, the nearest place
// in the area that covers none of them, beside or below them, covering as
// little of the main window as can be; placeBeside's place when there is none.
Placement placeBeside(QRect mainFrame, QSize window, QSize frame, QRect available,
                      const QList<QRect>& taken);

}  // namespace velkora
