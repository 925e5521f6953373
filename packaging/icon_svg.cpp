#include "packaging/icon_svg.h"

#include <QString>

namespace velkora {

namespace {

// Locale-independent and short: QString::number always writes a decimal point.
QByteArray number(double value) { return QString::number(value, 'g', 8).toLatin1(); }

}  // namespace

QByteArray appIconSvg(int side) {
  const QByteArray size = QByteArray::number(side);
  QByteArray svg;
  svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + size +
         "\" height=\"" + size + "\" viewBox=\"0 0 " + size + ' ' + size + "\">\n";
  // QPainter's default pen joins corners with a bevel; SVG's default is a mitre.
  svg += "  <g stroke=\"" + appIconEdgeColour().name().toLatin1() + "\" stroke-width=\"" +
         number(appIconEdgeWidth(side)) + "\" stroke-linejoin=\"bevel\">\n";
  for (const IconFacet& facet : appIconFacets(side)) {
    svg += "    <polygon fill=\"" + facet.fill.name().toLatin1() + "\" points=\"";
    for (qsizetype i = 0; i < facet.outline.size(); ++i) {
      if (i > 0) svg += ' ';
      svg += number(facet.outline[i].x()) + ',' + number(facet.outline[i].y());
    }
    svg += "\"/>\n";
  }
  svg += "  </g>\n</svg>\n";
  return svg;
}

}  // namespace velkora
