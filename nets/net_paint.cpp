#include "nets/net_paint.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPolygonF>
#include <QPrinter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <utility>

#include "nets/net_tints.h"
#include "text/ui_text.h"

namespace velkora {

namespace {

constexpr double kCutPenMm = 0.3;
constexpr double kFoldPenMm = 0.25;

// Page coordinates (origin bottom-left, y up) to painter millimetres (y down).
QPointF toPainter(const NetDocument& net, Vec2 p) { return {p.x, net.paperHeightMm - p.y}; }

QPolygonF toPolygon(const NetDocument& net, const std::vector<Vec2>& points) {
  QPolygonF polygon;
  for (const Vec2& p : points)
    polygon << toPainter(net, p);
  return polygon;
}

QColor tintOf(std::size_t corners) { return QColor::fromRgb(netTint(corners)); }

QPen cutPen() {
  QPen pen(Qt::black, kCutPenMm, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  return pen;
}

QPen foldPen() {
  QPen pen(QColor(60, 60, 60), kFoldPenMm, Qt::CustomDashLine, Qt::FlatCap, Qt::RoundJoin);
  pen.setDashPattern({8.0, 5.0});
  return pen;
}

constexpr int kFontPixels = 100;  // text is measured and drawn in this font, then scaled

QFont labelFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(kFontPixels);
  return font;
}

QColor colourOf(LabelKind kind) {
  switch (kind) {
    case LabelKind::FaceNumber:
      return {100, 100, 100};
    case LabelKind::FoldAngle:
      return {30, 50, 150};
    case LabelKind::PageText:
    case LabelKind::ScaleBar:
    case LabelKind::CutNumber:
      break;
  }
  return Qt::black;
}

// A label as laid out: its text from the baseline origin, turned and scaled.
void drawLabel(QPainter& painter, const NetDocument& net, const NetLabel& label) {
  if (label.kind == LabelKind::ScaleBar) {
    const QPointF lowerLeft = toPainter(net, label.origin);
    painter.fillRect(QRectF(lowerLeft.x(), lowerLeft.y() - label.sizeMm, kScaleBarMm, label.sizeMm),
                     Qt::black);
    return;
  }
  painter.save();
  painter.translate(toPainter(net, label.origin));
  painter.rotate(-label.angle * 180.0 / M_PI);  // counter-clockwise on the page, y down here
  painter.scale(label.sizeMm / kFontPixels, label.sizeMm / kFontPixels);
  painter.setFont(labelFont());
  painter.setPen(colourOf(label.kind));
  painter.drawText(QPointF(0.0, 0.0),
                   QString::fromUtf8(label.text.data(), static_cast<qsizetype>(label.text.size())));
  painter.restore();
}

void paintFolds(QPainter& painter, const NetDocument& net, const NetPage& page) {
  std::set<std::pair<int, int>> cutEdges;  // (face, edge) without a tab
  std::set<std::pair<int, int>> tabEdges;  // (face, edge) carrying a tab: the tab folds there
  for (const NetCut& cut : page.cuts) {
    (cut.hasTab ? tabEdges : cutEdges).insert({cut.face, cut.edge});
  }
  QPainterPath folds;
  QPainterPath cuts;
  for (const NetFace& face : page.faces) {
    const std::size_t n = face.polygon.size();
    for (std::size_t k = 0; k < n; ++k) {
      const std::pair<int, int> key{face.face, static_cast<int>(k)};
      const QPointF a = toPainter(net, face.polygon[k]);
      const QPointF b = toPainter(net, face.polygon[(k + 1) % n]);
      if (cutEdges.count(key)) {
        cuts.moveTo(a);
        cuts.lineTo(b);
      } else if (tabEdges.count(key) || face.vertices[k] < face.vertices[(k + 1) % n]) {
        // A fold between two faces appears in both; draw it once.
        folds.moveTo(a);
        folds.lineTo(b);
      }
    }
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(foldPen());
  painter.drawPath(folds);
  painter.setPen(cutPen());
  painter.drawPath(cuts);
}

void paintTabs(QPainter& painter, const NetDocument& net, const NetPage& page) {
  for (const NetTab& tab : page.tabs) {
    const QPolygonF outline = toPolygon(net, tab.polygon);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(232, 232, 232));
    painter.drawPolygon(outline);
    // The glued edge (first two corners) is a fold of the face; the rest is cut.
    QPolygonF rim;
    for (int k = 1; k < outline.size(); ++k)
      rim << outline[k];
    rim << outline[0];
    painter.setBrush(Qt::NoBrush);
    painter.setPen(cutPen());
    painter.drawPolyline(rim);
  }
}

// Draws the page with the painter already in millimetres, y down.
void paintPageMm(QPainter& painter, const NetDocument& net, int pageIndex) {
  const NetPage& page = net.pages[static_cast<std::size_t>(pageIndex)];
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.fillRect(QRectF(0.0, 0.0, net.paperWidthMm, net.paperHeightMm), Qt::white);
  painter.setPen(Qt::NoPen);
  for (const NetFace& face : page.faces) {
    painter.setBrush(tintOf(face.polygon.size()));
    painter.drawPolygon(toPolygon(net, face.polygon));
  }
  paintTabs(painter, net, page);
  paintFolds(painter, net, page);
  for (const NetLabel& label : netPageLabels(net, pageIndex))
    drawLabel(painter, net, label);
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

TextMeasure netTextMeasure() {
  return [](const std::string& text) {
    const QFontMetricsF metrics(labelFont());
    const QRectF ink = metrics.tightBoundingRect(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return TextInk{ink.left() / kFontPixels, ink.right() / kFontPixels, -ink.bottom() / kFontPixels,
                   -ink.top() / kFontPixels};
  };
}

std::vector<NetLabel> netPageLabels(const NetDocument& net, int page) {
  if (page < 0 || static_cast<std::size_t>(page) >= net.pages.size()) {
    throw ENetError("Seite " + std::to_string(page + 1) + " gibt es nicht (" +
                    std::to_string(net.pages.size()) + " Seiten)");
  }
  return layOutLabels(net, page, netTextMeasure());
}

void paintNetPage(QPainter& painter, const NetDocument& net, int page) {
  if (page < 0 || static_cast<std::size_t>(page) >= net.pages.size()) {
    throw ENetError("Seite " + std::to_string(page + 1) + " gibt es nicht (" +
                    std::to_string(net.pages.size()) + " Seiten)");
  }
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
  paintPageMm(painter, net, page);
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

QByteArray netSvg(const NetDocument& net) {
  constexpr double kPixelsPerMm = 10.0;  // 254 dpi
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const int pages = static_cast<int>(net.pages.size());
  const QSize size(static_cast<int>(std::lround(net.paperWidthMm * kPixelsPerMm)),
                   static_cast<int>(std::lround(net.paperHeightMm * kPixelsPerMm)) * pages);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setResolution(254);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setTitle(QString::fromStdString(uiText("Solid", net.solid.c_str())));
  generator.setDescription(
      QString::fromStdString(uiText("NetPage", "Netz, %1 Seite(n) untereinander")).arg(pages));
  QPainter painter(&generator);
  for (int p = 0; p < pages; ++p) {
    painter.save();
    painter.scale(kPixelsPerMm, kPixelsPerMm);
    painter.translate(0.0, p * net.paperHeightMm);
    paintPageMm(painter, net, p);
    painter.restore();
  }
  painter.end();
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
