#include "nets/net_paint.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPolygonF>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "nets/label_font.h"

namespace velkora {

namespace {

// Page coordinates (origin bottom-left, y up) to painter millimetres (y down).
QPointF toPainter(const NetDocument& net, Vec2 p) { return {p.x, net.paperHeightMm - p.y}; }

QPolygonF toPolygon(const NetDocument& net, const std::vector<Vec2>& points) {
  QPolygonF polygon;
  for (const Vec2& p : points)
    polygon << toPainter(net, p);
  return polygon;
}

QColor colourOf(std::uint32_t rgb) { return QColor::fromRgb(rgb); }

QPen penOf(const PagePrimitive& p) {
  QPen pen(colourOf(p.rgb), p.stroke.widthMm, Qt::SolidLine,
           p.stroke.roundCaps ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin);
  if (!p.stroke.dashMm.empty()) {
    // Qt counts dashes in line widths.
    QList<qreal> pattern;
    for (double mm : p.stroke.dashMm)
      pattern << mm / p.stroke.widthMm;
    pen.setDashPattern(pattern);
  }
  return pen;
}

// A text from its baseline origin, turned and scaled from the font's pixels to its size.
void drawText(QPainter& painter, const NetDocument& net, const PagePrimitive& p) {
  const NetLabel& label = p.label;
  painter.save();
  painter.translate(toPainter(net, label.origin));
  painter.rotate(-label.angle * 180.0 / M_PI);  // counter-clockwise on the page, y down here
  painter.scale(label.sizeMm / kLabelFontPixels, label.sizeMm / kLabelFontPixels);
  painter.setFont(labelFont());
  painter.setPen(colourOf(p.rgb));
  painter.drawText(QPointF(0.0, 0.0),
                   QString::fromUtf8(label.text.data(), static_cast<qsizetype>(label.text.size())));
  painter.restore();
}

void drawPrimitive(QPainter& painter, const NetDocument& net, const PagePrimitive& p) {
  switch (p.role) {
    case PrimitiveRole::Paper:
    case PrimitiveRole::Face:
    case PrimitiveRole::Tab:
    case PrimitiveRole::ScaleBar:
      painter.setPen(Qt::NoPen);
      painter.setBrush(colourOf(p.rgb));
      painter.drawPolygon(toPolygon(net, p.points));
      return;
    case PrimitiveRole::TabRim:
      painter.setBrush(Qt::NoBrush);
      painter.setPen(penOf(p));
      painter.drawPolyline(toPolygon(net, p.points));
      return;
    case PrimitiveRole::FoldLines:
    case PrimitiveRole::CutLines: {
      QPainterPath path;
      for (std::size_t k = 0; k + 1 < p.points.size(); k += 2) {
        path.moveTo(toPainter(net, p.points[k]));
        path.lineTo(toPainter(net, p.points[k + 1]));
      }
      painter.setBrush(Qt::NoBrush);
      painter.setPen(penOf(p));
      painter.drawPath(path);
      return;
    }
    case PrimitiveRole::Text:
      drawText(painter, net, p);
      return;
  }
}

QPageLayout pageLayoutOf(const NetDocument& net) {
  const double shortSide = std::min(net.paperWidthMm, net.paperHeightMm);
  const double longSide = std::max(net.paperWidthMm, net.paperHeightMm);
  return QPageLayout(
      QPageSize(QSizeF(shortSide, longSide), QPageSize::Millimeter, QString(),
                QPageSize::FuzzyMatch),
      net.paperWidthMm > net.paperHeightMm ? QPageLayout::Landscape : QPageLayout::Portrait,
      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void paintAllPages(QPainter& painter, const NetDocument& net,
                   const std::function<void()>& newPage) {
  for (std::size_t p = 0; p < net.pages.size(); ++p) {
    if (p > 0) newPage();
    paintNetPage(painter, net, static_cast<int>(p));
  }
}

}  // namespace

QFont labelFont() {
  QFont font(QString::fromLatin1(kLabelFontFamily));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(kLabelFontPixels);
  font.setKerning(false);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

void paintNetPage(QPainter& painter, const NetDocument& net, int page) {
  paintPagePrimitives(painter, net, netPagePrimitives(net, page));
}

void paintPagePrimitives(QPainter& painter, const NetDocument& net,
                         const std::vector<PagePrimitive>& primitives) {
  const QPaintDevice* device = painter.device();
  double scale = std::min(device->width() / net.paperWidthMm, device->height() / net.paperHeightMm);
  // A device of the paper's size (a PDF page, a printer's page) draws true
  // millimetres, so that the scale bar measures 50 mm; pages rounded to whole
  // points or pixels would otherwise shrink the drawing by up to a few tenths
  // of a millimetre.
  const double trueScale = device->logicalDpiX() / 25.4;
  if (std::abs(scale - trueScale) <= 0.005 * trueScale) scale = trueScale;
  painter.save();
  painter.scale(scale, scale);
  painter.setRenderHint(QPainter::Antialiasing, true);
  for (const PagePrimitive& primitive : primitives)
    drawPrimitive(painter, net, primitive);
  painter.restore();
}

QByteArray netPdf(const NetDocument& net) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(pageLayoutOf(net));
    writer.setResolution(600);
    writer.setTitle(QString::fromStdString(net.solid));
    writer.setCreator(QStringLiteral("Korvelindra"));
    QPainter painter(&writer);
    paintAllPages(painter, net, [&writer] { writer.newPage(); });
  }
  return bytes;
}

void printNet(QPrinter& printer, const NetDocument& net) {
  printer.setFullPage(true);
  printer.setPageLayout(pageLayoutOf(net));
  QPainter painter;
  if (!painter.begin(&printer)) throw ENetError("Drucker lässt sich nicht öffnen");
  paintAllPages(painter, net, [&printer] { printer.newPage(); });
  painter.end();
}

}  // namespace velkora
