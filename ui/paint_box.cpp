#include "ui/paint_box.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace velkora {

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  // Every pixel is painted below, so Qt need not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBox::setPicture(const Bitmap* picture) {
  picture_ = picture;
  update();
}

void PaintBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const bool havePicture = picture_ != nullptr && picture_->width > 0 && picture_->height > 0 &&
                           picture_->pixels.size() ==
                               static_cast<std::size_t>(picture_->width) * picture_->height;
  if (!havePicture || picture_->width < width() || picture_->height < height()) {
    painter.fillRect(rect(), Qt::white);
  }
  if (havePicture) {
    const QImage image(reinterpret_cast<const uchar*>(picture_->pixels.data()), picture_->width,
                       picture_->height, static_cast<qsizetype>(picture_->width) * 4,
                       QImage::Format_RGB32);
    painter.drawImage(0, 0, image);
  }
}

void PaintBox::resizeEvent(QResizeEvent* /*event*/) { emit resized(); }

void PaintBox::mousePressEvent(QMouseEvent* event) {
  emit pressed(event->button(), event->position().toPoint());
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) { emit moved(event->position().toPoint()); }

void PaintBox::mouseReleaseEvent(QMouseEvent* event) {
  emit released(event->button(), event->position().toPoint());
}

}  // namespace velkora
