#pragma once
// Drawing a net with QPainter: one page at a time, the shapes of
// netPagePrimitives (nets/net_page.h) in millimetres scaled to the paint
// device, the texts in the label font; and the net as PDF bytes or on a
// printer. The SVG is written without Qt, from the same shapes
// (nets/net_svg.h). Callers write the bytes to files themselves.

#include <QByteArray>
#include <QFont>
#include <vector>

#include "nets/net_page.h"
#include "nets/net_types.h"

class QPainter;
class QPrinter;

namespace velkora {

// The label font as drawn: DejaVu Sans at kLabelFontPixels pixels, unhinted
// and without kerning, so that its glyphs advance as the table of
// nets/label_font.h says.
inline constexpr int kLabelFontPixels = 100;
QFont labelFont();

// Draws the shapes of page (0-based) filling the painter's device, which
// should have the paper's aspect ratio; a device within half a percent of the
// paper's size at its own resolution gets true millimetres. Throws ENetError
// for a page the net does not have.
void paintNetPage(QPainter& painter, const NetDocument& net, int page);

// Draws primitives, the shapes of one page of net, as paintNetPage does.
void paintPagePrimitives(QPainter& painter, const NetDocument& net,
                         const std::vector<PagePrimitive>& primitives);

// Vector PDF, one PDF page per net page, each of the net's paper size.
QByteArray netPdf(const NetDocument& net);

// Prints every page at full paper size. Throws ENetError when the printer
// cannot be opened.
void printNet(QPrinter& printer, const NetDocument& net);

}  // namespace velkora
