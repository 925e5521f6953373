#include "ui/glyphs.h"

#include <QPainter>

namespace velkora {

namespace {

// The top-left arrow, drawn once and mirrored into the other three corners.
constexpr int kOuter = 2;    // corner end of a diagonal
constexpr int kInner = 8;    // centre end of a diagonal
constexpr int kHeadArm = 4;  // length of each arm of the L-shaped head

// A segment in the top-left quadrant, mirrored by (mirrorX, mirrorY).
void drawMirrored(QPainter& painter, int x1, int y1, int x2, int y2, bool mirrorX, bool mirrorY) {
  const auto mx = [mirrorX](int x) { return mirrorX ? kGlyphSize - 1 - x : x; };
  const auto my = [mirrorY](int y) { return mirrorY ? kGlyphSize - 1 - y : y; };
  painter.drawLine(mx(x1), my(y1), mx(x2), my(y2));
}

QImage drawArrows(bool headsAtCorners) {
  QImage canvas(kGlyphSize, kGlyphSize, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 0));
    const int head = headsAtCorners ? kOuter : kInner;
    // The arms run from the head back along the edges of the arrow's quadrant.
    const int armEnd = headsAtCorners ? head + kHeadArm : head - kHeadArm;
    for (const bool mirrorX : {false, true}) {
      for (const bool mirrorY : {false, true}) {
        drawMirrored(painter, kInner, kInner, kOuter, kOuter, mirrorX, mirrorY);
        drawMirrored(painter, head, head, armEnd, head, mirrorX, mirrorY);
        drawMirrored(painter, head, head, head, armEnd, mirrorX, mirrorY);
      }
    }
  }
  // The colour of the bottom-left pixel (white) is the transparent colour.
  const QRgb transparentColour = canvas.pixel(0, kGlyphSize - 1);
  QImage glyph = canvas.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < kGlyphSize; ++y) {
    for (int x = 0; x < kGlyphSize; ++x) {
      if (glyph.pixel(x, y) == transparentColour) {
        glyph.setPixel(x, y, qRgba(0, 0, 0, 0));
      }
    }
  }
  return glyph;
}

}  // namespace

QImage enlargeGlyph() { return drawArrows(true); }

QImage shrinkGlyph() { return drawArrows(false); }

}  // namespace velkora
