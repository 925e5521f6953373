#include "ui/stop_slider.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace velkora {

StopSlider::StopSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
  // Room for the ticks above and below the groove.
  setMinimumHeight(32);
}

void StopSlider::setMarks(std::vector<int> values) {
  marks_ = std::move(values);
  update();
}

int StopSlider::markX(int value) const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QRect groove =
      style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
  const QRect handle =
      style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
  // The handle's centre runs from the groove's left end plus half a handle to
  // the right end minus half a handle.
  const int span = groove.width() - handle.width();
  return groove.x() + handle.width() / 2 +
         QStyle::sliderPositionFromValue(minimum(), maximum(), value, span);
}

void StopSlider::paintEvent(QPaintEvent* event) {
  QSlider::paintEvent(event);
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
  for (const int value : marks_) {
    const int x = markX(value);
    painter.drawLine(x, 0, x, 6);
    painter.drawLine(x, height() - 7, x, height() - 1);
  }
}

}  // namespace velkora
