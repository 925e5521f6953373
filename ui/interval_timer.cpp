#include "ui/interval_timer.h"

#include <utility>

namespace velkora {

IntervalTimer::IntervalTimer(std::function<void()> onTick) : onTick_(std::move(onTick)) {
  QObject::connect(&timer_, &QTimer::timeout, [this] { onTick_(); });
}

void IntervalTimer::setInterval(int milliseconds) {
  if (milliseconds <= 0) {
    interval_ = 0;
    timer_.stop();
    return;
  }
  interval_ = milliseconds;
  timer_.start(milliseconds);
}

}  // namespace velkora
