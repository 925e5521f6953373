#include "ui/paint_box.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QInputDevice>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QStyleHints>
#include <QWheelEvent>

namespace velkora {

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
  // Reached by Tab only: a click or drag on the picture leaves the focus where it is.
  // Neither a tab stop nor focused by a click: F6 gives it the keyboard.
  setFocusPolicy(Qt::NoFocus);
  // Every pixel is painted below, so Qt need not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  hold_.setSingleShot(true);
  connect(&hold_, &QTimer::timeout, this, [this] {
    held_ = true;
    emit released(Qt::LeftButton, holdAt_);
    emit pickPressed(holdAt_);
  });
}

namespace {

bool fromTouchScreen(const QMouseEvent& event) {
  const QPointingDevice* device = event.pointingDevice();
  return device != nullptr && device->type() == QInputDevice::DeviceType::TouchScreen;
}

}  // namespace

void PaintBox::setPicture(const Bitmap* picture) {
  picture_ = picture;
  update();
}

void PaintBox::setLabels(std::vector<PictureLabel> labels) { labels_ = std::move(labels); }

void PaintBox::setPictureScale(int scale) { pictureScale_ = scale < 1 ? 1 : scale; }

void PaintBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const bool havePicture =
      picture_ != nullptr && picture_->width > 0 && picture_->height > 0 &&
      picture_->pixels.size() == static_cast<std::size_t>(picture_->width) * picture_->height;
  if (!havePicture || picture_->width < width() * pictureScale_ ||
      picture_->height < height() * pictureScale_) {
    painter.fillRect(rect(), Qt::white);
  }
  if (havePicture) {
    QImage image(reinterpret_cast<const uchar*>(picture_->pixels.data()), picture_->width,
                 picture_->height, static_cast<qsizetype>(picture_->width) * 4,
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(pictureScale_);
    // Only a fractional screen scale (125 %, 150 %) reduces the picture.
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          devicePixelRatioF() != static_cast<qreal>(pictureScale_));
    painter.drawImage(0, 0, image);
  }
  if (hasFocus() && focusShown_) {
    // The focus frame: two pixels of the highlight colour just inside the
    // edge, within kFocusFrameReach.
    QPen pen(palette().color(QPalette::Highlight), 2, Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
  if (labels_.empty()) return;
  painter.setRenderHint(QPainter::Antialiasing);
  QFont font = painter.font();
  font.setPixelSize(11);
  painter.setFont(font);
  const QFontMetricsF metrics(font);
  for (const PictureLabel& label : labels_) {
    QRectF box = metrics.boundingRect(label.text).adjusted(-2, 0, 2, 0);
    box.moveCenter(label.at);
    painter.fillRect(box, QColor(255, 255, 255, 200));
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, label.text);
  }
}

void PaintBox::resizeEvent(QResizeEvent* /*event*/) { emit resized(); }

void PaintBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && event->modifiers() == Qt::ControlModifier) {
    emit pickPressed(event->position().toPoint());
    return;
  }
  held_ = false;
  hold_.stop();
  if (event->button() == Qt::LeftButton && fromTouchScreen(*event)) {
    holdAt_ = event->position().toPoint();
    hold_.start(QGuiApplication::styleHints()->mousePressAndHoldInterval());
  }
  emit pressed(event->button(), event->position().toPoint());
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) {
  if (held_) return;
  const QPoint at = event->position().toPoint();
  if (hold_.isActive() && (at - holdAt_).manhattanLength() > QApplication::startDragDistance())
    hold_.stop();
  emit moved(at);
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event) {
  hold_.stop();
  if (held_ && event->button() == Qt::LeftButton) {
    held_ = false;
    return;
  }
  emit released(event->button(), event->position().toPoint());
}

void PaintBox::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta == 0) {
    event->ignore();
    return;
  }
  event->accept();
  emit wheeled(delta);
}

}  // namespace velkora

namespace velkora {

void PaintBox::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
  const int key = event->key();
  const bool arrow =
      key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
  if (key == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) emit escapePressed();
  if (!arrow || mods != Qt::NoModifier) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  emit arrowPressed(key, event->modifiers().testFlag(Qt::ShiftModifier));
}

void PaintBox::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // Focus that the keyboard brought is shown; focus that falls to the
  // picture when the control column is hidden changes no pixel.
  focusShown_ = event->reason() == Qt::ShortcutFocusReason ||
                event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
  update();
}

void PaintBox::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

}  // namespace velkora
