#include "ui/stop_slider.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>
#include <cmath>

#include "text/number_text.h"

namespace velkora {

StopSlider::StopSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
  // Room for the ticks above and below the groove.
  setMinimumHeight(32);
}

int StopSlider::stepOf(double parameter) const {
  return static_cast<int>(std::lround(std::clamp(parameter, 0.0, 1.0) * maximum()));
}

void StopSlider::setStops(std::vector<double> parameters) {
  stops_ = std::move(parameters);
  std::vector<int> marks;
  for (const double stop : stops_)
    marks.push_back(stepOf(stop));
  setMarks(std::move(marks));
}

double StopSlider::parameter() const {
  const int at = value();
  for (const double stop : stops_) {
    if (stepOf(stop) == at) return stop;
  }
  return maximum() > 0 ? static_cast<double>(at) / maximum() : 0.0;
}

void StopSlider::moveTo(double parameter) {
  const int step = stepOf(parameter);
  if (step == value()) {
    emit valueChanged(step);
    return;
  }
  setValue(step);
}

int StopSlider::stopAt(double parameter) const {
  for (std::size_t k = 0; k < stops_.size(); ++k) {
    if (std::fabs(stops_[k] - parameter) < 1e-9) return static_cast<int>(k);
  }
  return -1;
}

QString StopSlider::positionText(QChar letter, const QStringList& names) const {
  const double at = parameter();
  QString text =
      QStringLiteral("%1 = %2").arg(letter).arg(QString::fromStdString(peopleNumber(at, 3)));
  const int stop = stopAt(at);
  if (stop >= 0 && stop < names.size()) text += QStringLiteral(": ") + names[stop];
  return text;
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
