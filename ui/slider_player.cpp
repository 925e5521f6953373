#include "ui/slider_player.h"

#include <algorithm>

#include <QScopeGuard>

namespace velkora {

SliderPlayer::SliderPlayer(QSlider& slider, QPushButton& button)
    : slider_(slider), button_(button) {
  showCaption();
  timer_.setInterval(kTickMs);
  connect(&button_, &QPushButton::clicked, this, [this] {
    if (stepwise_) {
      step();
    } else {
      setPlaying(!playing());
    }
  });
  connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
}

void SliderPlayer::setPlaying(bool on) {
  if (on == playing()) return;
  if (on) {
    timer_.start();
  } else {
    timer_.stop();
  }
  showCaption();
  if (!on) emit stopped();
}

void SliderPlayer::showCaption() { button_.setText(playing() ? tr("Anhalten") : tr("Abspielen")); }

void SliderPlayer::tick() {
  ticking_ = true;
  const auto done = qScopeGuard([this] { ticking_ = false; });
  advance(kStepsPerWay);
}

void SliderPlayer::step() { advance(kPressesPerWay); }

void SliderPlayer::setStepwise(bool on) {
  stepwise_ = on;
  if (on) setPlaying(false);
}

void SliderPlayer::advance(int parts) {
  const int step = std::max(1, (slider_.maximum() - slider_.minimum()) / parts);
  int value = slider_.value() + direction_ * step;
  if (value >= slider_.maximum() || value <= slider_.minimum()) {
    value = std::clamp(value, slider_.minimum(), slider_.maximum());
    direction_ = -direction_;
  }
  slider_.setValue(value);
}

}  // namespace velkora
