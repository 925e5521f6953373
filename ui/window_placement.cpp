#include "ui/window_placement.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>
#include <vector>

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

namespace {

constexpr int kGap = 8;

// How many pixels of a and b overlap.
long long overlapArea(const QRect& a, const QRect& b) {
  const QRect both = a.intersected(b);
  return both.isEmpty() ? 0 : static_cast<long long>(both.width()) * both.height();
}

}  // namespace

Placement placeBeside(QRect mainFrame, QSize window, QSize frame, QRect available) {
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

Placement placeBeside(QRect mainFrame, QSize window, QSize frame, QRect available,
                      const QList<QRect>& taken) {
  Placement placement = placeBeside(mainFrame, window, frame, available);
  const QSize outer = placement.clientSize + frame;
  const auto free = [&taken](const QRect& place) {
    return std::none_of(taken.begin(), taken.end(),
                        [&place](const QRect& other) { return place.intersects(other); });
  };
  const QPoint first = placement.framePosition;
  if (free(QRect(first, outer))) return placement;

  // Left edges and top edges worth trying: beside and below the main window
  // and every taken window, and the area's own edges.
  std::vector<int> xs{first.x(), mainFrame.right() + kGap, mainFrame.left() - kGap - outer.width(),
                      available.left(), available.right() + 1 - outer.width()};
  std::vector<int> ys{first.y(), mainFrame.top(), available.top(),
                      available.bottom() + 1 - outer.height()};
  for (const QRect& other : taken) {
    xs.push_back(other.right() + kGap);
    xs.push_back(other.left() - kGap - outer.width());
    xs.push_back(other.left());
    ys.push_back(other.bottom() + kGap);
    ys.push_back(other.top() - kGap - outer.height());
    ys.push_back(other.top());
  }
  // The first place that covers no taken window: least of the main window
  // covered, then nearest to placeBeside's place.
  long long bestCover = std::numeric_limits<long long>::max();
  long long bestDistance = std::numeric_limits<long long>::max();
  std::optional<QPoint> best;
  for (const int x : xs) {
    for (const int y : ys) {
      const QRect place(QPoint(x, y), outer);
      if (!available.contains(place) || !free(place)) continue;
      const long long cover = overlapArea(place, mainFrame);
      const long long distance =
          static_cast<long long>(std::abs(x - first.x())) + std::abs(y - first.y());
      if (cover < bestCover || (cover == bestCover && distance < bestDistance)) {
        bestCover = cover;
        bestDistance = distance;
        best = QPoint(x, y);
      }
    }
  }
  if (best) placement.framePosition = *best;
  return placement;
}

}  // namespace velkora
