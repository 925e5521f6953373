#include "exports/worksheet.h"

#include <algorithm>
#include <cmath>

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "base/errors.h"
#include "exports/export_service.h"
#include "exports/picture.h"
#include "nets/layout.h"
#include "nets/net_paint.h"
#include "properties/properties.h"
#include "render/design_size.h"
#include "text/ui_text.h"

namespace velkora {

namespace {

// The picture is composed at twice the window's drawing area: about 290 dpi
// at the largest size it is printed at.
constexpr int kPictureScale = 2;
constexpr double kPictureMaxMm = 120.0;
constexpr double kPictureMinMm = 45.0;
constexpr double kHeadingMm = 7.0;
constexpr double kTextMm = 3.3;
constexpr double kSmallMm = 2.8;
constexpr double kLabelColumnMm = 52.0;
constexpr double kRowPadMm = 0.9;
constexpr double kGapMm = 5.0;
constexpr int kPdfResolution = 1200;

QString qs(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Draws in millimetres from the page's top-left corner on a device of any
// resolution; fonts are sized in millimetres too.
class Page {
 public:
  explicit Page(QPainter& painter)
      : painter_(painter), unit_(painter.device()->width() / kSheetWidthMm) {}

  double contentWidth() const { return kSheetWidthMm - 2 * kSheetMarginMm; }

  void setFont(double sizeMm, bool bold = false) {
    QFont font = painter_.font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(sizeMm * unit_))));
    font.setBold(bold);
    // No ligatures: "fl" in "Oberfläche" stays two letters for search and copy.
    font.setStyleStrategy(QFont::PreferNoShaping);
    painter_.setFont(font);
  }

  // The height in mm that text takes, wrapped to widthMm.
  double heightOf(const QString& text, double widthMm) const {
    const QRectF bounds = painter_.boundingRect(QRectF(0, 0, widthMm * unit_, 1e6),
                                                Qt::TextWordWrap | Qt::AlignLeft, text);
    return bounds.height() / unit_;
  }

  // Draws text wrapped to widthMm from its top-left corner; returns its height in mm.
  double text(double x, double y, double widthMm, const QString& text,
              Qt::Alignment align = Qt::AlignLeft) {
    const QRectF box(x * unit_, y * unit_, widthMm * unit_, 1e6);
    QRectF bounds;
    painter_.drawText(box, static_cast<int>(Qt::TextWordWrap | align), text, &bounds);
    return bounds.height() / unit_;
  }

  void line(double x1, double y1, double x2, double y2, double widthMm, QColor colour) {
    painter_.setPen(QPen(colour, widthMm * unit_));
    painter_.drawLine(QPointF(x1 * unit_, y1 * unit_), QPointF(x2 * unit_, y2 * unit_));
    painter_.setPen(Qt::black);
  }

  void box(double x, double y, double w, double h) {
    painter_.setPen(QPen(QColor(90, 90, 90), 0.25 * unit_));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(x * unit_, y * unit_, w * unit_, h * unit_));
    painter_.setPen(Qt::black);
  }

  void image(const QRectF& mm, const QImage& picture) {
    painter_.drawImage(
        QRectF(mm.x() * unit_, mm.y() * unit_, mm.width() * unit_, mm.height() * unit_), picture);
  }

 private:
  QPainter& painter_;
  double unit_;  // device pixels per millimetre
};

// The picture cut to what differs from its background (the corner's colour),
// with a little room round it.
QImage croppedToSolid(const QImage& picture) {
  const QRgb background = picture.pixel(0, 0);
  int left = picture.width(), right = -1, top = picture.height(), bottom = -1;
  for (int y = 0; y < picture.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      if (row[x] == background) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return picture;
  const int pad = 6 * kPictureScale;
  const QRect solid = QRect(QPoint(left, top), QPoint(right, bottom))
                          .adjusted(-pad, -pad, pad, pad)
                          .intersected(picture.rect());
  return picture.copy(solid);
}

// The table of rows at y; returns its height. Only measures when draw is false.
double paintRows(Page& page, const std::vector<SheetRow>& rows, double y, bool draw,
                 bool showBlanks) {
  const double x = kSheetMarginMm;
  const double valueX = x + kLabelColumnMm;
  const double valueWidth = page.contentWidth() - kLabelColumnMm;
  page.setFont(kTextMm);
  double top = y;
  for (const SheetRow& row : rows) {
    const QString label = qs(row.label);
    const QString value = qs(row.value);
    const bool blank = row.blank && showBlanks;
    const double textHeight = std::max(
        page.heightOf(label, kLabelColumnMm - 2),
        blank ? page.heightOf(QStringLiteral("0"), valueWidth) : page.heightOf(value, valueWidth));
    const double height = textHeight + 2 * kRowPadMm + (blank ? 1.6 : 0.0);
    if (draw) {
      page.setFont(kTextMm, true);
      page.text(x, top + kRowPadMm, kLabelColumnMm - 2, label);
      page.setFont(kTextMm);
      if (blank) {
        // Counts get a short box; the formula and the face kinds a long one.
        const double width = row.value.size() > 6 ? valueWidth * 0.8 : 30.0;
        page.box(valueX, top + kRowPadMm * 0.5, width, height - kRowPadMm);
      } else {
        page.text(valueX, top + kRowPadMm, valueWidth, value);
      }
      page.line(x, top + height, x + page.contentWidth(), top + height, 0.15,
                QColor(170, 170, 170));
    }
    top += height;
  }
  return top - y;
}

// The faces by number under a heading; returns the height.
double paintFaceList(Page& page, const std::vector<FaceGroup>& faces, double y, bool draw) {
  double top = y;
  page.setFont(kTextMm, true);
  const QString heading =
      QCoreApplication::translate("Worksheet", "Flächen nach Nummern (wie im Netz)");
  top += draw ? page.text(kSheetMarginMm, top, page.contentWidth(), heading)
              : page.heightOf(heading, page.contentWidth());
  top += 0.8;
  page.setFont(kTextMm);
  for (const FaceGroup& group : faces) {
    const QString line = qs(faceGroupText(group));
    top += draw ? page.text(kSheetMarginMm, top, page.contentWidth(), line)
                : page.heightOf(line, page.contentWidth());
  }
  return top - y;
}

void paintFooter(Page& page, const Worksheet& sheet, int pageNumber) {
  page.setFont(kSmallMm);
  const double y = kSheetHeightMm - kSheetMarginMm - kSmallMm * 1.4;
  page.text(kSheetMarginMm, y, page.contentWidth(),
            QCoreApplication::translate("Worksheet", "Steckbrief: ") +
                qs(uiText("Solid", sheet.name.c_str())));
  if (pageNumber > 0) {
    page.text(kSheetMarginMm, y, page.contentWidth(),
              QCoreApplication::translate("Worksheet", "Seite %1").arg(pageNumber), Qt::AlignRight);
  }
}

double footerTop() { return kSheetHeightMm - kSheetMarginMm - kSmallMm * 1.4 - 2.0; }

void paintFirstPage(Page& page, const Worksheet& sheet, int pageNumber) {
  const double width = page.contentWidth();
  page.setFont(kHeadingMm, true);
  double y = kSheetMarginMm;
  y += page.text(kSheetMarginMm, y, width, qs(uiText("Solid", sheet.name.c_str())));
  page.setFont(kSmallMm);
  y += page.text(kSheetMarginMm, y, width,
                 sheet.blanks ? QCoreApplication::translate(
                                    "Worksheet", "Steckbrief – fülle die leeren Kästchen aus")
                              : QCoreApplication::translate("Worksheet", "Steckbrief"));
  y += 2.0;

  const double tableHeight = paintRows(page, sheet.rows, 0, false, sheet.blanks);
  const double facesHeight =
      sheet.blanks ? 0.0 : kGapMm + paintFaceList(page, sheet.faces, 0, false);
  const double room = footerTop() - y - kGapMm - tableHeight - facesHeight;
  const double aspect = static_cast<double>(sheet.picture.height()) / sheet.picture.width();
  double pictureWidth = kPictureMaxMm;
  double pictureHeight = pictureWidth * aspect;
  if (pictureHeight > kPictureMaxMm) {
    pictureHeight = kPictureMaxMm;
    pictureWidth = pictureHeight / aspect;
  }
  if (pictureHeight > room) {
    pictureHeight = std::max(kPictureMinMm, room);
    pictureWidth = pictureHeight / aspect;
  }
  page.image(QRectF(kSheetMarginMm + (width - pictureWidth) / 2, y, pictureWidth, pictureHeight),
             sheet.picture);
  y += pictureHeight + kGapMm;

  y += paintRows(page, sheet.rows, y, true, sheet.blanks);
  if (!sheet.blanks) paintFaceList(page, sheet.faces, y + kGapMm, true);
  paintFooter(page, sheet, pageNumber);
}

void paintAnswerPage(Page& page, const Worksheet& sheet, int pageNumber) {
  page.setFont(kHeadingMm, true);
  double y = kSheetMarginMm;
  y += page.text(kSheetMarginMm, y, page.contentWidth(),
                 QCoreApplication::translate("Worksheet", "Lösungen: ") +
                     qs(uiText("Solid", sheet.name.c_str())));
  y += 3.0;
  std::vector<SheetRow> answers;
  for (const SheetRow& row : sheet.rows) {
    if (row.blank) answers.push_back({row.label, row.value, false});
  }
  y += paintRows(page, answers, y, true, false);
  paintFaceList(page, sheet.faces, y + kGapMm, true);
  paintFooter(page, sheet, pageNumber);
}

QPageLayout sheetLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                     QPageLayout::Millimeter);
}

// A PDF writer on buffer for A4 portrait pages painted in full.
void setUpWriter(QPdfWriter& writer, const QString& title) {
  writer.setPageLayout(sheetLayout());
  writer.setResolution(kPdfResolution);
  writer.setTitle(title);
  writer.setCreator(QStringLiteral("Korvelindra"));
}

void paintContents(QPainter& painter, std::span<const Worksheet> sheets,
                   const std::vector<int>& starts) {
  Page page(painter);
  page.setFont(kHeadingMm, true);
  double y = kSheetMarginMm;
  y += page.text(kSheetMarginMm, y, page.contentWidth(),
                 QCoreApplication::translate("Worksheet", "Steckbriefe der Körper"));
  page.setFont(kSmallMm);
  y += page.text(kSheetMarginMm, y, page.contentWidth(),
                 QCoreApplication::translate("Worksheet", "Inhalt"));
  y += 3.0;
  // All entries share the room down to the foot of the page.
  const double step = std::min(
      8.0, (kSheetHeightMm - kSheetMarginMm - y) / std::max<std::size_t>(1, sheets.size()));
  page.setFont(kTextMm);
  for (std::size_t k = 0; k < sheets.size(); ++k) {
    const double top = y + step * static_cast<double>(k);
    page.text(kSheetMarginMm, top, 10, QStringLiteral("%1.").arg(k + 1), Qt::AlignRight);
    page.text(kSheetMarginMm + 13, top, page.contentWidth() - 30,
              qs(uiText("Solid", sheets[k].name.c_str())));
    page.text(kSheetMarginMm, top, page.contentWidth(), QString::number(starts[k]), Qt::AlignRight);
  }
}

}  // namespace

Worksheet makeWorksheet(const Solid& solid, const Model& model, const ViewState& view,
                        std::span<const Solid> catalogue, bool blanks) {
  FrameBuffers buffers;
  return makeWorksheet(solid, model, view, catalogue, blanks, buffers);
}

Worksheet makeWorksheet(const Solid& solid, const Model& model, const ViewState& view,
                        std::span<const Solid> catalogue, bool blanks, FrameBuffers& buffers) {
  Worksheet sheet;
  const SolidProperties properties = computeProperties(solid, catalogue);
  sheet.name = properties.name;
  sheet.rows = sheetRows(properties, blanks);
  sheet.faces = faceGroups(solid);
  sheet.blanks = blanks;
  NetOptions options;
  options.paper = Paper::A4;
  options.orientation = Orientation::Portrait;
  sheet.net = buildNet(solid, options);
  sheet.picture = croppedToSolid(
      composePicture(model, view, QSize(kDrawingWidth, kDrawingHeight), kPictureScale, buffers));
  return sheet;
}

void paintWorksheet(QPainter& painter, const Worksheet& sheet, const std::function<void()>& newPage,
                    int firstPage) {
  Page page(painter);
  paintFirstPage(page, sheet, firstPage);
  for (int p = 0; p < static_cast<int>(sheet.net.pages.size()); ++p) {
    newPage();
    paintNetPage(painter, sheet.net, p);
  }
  if (sheet.blanks) {
    newPage();
    paintAnswerPage(page, sheet, firstPage > 0 ? firstPage + sheet.pageCount() - 1 : 0);
  }
}

QByteArray worksheetPdf(const Worksheet& sheet) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    setUpWriter(writer, QCoreApplication::translate("Worksheet", "Steckbrief: ") +
                            qs(uiText("Solid", sheet.name.c_str())));
    QPainter painter(&writer);
    paintWorksheet(painter, sheet, [&writer] { writer.newPage(); });
  }
  return bytes;
}

std::vector<int> bookletStartPages(std::span<const Worksheet> sheets) {
  std::vector<int> starts;
  int next = 2;
  for (const Worksheet& sheet : sheets) {
    starts.push_back(next);
    next += sheet.pageCount();
  }
  return starts;
}

QByteArray bookletPdf(std::span<const Solid> catalogue, const ViewState& view, bool blanks) {
  std::vector<Worksheet> sheets;
  sheets.reserve(catalogue.size());
  FrameBuffers buffers;
  for (const Solid& solid : catalogue) {
    const std::unique_ptr<Model> model = startModel(solid);
    sheets.push_back(makeWorksheet(solid, *model, view, catalogue, blanks, buffers));
  }
  const std::vector<int> starts = bookletStartPages(sheets);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    setUpWriter(writer, QCoreApplication::translate("Worksheet", "Steckbriefe der Körper"));
    QPainter painter(&writer);
    const auto newPage = [&writer] { writer.newPage(); };
    paintContents(painter, sheets, starts);
    for (std::size_t k = 0; k < sheets.size(); ++k) {
      newPage();
      paintWorksheet(painter, sheets[k], newPage, starts[k]);
    }
  }
  return bytes;
}

void printWorksheet(QPrinter& printer, const Worksheet& sheet) {
  printer.setFullPage(true);
  printer.setPageLayout(sheetLayout());
  QPainter painter;
  if (!painter.begin(&printer)) throw Error("Drucker lässt sich nicht öffnen");
  paintWorksheet(painter, sheet, [&printer] { printer.newPage(); });
  painter.end();
}

}  // namespace velkora
