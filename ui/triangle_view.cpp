#include "ui/triangle_view.h"

#include <algorithm>
#include <cmath>

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace velkora {

namespace {

constexpr double kMargin = 36.0;  // room for the corner letters and the labels

double cross2(QPointF a, QPointF b) { return a.x() * b.y() - a.y() * b.x(); }

}  // namespace

TriangleView::TriangleView(std::function<void(WythoffWeights)> moved, QWidget* parent)
    : QWidget(parent), moved_(std::move(moved)) {
  setObjectName(QStringLiteral("KaleidoscopeTriangle"));
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(240, 220);
  showToolTip();
}

void TriangleView::showToolTip() {
  setToolTip(
      tr("Den Punkt ziehen oder mit den Pfeiltasten bewegen. In der Nähe eines Haltepunkts rastet "
         "er ein; mit gedrückter Umschalttaste nicht."));
}

void TriangleView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) showToolTip();
}

void TriangleView::setMarks(std::vector<Mark> marks) {
  marks_ = std::move(marks);
  update();
}

void TriangleView::setWeights(WythoffWeights weights) {
  weights_ = weights;
  update();
  moved_(weights_);
}

void TriangleView::placeQuietly(WythoffWeights weights) {
  weights_ = weights;
  update();
}

std::array<QPointF, 3> TriangleView::corners() const {
  // A at the bottom left, B at the bottom right, C at the top.
  const double w = width() - 2 * kMargin;
  const double h = height() - 2 * kMargin;
  return {QPointF(kMargin, kMargin + h), QPointF(kMargin + w, kMargin + h),
          QPointF(kMargin + w / 2, kMargin)};
}

QPointF TriangleView::pointOf(WythoffWeights w) const {
  const auto c = corners();
  return c[0] * w.a + c[1] * w.b + c[2] * w.c;
}

WythoffWeights TriangleView::weightsAt(QPointF place, bool snap) const {
  if (snap) {
    for (const Mark& mark : marks_) {
      const QPointF d = pointOf(mark.weights) - place;
      if (std::hypot(d.x(), d.y()) <= kSnapPixels) return mark.weights;
    }
  }
  const auto c = corners();
  const double area = cross2(c[1] - c[0], c[2] - c[0]);
  double a = cross2(c[1] - place, c[2] - place) / area;
  double b = cross2(c[2] - place, c[0] - place) / area;
  double cc = cross2(c[0] - place, c[1] - place) / area;
  // Outside the triangle: the negative weights go to 0, the rest keep their ratio.
  a = std::max(a, 0.0);
  b = std::max(b, 0.0);
  cc = std::max(cc, 0.0);
  return normalisedWeights(a, b, cc).value_or(weights_);
}

void TriangleView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const auto c = corners();
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1.5));
  painter.setBrush(QColor(0xA0, 0xFF, 0xA0));  // the picture's light green
  painter.drawPolygon(c.data(), 3);
  const char* letters[] = {"A", "B", "C"};
  for (int k = 0; k < 3; ++k) {
    const QPointF away =
        c[static_cast<std::size_t>(k)] +
        (c[static_cast<std::size_t>(k)] - pointOf({1 / 3.0, 1 / 3.0, 1 / 3.0})) * 0.12;
    painter.drawText(QRectF(away.x() - 10, away.y() - 10, 20, 20), Qt::AlignCenter,
                     QString::fromLatin1(letters[k]));
  }
  painter.setBrush(Qt::black);
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  painter.setFont(small);
  for (const Mark& mark : marks_) {
    const QPointF p = pointOf(mark.weights);
    painter.drawEllipse(p, 3.5, 3.5);
    // A label goes right of its dot, left where it would leave the widget,
    // and below for the stops on the bottom side; always inside the widget.
    const double width = painter.fontMetrics().horizontalAdvance(mark.label);
    const double height = painter.fontMetrics().height();
    QPointF at = p + QPointF(6, -4 - height);
    if (at.x() + width > this->width() - 2) at.setX(p.x() - 6 - width);
    if (mark.weights.c < 1e-9) at = QPointF(p.x() - width / 2, p.y() + 4);
    at.setX(std::clamp(at.x(), 2.0, std::max(2.0, this->width() - 2 - width)));
    painter.drawText(QRectF(at, QSizeF(width + 1, height)), Qt::AlignLeft | Qt::AlignVCenter,
                     mark.label);
  }
  painter.setBrush(QColor(0xFF, 0xFF, 0x00));  // the yellow of the vertex marks
  painter.setPen(QPen(Qt::red, 1.5));
  painter.drawEllipse(pointOf(weights_), 6.0, 6.0);
}

void TriangleView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  setWeights(weightsAt(event->position(), !(event->modifiers() & Qt::ShiftModifier)));
}

void TriangleView::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  setWeights(weightsAt(event->position(), !(event->modifiers() & Qt::ShiftModifier)));
}

void TriangleView::keyPressEvent(QKeyEvent* event) {
  // The arrows move the point on the screen by a step of the triangle's size.
  const double step = kKeyStep * (corners()[1].x() - corners()[0].x());
  QPointF delta;
  switch (event->key()) {
    case Qt::Key_Left:
      delta = {-step, 0};
      break;
    case Qt::Key_Right:
      delta = {step, 0};
      break;
    case Qt::Key_Up:
      delta = {0, -step};
      break;
    case Qt::Key_Down:
      delta = {0, step};
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  setWeights(weightsAt(pointOf(weights_) + delta, false));
}

}  // namespace velkora
