#pragma once
// Drawing a net with QPainter: one page at a time in millimetres scaled to
// the paint device (cut lines solid, fold lines dashed, faces tinted by their
// number of corners, tabs, cut numbers, the page line), and the net as PDF
// or SVG bytes or on a printer. Callers write the bytes to files themselves.

#include <QByteArray>

#include "nets/net_types.h"

class QPainter;
class QPrinter;

namespace velkora {

// Draws page (0-based) filling the painter's device, which should have the
// paper's aspect ratio. Throws ENetError for a page the net does not have.
void paintNetPage(QPainter& painter, const NetDocument& net, int page);

// Vector PDF, one PDF page per net page, each of the net's paper size.
QByteArray netPdf(const NetDocument& net);

// SVG with the pages stacked top to bottom in one drawing of the paper's
// width; the same net gives the same bytes.
QByteArray netSvg(const NetDocument& net);

// Prints every page at full paper size. Throws ENetError when the printer
// cannot be opened.
void printNet(QPrinter& printer, const NetDocument& net);

}  // namespace velkora
