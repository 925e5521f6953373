#pragma once
// Timer1: a periodic timer on the user-interface thread whose interval 0
// means stopped. A bare QTimer with interval 0 fires on every pass of the
// event loop, so the interval is kept here and 0 stops the QTimer.

#include <functional>

#include <QTimer>

namespace velkora {

class IntervalTimer {
 public:
  explicit IntervalTimer(std::function<void()> onTick);
  IntervalTimer(const IntervalTimer&) = delete;
  IntervalTimer& operator=(const IntervalTimer&) = delete;

  // A positive interval (milliseconds) starts or restarts ticking; 0 or less stops it.
  void setInterval(int milliseconds);
  int interval() const { return interval_; }
  bool isActive() const { return timer_.isActive(); }

 private:
  QTimer timer_;
  int interval_ = 0;
  std::function<void()> onTick_;
};

}  // namespace velkora
