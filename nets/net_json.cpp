#include "nets/net_json.h"

#include "text/json_text.h"
#include "text/number_text.h"

namespace velkora {

namespace {

// Millimetres with six decimals and a decimal point, whatever the locale.
void appendNumber(std::string& out, double value) { out += fixedText(value, 6); }

void appendPoint(std::string& out, Vec2 p) {
  out += '[';
  appendNumber(out, p.x);
  out += ", ";
  appendNumber(out, p.y);
  out += ']';
}

void appendPolygon(std::string& out, const std::vector<Vec2>& polygon) {
  out += '[';
  for (std::size_t k = 0; k < polygon.size(); ++k) {
    if (k > 0) out += ", ";
    appendPoint(out, polygon[k]);
  }
  out += ']';
}

}  // namespace

std::string netJson(const NetDocument& net) {
  std::string out = "{\n  \"solid\": ";
  out += jsonString(net.solid);
  out += ",\n  \"type\": " + std::to_string(net.type) + ",\n  \"edge_mm\": ";
  appendNumber(out, net.edgeMm);
  out += ",\n  \"paper\": { \"width_mm\": ";
  appendNumber(out, net.paperWidthMm);
  out += ", \"height_mm\": ";
  appendNumber(out, net.paperHeightMm);
  out += ", \"margin_mm\": ";
  appendNumber(out, net.marginMm);
  out += " },\n  \"pages\": [";
  for (std::size_t p = 0; p < net.pages.size(); ++p) {
    const NetPage& page = net.pages[p];
    out += p > 0 ? ",\n    {\n" : "\n    {\n";
    out += "      \"faces\": [";
    for (std::size_t k = 0; k < page.faces.size(); ++k) {
      out += k > 0 ? ",\n        " : "\n        ";
      out += "{ \"face\": " + std::to_string(page.faces[k].face) + ", \"polygon\": ";
      appendPolygon(out, page.faces[k].polygon);
      out += " }";
    }
    out += "\n      ],\n      \"folds\": [";
    for (std::size_t k = 0; k < page.folds.size(); ++k) {
      if (k > 0) out += ", ";
      out += "[" + std::to_string(page.folds[k].first) + ", " +
             std::to_string(page.folds[k].second) + "]";
    }
    out += "],\n      \"cuts\": [";
    for (std::size_t k = 0; k < page.cuts.size(); ++k) {
      const NetCut& cut = page.cuts[k];
      out += k > 0 ? ",\n        " : "\n        ";
      out += "{ \"label\": " + std::to_string(cut.label) +
             ", \"face\": " + std::to_string(cut.face) + ", \"edge\": ";
      appendPolygon(out, {cut.from, cut.to});
      out += " }";
    }
    out += page.cuts.empty() ? "],\n" : "\n      ],\n";
    out += "      \"tabs\": [";
    for (std::size_t k = 0; k < page.tabs.size(); ++k) {
      out += k > 0 ? ",\n        " : "\n        ";
      out += "{ \"label\": " + std::to_string(page.tabs[k].label) + ", \"polygon\": ";
      appendPolygon(out, page.tabs[k].polygon);
      out += " }";
    }
    out += page.tabs.empty() ? "]\n    }" : "\n      ]\n    }";
  }
  out += net.pages.empty() ? "]\n}\n" : "\n  ]\n}\n";
  return out;
}

}  // namespace velkora
