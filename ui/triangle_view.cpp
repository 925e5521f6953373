#include "ui/triangle_view.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <QEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace velkora {

namespace {

constexpr double kMargin = 36.0;  // room for the corner letters and the labels
constexpr double kDotRadius = 3.5;
constexpr double kBorder = 2.0;    // free pixels between a label and the widget's edge
constexpr double kLabelGap = 2.0;  // free pixels between two labels
constexpr double kSmallest = 0.6;  // the smallest label size, relative to the first
constexpr const char* kLetters[] = {"A", "B", "C"};

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

std::array<QRectF, 3> TriangleView::letterBoxes() const {
  const auto c = corners();
  const QFontMetricsF metrics(font());
  std::array<QRectF, 3> boxes;
  for (std::size_t k = 0; k < 3; ++k) {
    const QPointF away = c[k] + (c[k] - pointOf({1 / 3.0, 1 / 3.0, 1 / 3.0})) * 0.12;
    const QSizeF size(metrics.horizontalAdvance(QString::fromLatin1(kLetters[k])),
                      metrics.height());
    boxes[k] = QRectF(away - QPointF(size.width() / 2, size.height() / 2), size);
  }
  return boxes;
}

std::vector<TriangleView::PlacedLabel> TriangleView::placedLabels() const {
  const QRectF inside = QRectF(rect()).adjusted(kBorder, kBorder, -kBorder, -kBorder);
  std::vector<QRectF> taken;  // labels placed so far, grown by the gap
  std::vector<QRectF> fixed;  // corner letters and dots
  for (const QRectF& letter : letterBoxes())
    fixed.push_back(letter);
  for (const Mark& mark : marks_) {
    const QPointF p = pointOf(mark.weights);
    fixed.emplace_back(p - QPointF(kDotRadius + 1, kDotRadius + 1),
                       QSizeF(2 * kDotRadius + 2, 2 * kDotRadius + 2));
  }
  const auto free = [&](const QRectF& box) {
    if (!inside.contains(box)) return false;
    for (const QRectF& r : fixed) {
      if (r.intersects(box)) return false;
    }
    for (const QRectF& r : taken) {
      if (r.intersects(box)) return false;
    }
    return true;
  };
  QFont first = font();
  first.setPointSizeF(first.pointSizeF() * 0.85);
  std::vector<PlacedLabel> placed;
  for (const Mark& mark : marks_) {
    const QPointF p = pointOf(mark.weights);
    const bool onBottom = mark.weights.c < 1e-9;
    std::optional<PlacedLabel> found;
    std::optional<PlacedLabel> fallback;
    for (double size = 1.0; size > kSmallest - 1e-9 && !found; size *= 0.9) {
      QFont f = first;
      f.setPointSizeF(first.pointSizeF() * size);
      const QFontMetrics metrics(f);
      const double w = metrics.horizontalAdvance(mark.label) + 1;
      const double h = metrics.height();
      // Beside the dot: right and above first (below for the stops on the
      // bottom side), then the other sides, then a little further out.
      std::vector<QPointF> corners;
      for (const double further : {0.0, 8.0}) {
        const double dx = 6 + further;
        const double dy = 4 + further;
        const std::vector<QPointF> around{
            {p.x() + dx, p.y() - dy - h},    {p.x() - dx - w, p.y() - dy - h},
            {p.x() - w / 2, p.y() + dy},     {p.x() - w / 2, p.y() - dy - h - 2},
            {p.x() + dx, p.y() + dy},        {p.x() - dx - w, p.y() + dy},
            {p.x() + dx + 1, p.y() - h / 2}, {p.x() - dx - 1 - w, p.y() - h / 2}};
        if (onBottom) {
          corners.push_back(around[2]);
          corners.push_back(around[4]);
          corners.push_back(around[5]);
        }
        corners.insert(corners.end(), around.begin(), around.end());
      }
      for (const QPointF& at : corners) {
        const QRectF box(at, QSizeF(w, h));
        if (free(box)) {
          found = PlacedLabel{mark.label, f, box};
          break;
        }
      }
      if (!fallback) {
        // Nowhere free: where the first choice would be, moved inside.
        QPointF at = corners.front();
        at.setX(std::clamp(at.x(), inside.left(), std::max(inside.left(), inside.right() - w)));
        at.setY(std::clamp(at.y(), inside.top(), std::max(inside.top(), inside.bottom() - h)));
        fallback = PlacedLabel{mark.label, f, QRectF(at, QSizeF(w, h))};
      }
    }
    const PlacedLabel label = found ? *found : *fallback;
    taken.push_back(label.box.adjusted(-kLabelGap, -kLabelGap, kLabelGap, kLabelGap));
    placed.push_back(label);
  }
  return placed;
}

void TriangleView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const auto c = corners();
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1.5));
  painter.setBrush(QColor(0xA0, 0xFF, 0xA0));  // the picture's light green
  painter.drawPolygon(c.data(), 3);
  const auto letters = letterBoxes();
  for (std::size_t k = 0; k < 3; ++k) {
    painter.drawText(letters[k], Qt::AlignCenter, QString::fromLatin1(kLetters[k]));
  }
  painter.setBrush(Qt::black);
  for (const Mark& mark : marks_)
    painter.drawEllipse(pointOf(mark.weights), kDotRadius, kDotRadius);
  for (const PlacedLabel& label : placedLabels()) {
    painter.setFont(label.font);
    painter.drawText(label.box, Qt::AlignLeft | Qt::AlignVCenter, label.text);
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
