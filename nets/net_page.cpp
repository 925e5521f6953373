#include "nets/net_page.h"

#include <set>
#include <string>
#include <utility>

#include "nets/label_font.h"
#include "nets/net_tints.h"

namespace velkora {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kTabGrey = 0xE8E8E8;
constexpr std::uint32_t kFoldGrey = 0x3C3C3C;
// Fold dashes: 2 mm ink, 1.25 mm gap (8 and 5 line widths).
constexpr double kFoldDashMm = 8.0 * kFoldLineMm;
constexpr double kFoldGapMm = 5.0 * kFoldLineMm;

void requirePage(const NetDocument& net, int page) {
  if (page < 0 || static_cast<std::size_t>(page) >= net.pages.size()) {
    throw ENetError("Seite " + std::to_string(page + 1) + " gibt es nicht (" +
                    std::to_string(net.pages.size()) + " Seiten)");
  }
}

PageStroke cutStroke() { return {kCutLineMm, {}, true}; }
PageStroke foldStroke() { return {kFoldLineMm, {kFoldDashMm, kFoldGapMm}, false}; }

std::uint32_t textColour(LabelKind kind) {
  switch (kind) {
    case LabelKind::FaceNumber:
      return 0x646464;
    case LabelKind::FoldAngle:
      return 0x1E3296;
    case LabelKind::PageText:
    case LabelKind::ScaleBar:
    case LabelKind::CutNumber:
      break;
  }
  return kBlack;
}

std::vector<Vec2> rectangle(Vec2 lowerLeft, double width, double height) {
  return {lowerLeft,
          {lowerLeft.x + width, lowerLeft.y},
          {lowerLeft.x + width, lowerLeft.y + height},
          {lowerLeft.x, lowerLeft.y + height}};
}

// Every face edge once: a cut edge without a tab as a cut, every other edge
// (a fold between two faces, shared by both, or the glued edge of a tab) as
// a fold.
void addEdges(const NetPage& page, std::vector<PagePrimitive>& out) {
  std::set<std::pair<int, int>> cutEdges;  // (face, edge) without a tab
  std::set<std::pair<int, int>> tabEdges;  // (face, edge) carrying a tab: the tab folds there
  for (const NetCut& cut : page.cuts)
    (cut.hasTab ? tabEdges : cutEdges).insert({cut.face, cut.edge});
  PagePrimitive folds{PrimitiveRole::FoldLines, kFoldGrey, {}, foldStroke(), {}};
  PagePrimitive cuts{PrimitiveRole::CutLines, kBlack, {}, cutStroke(), {}};
  for (const NetFace& face : page.faces) {
    const std::size_t n = face.polygon.size();
    for (std::size_t k = 0; k < n; ++k) {
      const std::pair<int, int> key{face.face, static_cast<int>(k)};
      const Vec2 a = face.polygon[k];
      const Vec2 b = face.polygon[(k + 1) % n];
      if (cutEdges.count(key)) {
        cuts.points.insert(cuts.points.end(), {a, b});
      } else if (tabEdges.count(key) || face.vertices[k] < face.vertices[(k + 1) % n]) {
        // A fold between two faces appears in both; it is drawn once.
        folds.points.insert(folds.points.end(), {a, b});
      }
    }
  }
  out.push_back(std::move(folds));
  out.push_back(std::move(cuts));
}

}  // namespace

std::vector<NetLabel> netPageLabels(const NetDocument& net, int page) {
  requirePage(net, page);
  return layOutLabels(net, page, labelTextMeasure());
}

std::vector<PagePrimitive> netPagePrimitives(const NetDocument& net, int pageIndex) {
  requirePage(net, pageIndex);
  const NetPage& page = net.pages[static_cast<std::size_t>(pageIndex)];
  std::vector<PagePrimitive> out;
  out.push_back({PrimitiveRole::Paper,
                 kWhite,
                 rectangle({0.0, 0.0}, net.paperWidthMm, net.paperHeightMm),
                 {},
                 {}});
  for (const NetFace& face : page.faces)
    out.push_back({PrimitiveRole::Face, netTint(face.polygon.size()), face.polygon, {}, {}});
  for (const NetTab& tab : page.tabs) {
    out.push_back({PrimitiveRole::Tab, kTabGrey, tab.polygon, {}, {}});
    // The glued edge (first two corners) is a fold of the face; the rest is cut.
    std::vector<Vec2> rim(tab.polygon.begin() + 1, tab.polygon.end());
    rim.push_back(tab.polygon.front());
    out.push_back({PrimitiveRole::TabRim, kBlack, std::move(rim), cutStroke(), {}});
  }
  addEdges(page, out);
  for (NetLabel& label : netPageLabels(net, pageIndex)) {
    if (label.kind == LabelKind::ScaleBar) {
      out.push_back({PrimitiveRole::ScaleBar,
                     kBlack,
                     rectangle(label.origin, kScaleBarMm, label.sizeMm),
                     {},
                     std::move(label)});
    } else {
      const std::uint32_t colour = textColour(label.kind);
      out.push_back({PrimitiveRole::Text, colour, {}, {}, std::move(label)});
    }
  }
  return out;
}

}  // namespace velkora
