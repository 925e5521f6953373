#pragma once
// Drawing a net with QPainter: one page at a time in millimetres scaled to
// the paint device (cut lines solid, fold lines dashed, faces tinted by their
// number of corners, tabs, and the labels of nets/net_labels.h measured in the
// drawing font), and the net as PDF or SVG bytes or on a printer. Callers
// write the bytes to files themselves.

#include <QByteArray>
#include <vector>

#include "nets/net_labels.h"
#include "nets/net_types.h"

class QPainter;
class QPrinter;

namespace velkora {

// Text extents in the font the labels are drawn in.
TextMeasure netTextMeasure();

// The labels of page (0-based) exactly as paintNetPage draws them. Throws
// ENetError for a page the net does not have.
std::vector<NetLabel> netPageLabels(const NetDocument& net, int page);

// Draws page (0-based) filling the painter's device, which should have the
// paper's aspect ratio; a device within half a percent of the paper's size at
// its own resolution gets true millimetres. Throws ENetError for a page the
// net does not have.
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
