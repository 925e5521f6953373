#pragma once
// Everything one page of a net shows, as a list of plain shapes in drawing
// order: the paper, the tinted faces, the tabs with their cut rims, the fold
// lines (dashed) and cut lines (solid), the scale bar and the texts, placed
// with the label font's table (nets/label_font.h). The SVG writer and the
// QPainter drawing both draw this list and nothing else, so the browser's and
// the desktop's pages agree. Page millimetres, origin bottom-left, y up,
// angles counter-clockwise. Qt-free; draws nothing itself.

#include <cstdint>
#include <vector>

#include "nets/net_labels.h"
#include "nets/net_types.h"

namespace velkora {

enum class PrimitiveRole {
  Paper,      // the whole sheet, white: a filled rectangle
  Face,       // a face in its tint: a filled polygon
  Tab,        // a glue tab, light grey: a filled polygon
  TabRim,     // the cut outline of a tab (all but its glued edge): a polyline
  FoldLines,  // every fold, dashed: segments
  CutLines,   // every cut edge without a tab, solid: segments
  ScaleBar,   // the 50 mm bar: a filled rectangle
  Text,       // one label's text
};

// How a line is stroked. Joins are always round.
struct PageStroke {
  double widthMm = 0.0;
  std::vector<double> dashMm;  // dash, gap, dash, ... along each segment; empty: solid
  bool roundCaps = false;      // round ends, else flat ends
};

struct PagePrimitive {
  PrimitiveRole role = PrimitiveRole::Paper;
  std::uint32_t rgb = 0;  // 0xRRGGBB of the fill, the line or the text
  // Paper, Face, Tab, ScaleBar: the outline to fill, counter-clockwise, without
  // an edge line (Paper and ScaleBar: the rectangle's four corners from lower
  // left). TabRim: the open polyline. FoldLines, CutLines: segments, two
  // points each. Text: empty.
  std::vector<Vec2> points;
  PageStroke stroke;  // TabRim, FoldLines, CutLines
  NetLabel label;     // Text: the text, its font size, baseline start and direction
};

// The line widths of the printed net.
inline constexpr double kCutLineMm = 0.3;
inline constexpr double kFoldLineMm = 0.25;

// The labels of page (0-based) as the page shows them, measured with the
// label font's table. Throws ENetError for a page the net does not have.
std::vector<NetLabel> netPageLabels(const NetDocument& net, int page);

// The shapes of page (0-based) in drawing order. Throws ENetError for a page
// the net does not have.
std::vector<PagePrimitive> netPagePrimitives(const NetDocument& net, int page);

}  // namespace velkora
