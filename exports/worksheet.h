#pragma once
// Worksheets of the solids on A4 portrait: the name, the picture, the
// properties table and the numbered faces on the first page, the paper net on
// the following ones and, with blanks, an answer page at the end; and the
// booklet of every solid's worksheet behind a contents page. Painting and PDF
// bytes only; writing files and choosing them is the callers' business.

#include <functional>
#include <span>
#include <string>
#include <vector>

#include <QByteArray>
#include <QImage>

#include "model/model.h"
#include "model/solid.h"
#include "nets/net_types.h"
#include "properties/worksheet_text.h"
#include "render/frame.h"

class QPainter;
class QPrinter;

namespace velkora {

inline constexpr double kSheetWidthMm = 210.0;
inline constexpr double kSheetHeightMm = 297.0;
// Nothing is drawn closer to the paper's edge than this.
inline constexpr double kSheetMarginMm = 12.0;

// Everything one worksheet shows, worked out before any page is painted.
struct Worksheet {
  std::string name;  // UTF-8
  std::vector<SheetRow> rows;
  std::vector<FaceGroup> faces;
  QImage picture;   // the solid's picture, cut to the solid and its marks
  NetDocument net;  // A4 portrait
  bool blanks = false;

  // The sheet's own page, the net's pages, and with blanks the answer page.
  int pageCount() const { return 1 + static_cast<int>(net.pages.size()) + (blanks ? 1 : 0); }
};

// The worksheet of solid, pictured as model shows it in view (model must show
// solid; the picture is composed afresh at print resolution); catalogue is the
// list the dual is looked for in. Throws what computeProperties and buildNet throw.
Worksheet makeWorksheet(const Solid& solid, const Model& model, const ViewState& view,
                        std::span<const Solid> catalogue, bool blanks);
// The same, composing the picture in buffers, which a run of sheets shares so
// that their pictures reuse one frame and one helper thread.
Worksheet makeWorksheet(const Solid& solid, const Model& model, const ViewState& view,
                        std::span<const Solid> catalogue, bool blanks, FrameBuffers& buffers);

// Paints the sheet's pages on the painter's device, which must be an A4
// portrait page painted in full; newPage is called before every page after
// the first. With firstPage > 0 the sheet's own pages carry their page
// number counted from firstPage (the booklet's numbering).
void paintWorksheet(QPainter& painter, const Worksheet& sheet, const std::function<void()>& newPage,
                    int firstPage = 0);

// The worksheet as a vector PDF (real, searchable text).
QByteArray worksheetPdf(const Worksheet& sheet);

// Every solid of catalogue in list order, each in its start pose in view,
// behind a contents page naming each and the page its worksheet starts on,
// as one PDF. Throws as makeWorksheet.
QByteArray bookletPdf(std::span<const Solid> catalogue, const ViewState& view, bool blanks);

// The first page of each worksheet in the booklet of these sheets (the
// contents page is page 1).
std::vector<int> bookletStartPages(std::span<const Worksheet> sheets);

// Prints the worksheet on A4 portrait. Throws Error when the printer cannot be opened.
void printWorksheet(QPrinter& printer, const Worksheet& sheet);

}  // namespace velkora
