#include "tests/support/qpainter_canvas.h"

#include <QPen>
#include <QPoint>
#include <array>
#include <vector>

namespace velkora {

QPainterCanvas::QPainterCanvas(int width, int height)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
  image_.fill(Qt::white);
  painter_.begin(&image_);
  painter_.setRenderHint(QPainter::Antialiasing, false);
}

QPainterCanvas::~QPainterCanvas() { painter_.end(); }

const std::uint32_t* QPainterCanvas::row(int y) const {
  return reinterpret_cast<const std::uint32_t*>(image_.constScanLine(y));
}

void QPainterCanvas::applyTints(const QPainterCanvas& codes, const TintTable& table) {
  painter_.end();  // the painter lets go of the pixels while they are written
  for (int y = 0; y < image_.height() && y < codes.height(); ++y) {
    velkora::applyTints(reinterpret_cast<std::uint32_t*>(image_.scanLine(y)), codes.row(y),
                        static_cast<std::size_t>(std::min(image_.width(), codes.width())), table);
  }
  painter_.begin(&image_);
  painter_.setRenderHint(QPainter::Antialiasing, false);
}

void QPainterCanvas::clearWhite() {
  painter_.save();
  painter_.setCompositionMode(QPainter::CompositionMode_Source);
  painter_.fillRect(image_.rect(), Qt::white);
  painter_.restore();
}

void QPainterCanvas::applyStyle() {
  QPen pen(QColor::fromRgb(penColour()));
  pen.setWidth(penWidth());
  pen.setStyle(penStyle() == PenStyle::Solid ? Qt::SolidLine : Qt::DotLine);
  painter_.setPen(pen);
  painter_.setBrush(QColor::fromRgb(fillColour()));
  // The gaps of a dotted line are painted in the fill colour.
  painter_.setBackgroundMode(Qt::OpaqueMode);
  painter_.setBackground(QColor::fromRgb(fillColour()));
}

void QPainterCanvas::polygon(std::span<const PixelPoint> corners) {
  if (corners.empty()) {
    return;
  }
  applyStyle();
  std::array<QPoint, 64> points;
  const std::size_t n = std::min(corners.size(), points.size());
  for (std::size_t i = 0; i < n; ++i) {
    points[i] = QPoint(corners[i].x, corners[i].y);
  }
  painter_.drawPolygon(points.data(), static_cast<int>(n));
}

void QPainterCanvas::ellipse(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) {
    return;
  }
  applyStyle();
  // A stroked QRect covers its size plus the pen width, so the box that
  // excludes right and bottom is one pixel narrower here.
  painter_.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QPainterCanvas::andCombine(const Canvas& layer) {
  if (layer.width() <= 0 || layer.height() <= 0) {
    return;
  }
  // Both implementations keep their rows back to back, so row 0 starts the whole picture.
  const QImage source(reinterpret_cast<const uchar*>(layer.row(0)), layer.width(), layer.height(),
                      layer.width() * 4, QImage::Format_RGB32);
  painter_.save();
  painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
  painter_.drawImage(0, 0, source);
  painter_.restore();
}

}  // namespace velkora
