#include "nets/net_svg.h"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "nets/label_font.h"
#include "nets/net_page.h"
#include "text/number_text.h"
#include "text/ui_text.h"

namespace velkora {

namespace {

std::string number(double value) { return fixedText(value, kSvgDecimals); }

std::string colour(std::uint32_t rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFFu));
  return text;
}

// Text content or an attribute value: the five XML specials escaped, the
// control characters XML does not allow dropped.
std::string escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n') out += c;
    }
  }
  return out;
}

// Page millimetres (y up) of one page to the drawing's (y down, pages stacked).
class Sheet {
 public:
  Sheet(const NetDocument& net, int page)
      : top_(page * net.paperHeightMm), height_(net.paperHeightMm) {}

  std::string point(Vec2 p) const { return number(p.x) + " " + number(y(p.y)); }
  double y(double pageY) const { return top_ + height_ - pageY; }

 private:
  double top_;
  double height_;
};

std::string points(const Sheet& sheet, const std::vector<Vec2>& list) {
  std::string out;
  for (std::size_t k = 0; k < list.size(); ++k) {
    if (k > 0) out += ' ';
    out += sheet.point(list[k]);
  }
  return out;
}

std::string strokeAttributes(const PagePrimitive& p) {
  std::string out = " fill=\"none\" stroke=\"" + colour(p.rgb) + "\" stroke-width=\"" +
                    number(p.stroke.widthMm) + "\" stroke-linecap=\"" +
                    (p.stroke.roundCaps ? "round" : "butt") + "\" stroke-linejoin=\"round\"";
  if (!p.stroke.dashMm.empty()) {
    out += " stroke-dasharray=\"";
    for (std::size_t k = 0; k < p.stroke.dashMm.size(); ++k) {
      if (k > 0) out += ' ';
      out += number(p.stroke.dashMm[k]);
    }
    out += '"';
  }
  return out;
}

// An axis-parallel rectangle given by its four corners from lower left.
std::string rect(const Sheet& sheet, const PagePrimitive& p) {
  const Vec2 lo = p.points[0];
  const Vec2 hi = p.points[2];
  return "<rect x=\"" + number(lo.x) + "\" y=\"" + number(sheet.y(hi.y)) + "\" width=\"" +
         number(hi.x - lo.x) + "\" height=\"" + number(hi.y - lo.y) + "\" fill=\"" + colour(p.rgb) +
         "\"/>\n";
}

std::string element(const Sheet& sheet, const PagePrimitive& p) {
  switch (p.role) {
    case PrimitiveRole::Paper:
    case PrimitiveRole::ScaleBar:
      return rect(sheet, p);
    case PrimitiveRole::Face:
    case PrimitiveRole::Tab:
      return "<polygon points=\"" + points(sheet, p.points) + "\" fill=\"" + colour(p.rgb) +
             "\"/>\n";
    case PrimitiveRole::TabRim:
      return "<polyline points=\"" + points(sheet, p.points) + "\"" + strokeAttributes(p) + "/>\n";
    case PrimitiveRole::FoldLines:
    case PrimitiveRole::CutLines: {
      if (p.points.empty()) return {};
      std::string d;
      for (std::size_t k = 0; k + 1 < p.points.size(); k += 2) {
        if (k > 0) d += ' ';
        d += "M" + sheet.point(p.points[k]) + " L" + sheet.point(p.points[k + 1]);
      }
      return "<path d=\"" + d + "\"" + strokeAttributes(p) + "/>\n";
    }
    case PrimitiveRole::Text: {
      const NetLabel& label = p.label;
      const std::string x = number(label.origin.x);
      const std::string y = number(sheet.y(label.origin.y));
      std::string out = "<text x=\"" + x + "\" y=\"" + y + "\" font-size=\"" +
                        number(label.sizeMm) + "\" fill=\"" + colour(p.rgb) + "\"";
      // Counter-clockwise on the page is clockwise-negative in SVG's y-down frame.
      const double degrees = -label.angle * 180.0 / M_PI;
      if (number(degrees) != number(0.0)) {
        out += " transform=\"rotate(" + number(degrees) + " " + x + " " + y + ")\"";
      }
      return out + ">" + escaped(label.text) + "</text>\n";
    }
  }
  return {};
}

std::string replaced(std::string text, std::string_view mark, std::string_view by) {
  if (const std::size_t at = text.find(mark); at != std::string::npos)
    text.replace(at, mark.size(), by);
  return text;
}

}  // namespace

std::string netSvg(const NetDocument& net) {
  const int pages = static_cast<int>(net.pages.size());
  const std::string width = number(net.paperWidthMm);
  const std::string height = number(net.paperHeightMm * pages);
  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
      width + "mm\" height=\"" + height + "mm\" viewBox=\"0 0 " + width + " " + height + "\">\n";
  out += "<title>" + escaped(uiText("Solid", net.solid.c_str())) + "</title>\n";
  out += "<desc>" +
         escaped(replaced(uiText("NetPage", "Netz, %1 Seite(n) untereinander"), "%1",
                          std::to_string(pages))) +
         "</desc>\n";
  // Glyph after glyph by advance width, as the label boxes were measured.
  out += std::string("<g font-family=\"") + kLabelFontFamily + "\" style=\"font-kerning:none\">\n";
  for (int page = 0; page < pages; ++page) {
    const Sheet sheet(net, page);
    out += "<g id=\"page-" + std::to_string(page + 1) + "\">\n";
    for (const PagePrimitive& primitive : netPagePrimitives(net, page))
      out += element(sheet, primitive);
    out += "</g>\n";
  }
  out += "</g>\n</svg>\n";
  return out;
}

}  // namespace velkora
