#pragma once
// The reference implementation of the Canvas interface on QPainter (QImage
// Format_RGB32, antialiasing off). Tests and benchmarks hold our rasteriser
// against it; the viewer never links it. Owns its image and painter.

#include <QImage>
#include <QPainter>

#include "render/canvas.h"
#include "render/face_tints.h"

namespace velkora {

class QPainterCanvas final : public Canvas {
 public:
  // A white width x height image.
  QPainterCanvas(int width, int height);
  ~QPainterCanvas() override;

  int width() const override { return image_.width(); }
  int height() const override { return image_.height(); }
  const std::uint32_t* row(int y) const override;
  void clearWhite() override;
  void polygon(std::span<const PixelPoint> corners) override;
  void ellipse(int left, int top, int right, int bottom) override;
  void andCombine(const Canvas& layer) override;

  // Puts the tints into this finished plain picture from the same frame
  // painted in tint codes on codes (of this size), as composeFrame does.
  void applyTints(const QPainterCanvas& codes, const TintTable& table);

  const QImage& image() const { return image_; }

 private:
  void applyStyle();

  QImage image_;
  QPainter painter_;
};

}  // namespace velkora
