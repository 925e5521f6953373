#include "nets/layout.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>
#include <string>

#include "base/face_geometry.h"
#include "nets/tabs.h"
#include "nets/unfold.h"
#include "text/number_text.h"

namespace velkora {

namespace {

struct Area {
  double left = 0.0, bottom = 0.0, width = 0.0, height = 0.0;
  double top() const { return bottom + height; }
};

// The net's area of the page: inside the margins, below the title strip and
// above the foot strip.
Area netArea(PaperSize paper) {
  return {kNetMarginMm, kNetMarginMm + kNetFootStripMm, paper.width - 2.0 * kNetMarginMm,
          paper.height - 2.0 * kNetMarginMm - kNetTextStripMm - kNetFootStripMm};
}

// The rectangle the unfolding search compares candidates in: the page less
// margins and title strip. It only ranks unfoldings by compactness.
Area searchArea(PaperSize paper) {
  return {kNetMarginMm, kNetMarginMm, paper.width - 2.0 * kNetMarginMm,
          paper.height - 2.0 * kNetMarginMm - kNetTextStripMm};
}

// The solid, its chosen unfolding and the fold tree as neighbour lists.
struct Context {
  SolidFaces solid;
  Unfolding unfolding;
  std::vector<std::vector<int>> tree;
};

Context prepare(const Polyhedron& polyhedron, Paper paper) {
  Context c{prepareSolid(polyhedron), {}, {}};
  const Area area = searchArea(paperSize(paper, false));
  c.unfolding = searchUnfolding(c.solid, area.width, area.height);
  c.tree.resize(c.solid.faces.size());
  for (std::size_t e = 0; e < c.solid.edges.size(); ++e) {
    if (!c.unfolding.fold[e]) continue;
    c.tree[static_cast<std::size_t>(c.solid.edges[e].a)].push_back(c.solid.edges[e].b);
    c.tree[static_cast<std::size_t>(c.solid.edges[e].b)].push_back(c.solid.edges[e].a);
  }
  return c;
}

// A net at one edge size: every face and tab in page coordinates.
struct Layout {
  double edgeMm = 0.0;
  PaperSize paper;
  bool fits = true;
  std::vector<int> pieceOf;  // per face
  std::vector<int> pageOf;   // per piece
  int pages = 1;
  std::vector<std::vector<Vec2>> polygons;  // per face
  std::vector<CutPair> pairs;
  std::vector<PlacedTab> tabs;
};

void transform(std::vector<Vec2>& points, double angle, Vec2 shift) {
  for (Vec2& p : points)
    p = rotated(p, angle) + shift;
}

// Faces of one piece scaled to mm; the points of a piece for fitting.
std::vector<Vec2> piecePoints(const Layout& layout, int piece, bool withTabs) {
  std::vector<Vec2> points;
  for (std::size_t f = 0; f < layout.polygons.size(); ++f) {
    if (layout.pieceOf[f] != piece) continue;
    points.insert(points.end(), layout.polygons[f].begin(), layout.polygons[f].end());
  }
  if (withTabs) {
    for (const PlacedTab& t : layout.tabs) {
      if (layout.pieceOf[static_cast<std::size_t>(t.face)] != piece) continue;
      points.insert(points.end(), t.polygon.begin(), t.polygon.end());
    }
  }
  return points;
}

// Greedy split of the fold tree: grow each piece breadth-first from its
// lowest unassigned face while its faces fit width x height in some rotation.
std::vector<int> splitPieces(const Context& c, double edgeMm, double width, double height) {
  const std::size_t count = c.solid.faces.size();
  std::vector<int> pieceOf(count, -1);
  int pieces = 0;
  for (std::size_t start = 0; start < count; ++start) {
    if (pieceOf[start] >= 0) continue;
    const int piece = pieces++;
    pieceOf[start] = piece;
    std::vector<Vec2> points;
    for (const Vec2& p : c.unfolding.polygons[start])
      points.push_back(edgeMm * p);
    std::vector<int> queue{static_cast<int>(start)};
    std::vector<bool> rejected(count, false);
    for (std::size_t head = 0; head < queue.size(); ++head) {
      for (int g : c.tree[static_cast<std::size_t>(queue[head])]) {
        const auto gi = static_cast<std::size_t>(g);
        if (pieceOf[gi] >= 0 || rejected[gi]) continue;
        std::vector<Vec2> trial = points;
        for (const Vec2& p : c.unfolding.polygons[gi])
          trial.push_back(edgeMm * p);
        if (bestFit(trial, width, height).scale >= 1.0) {
          pieceOf[gi] = piece;
          points = convexHull(std::move(trial));
          queue.push_back(g);
        } else {
          rejected[gi] = true;
        }
      }
    }
  }
  return pieceOf;
}

// Cut pairs in adjacency order: every solid edge that is no fold inside a piece.
std::vector<CutPair> cutPairs(const Context& c, const std::vector<int>& pieceOf) {
  std::vector<CutPair> pairs;
  for (std::size_t e = 0; e < c.solid.edges.size(); ++e) {
    const Adjacency& edge = c.solid.edges[e];
    const bool fold = c.unfolding.fold[e] && pieceOf[static_cast<std::size_t>(edge.a)] ==
                                                 pieceOf[static_cast<std::size_t>(edge.b)];
    if (fold) continue;
    pairs.push_back({static_cast<int>(pairs.size()) + 1, edge.a, edge.ka, edge.b, edge.kb});
  }
  return pairs;
}

// Shelf packing of the pieces (tallest first) onto as few pages as it finds.
void packPieces(Layout& layout, const std::vector<Box>& boxes, const Area& area) {
  struct Shelf {
    double top, height, used;
  };
  struct Sheet {
    std::vector<Shelf> shelves;
    double usedHeight = 0.0;
  };
  std::vector<int> order(boxes.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return boxes[static_cast<std::size_t>(a)].height() >
           boxes[static_cast<std::size_t>(b)].height();
  });
  std::vector<Sheet> sheets;
  layout.pageOf.assign(boxes.size(), 0);
  constexpr double kSlack = 1e-9;
  for (int piece : order) {
    const Box& box = boxes[static_cast<std::size_t>(piece)];
    double x = 0.0, top = 0.0;
    int page = -1;
    for (std::size_t s = 0; s < sheets.size() && page < 0; ++s) {
      Sheet& sheet = sheets[s];
      Shelf& shelf = sheet.shelves.back();
      if (shelf.used + kPieceGapMm + box.width() <= area.width + kSlack &&
          box.height() <= shelf.height + kSlack) {
        x = area.left + shelf.used + kPieceGapMm;
        top = shelf.top;
        shelf.used += kPieceGapMm + box.width();
        page = static_cast<int>(s);
      } else if (sheet.usedHeight + kPieceGapMm + box.height() <= area.height + kSlack) {
        top = area.top() - sheet.usedHeight - kPieceGapMm;
        sheet.shelves.push_back({top, box.height(), box.width()});
        sheet.usedHeight += kPieceGapMm + box.height();
        x = area.left;
        page = static_cast<int>(s);
      }
    }
    if (page < 0) {
      sheets.push_back({{{area.top(), box.height(), box.width()}}, box.height()});
      x = area.left;
      top = area.top();
      page = static_cast<int>(sheets.size()) - 1;
    }
    layout.pageOf[static_cast<std::size_t>(piece)] = page;
    const Vec2 shift{x - box.minX, top - box.maxY};
    for (std::size_t f = 0; f < layout.polygons.size(); ++f) {
      if (layout.pieceOf[f] == piece) transform(layout.polygons[f], 0.0, shift);
    }
    for (PlacedTab& t : layout.tabs) {
      if (layout.pieceOf[static_cast<std::size_t>(t.face)] == piece)
        transform(t.polygon, 0.0, shift);
    }
  }
  layout.pages = static_cast<int>(sheets.size());
}

// The net at edgeMm cut into the given pieces: rotate each piece to fit,
// add tabs, turn again with its tabs, then place the pieces on pages.
Layout layOut(const Context& c, double edgeMm, PaperSize paper, TabStyle style,
              std::vector<int> pieceOf) {
  const bool tabs = style != TabStyle::None;
  Layout layout;
  layout.edgeMm = edgeMm;
  layout.paper = paper;
  layout.pieceOf = std::move(pieceOf);
  const int pieces = *std::max_element(layout.pieceOf.begin(), layout.pieceOf.end()) + 1;
  const Area area = netArea(paper);
  // Faces alone turn to fit the area less the tabs' reach, so that the
  // unturned piece with its tabs still fits in the second turn.
  const double reach = tabs ? tabReachMm(edgeMm) : 0.0;
  for (const auto& unit : c.unfolding.polygons) {
    std::vector<Vec2> mm;
    for (const Vec2& p : unit)
      mm.push_back(edgeMm * p);
    layout.polygons.push_back(std::move(mm));
  }
  for (int piece = 0; piece < pieces; ++piece) {
    const Fit fit =
        bestFit(piecePoints(layout, piece, false), std::max(area.width - 2 * reach, 1.0),
                std::max(area.height - 2 * reach, 1.0));
    for (std::size_t f = 0; f < layout.polygons.size(); ++f) {
      if (layout.pieceOf[f] == piece) transform(layout.polygons[f], fit.angle, {});
    }
  }
  layout.pairs = cutPairs(c, layout.pieceOf);
  if (tabs) {
    layout.tabs = planTabs(layout.polygons, layout.pieceOf, layout.pairs, style == TabStyle::Both);
  }
  std::vector<Box> boxes;
  for (int piece = 0; piece < pieces; ++piece) {
    const std::vector<Vec2> points = piecePoints(layout, piece, true);
    Fit fit = bestFit(points, area.width, area.height);
    if (fitScaleAt(points, 0.0, area.width, area.height) >= fit.scale) fit = {0.0, 1.0};
    for (std::size_t f = 0; f < layout.polygons.size(); ++f) {
      if (layout.pieceOf[f] == piece) transform(layout.polygons[f], fit.angle, {});
    }
    for (PlacedTab& t : layout.tabs) {
      if (layout.pieceOf[static_cast<std::size_t>(t.face)] == piece) {
        transform(t.polygon, fit.angle, {});
      }
    }
    boxes.push_back(boundsOf(piecePoints(layout, piece, true)));
    const Box& box = boxes.back();
    if (box.width() > area.width + 1e-9 || box.height() > area.height + 1e-9) layout.fits = false;
  }
  if (pieces == 1) {
    layout.pageOf = {0};
    const Box& box = boxes.front();
    const Vec2 shift{area.left + 0.5 * (area.width - box.width()) - box.minX,
                     area.bottom + 0.5 * (area.height - box.height()) - box.minY};
    for (auto& p : layout.polygons)
      transform(p, 0.0, shift);
    for (PlacedTab& t : layout.tabs)
      transform(t.polygon, 0.0, shift);
  } else {
    packPieces(layout, boxes, area);
  }
  return layout;
}

Layout singlePiece(const Context& c, double edgeMm, PaperSize paper, TabStyle tabs) {
  return layOut(c, edgeMm, paper, tabs, std::vector<int>(c.solid.faces.size(), 0));
}

// The largest edge in tenths of a millimetre whose single piece fits the page.
double defaultEdge(const Context& c, PaperSize paper, TabStyle tabs) {
  const Area area = netArea(paper);
  std::vector<Vec2> points;
  for (const auto& p : c.unfolding.polygons)
    points.insert(points.end(), p.begin(), p.end());
  double edge = bestFit(points, area.width, area.height).scale;
  for (int round = 0; round < 4 && tabs != TabStyle::None; ++round) {
    const Layout layout = singlePiece(c, edge, paper, tabs);
    std::vector<Vec2> all = piecePoints(layout, 0, true);
    const Box box = boundsOf(all);
    edge *= std::min(area.width / box.width(), area.height / box.height());
  }
  edge = std::floor(edge * 10.0 + 1e-9) / 10.0;
  while (edge > 0.1 && !singlePiece(c, edge, paper, tabs).fits) {
    edge = std::round(edge * 10.0 - 1.0) / 10.0;
  }
  // The estimate may stop short: tabs that shrink with the edge leave room.
  for (double larger = std::round(edge * 10.0 + 1.0) / 10.0;
       singlePiece(c, larger, paper, tabs).fits; larger = std::round(larger * 10.0 + 1.0) / 10.0) {
    edge = larger;
  }
  return edge;
}

Layout explicitLayout(const Context& c, double edgeMm, PaperSize paper, TabStyle tabs) {
  Layout single = singlePiece(c, edgeMm, paper, tabs);
  if (single.fits) return single;
  const Area area = netArea(paper);
  const double reach = tabs != TabStyle::None ? tabReachMm(edgeMm) : 0.0;
  const double width = area.width - 2.0 * reach;
  const double height = area.height - 2.0 * reach;
  for (const auto& unit : c.unfolding.polygons) {
    std::vector<Vec2> face;
    for (const Vec2& p : unit)
      face.push_back(edgeMm * p);
    if (width <= 0.0 || height <= 0.0 || bestFit(face, width, height).scale < 1.0) {
      throw ENetError("Kantenlänge " + peopleNumber(edgeMm, 1) +
                      " mm ist zu groß: eine Fläche passt nicht auf eine Seite");
    }
  }
  return layOut(c, edgeMm, paper, tabs, splitPieces(c, edgeMm, width, height));
}

// The solid's inner angle in degrees between faces a and b (neighbours):
// 180 less the angle between their outward normals.
double dihedralDegrees(const SolidFaces& solid, int a, int b) {
  const Vec3 na = newellNormal(solid.vertices, solid.faces[static_cast<std::size_t>(a)].vertices);
  const Vec3 nb = newellNormal(solid.vertices, solid.faces[static_cast<std::size_t>(b)].vertices);
  const double cosine = std::clamp(dot(na, nb) / (norm(na) * norm(nb)), -1.0, 1.0);
  return 180.0 - std::acos(cosine) * 180.0 / M_PI;
}

NetDocument document(const Context& c, const Layout& layout, std::string_view name, int type,
                     const NetOptions& options) {
  NetDocument doc;
  doc.solid = std::string(name);
  doc.type = type;
  doc.edgeMm = layout.edgeMm;
  doc.paperWidthMm = layout.paper.width;
  doc.paperHeightMm = layout.paper.height;
  doc.marginMm = kNetMarginMm;
  doc.numbers = options.numbers;
  doc.tabs = options.tabs;
  doc.tabStyle = effectiveTabStyle(options);
  doc.faceNumbers = options.faceNumbers;
  doc.foldAngles = options.foldAngles;
  doc.scaleBar = options.scaleBar;
  doc.pieces = static_cast<int>(layout.pageOf.size());
  doc.pages.resize(static_cast<std::size_t>(layout.pages));
  const auto pageOfFace = [&](int face) {
    return layout.pageOf[static_cast<std::size_t>(layout.pieceOf[static_cast<std::size_t>(face)])];
  };
  for (std::size_t f = 0; f < c.solid.faces.size(); ++f) {
    doc.pages[static_cast<std::size_t>(pageOfFace(static_cast<int>(f)))].faces.push_back(
        {static_cast<int>(f), c.solid.faces[f].vertices, layout.polygons[f]});
  }
  for (std::size_t e = 0; e < c.solid.edges.size(); ++e) {
    const Adjacency& edge = c.solid.edges[e];
    if (!c.unfolding.fold[e] || layout.pieceOf[static_cast<std::size_t>(edge.a)] !=
                                    layout.pieceOf[static_cast<std::size_t>(edge.b)]) {
      continue;
    }
    doc.pages[static_cast<std::size_t>(pageOfFace(edge.a))].folds.emplace_back(
        std::min(edge.a, edge.b), std::max(edge.a, edge.b));
  }
  for (NetPage& page : doc.pages) {
    std::sort(page.folds.begin(), page.folds.end());
    for (const auto& [a, b] : page.folds)
      page.foldDegrees.push_back(dihedralDegrees(c.solid, a, b));
  }
  std::set<std::pair<int, int>> tabbed;  // (face, edge) carrying a tab
  for (const PlacedTab& t : layout.tabs) {
    tabbed.insert({t.face, t.edge});
    doc.pages[static_cast<std::size_t>(pageOfFace(t.face))].tabs.push_back({t.label, t.polygon});
  }
  for (const CutPair& pair : layout.pairs) {
    for (int side = 0; side < 2; ++side) {
      const int face = side == 0 ? pair.faceA : pair.faceB;
      const int k = side == 0 ? pair.edgeA : pair.edgeB;
      const auto& polygon = layout.polygons[static_cast<std::size_t>(face)];
      const bool hasTab = tabbed.count({face, k}) > 0;
      doc.pages[static_cast<std::size_t>(pageOfFace(face))].cuts.push_back(
          {pair.label, face, k, polygon[static_cast<std::size_t>(k)],
           polygon[(static_cast<std::size_t>(k) + 1) % polygon.size()], hasTab});
    }
  }
  return doc;
}

std::vector<bool> orientationsOf(Orientation orientation) {
  switch (orientation) {
    case Orientation::Portrait:
      return {false};
    case Orientation::Landscape:
      return {true};
    case Orientation::Best:
      break;
  }
  return {false, true};
}

}  // namespace

PaperSize paperSize(Paper paper, bool landscape) {
  PaperSize size{210.0, 297.0};
  if (paper == Paper::A3) size = {297.0, 420.0};
  if (paper == Paper::Letter) size = {215.9, 279.4};
  if (landscape) std::swap(size.width, size.height);
  return size;
}

double largestEdgeMm(const Polyhedron& solid, Paper paper, Orientation orientation) {
  const Context c = prepare(solid, paper);
  double best = 0.0;
  for (bool landscape : orientationsOf(orientation)) {
    best = std::max(best, defaultEdge(c, paperSize(paper, landscape), TabStyle::One));
  }
  return best;
}

NetDocument buildNet(const Solid& solid, const NetOptions& options) {
  if (options.edgeMm && !(std::isfinite(*options.edgeMm) && *options.edgeMm > 0.0)) {
    throw ENetError("Kantenlänge muss eine positive Zahl sein");
  }
  const Context c = prepare(solid.geometry, options.paper);
  const TabStyle tabs = effectiveTabStyle(options);
  Layout chosen;
  bool have = false;
  for (bool landscape : orientationsOf(options.orientation)) {
    const PaperSize paper = paperSize(options.paper, landscape);
    Layout layout = options.edgeMm ? explicitLayout(c, *options.edgeMm, paper, tabs)
                                   : singlePiece(c, defaultEdge(c, paper, tabs), paper, tabs);
    const bool better = !have || (options.edgeMm ? layout.pages < chosen.pages
                                                 : layout.edgeMm > chosen.edgeMm + 1e-9);
    if (better) {
      chosen = std::move(layout);
      have = true;
    }
  }
  return document(c, chosen, solid.name, solid.type, options);
}

}  // namespace velkora
