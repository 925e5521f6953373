#pragma once
// The window icon: a 64 x 64 picture of an orange stellated octahedron (an
// octahedron with a three-sided spike on every face) on a transparent
// background, drawn here with flat-shaded polygons. The same facets serve every
// icon size and the scalable (SVG) icon of the installed program.

#include <vector>

#include <QColor>
#include <QImage>
#include <QPolygonF>

namespace velkora {

inline constexpr int kIconSize = 64;

// One visible facet of the icon: its outline in pixels and its flat colour.
struct IconFacet {
  QPolygonF outline;
  QColor fill;
};

// The visible facets for a picture of side x side pixels, farthest first, so
// that painting them in order hides what lies behind. Needs side > 0.
std::vector<IconFacet> appIconFacets(double side);
// The colour of the facet edges and their width for a picture of side x side pixels.
QColor appIconEdgeColour();
double appIconEdgeWidth(double side);

// The icon painted at side x side pixels (the window icon has kIconSize).
QImage appIconImage(int side = kIconSize);

}  // namespace velkora
