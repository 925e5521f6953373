#include "nets/net_labels.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

#include "nets/layout.h"
#include "nets/plane.h"
#include "text/number_text.h"
#include "text/ui_text.h"

namespace velkora {

namespace {

constexpr double kTitleMm = 3.6;     // title and page number
constexpr double kFootTextMm = 2.6;  // how-to line and scale bar caption
constexpr double kSmallestMm = 1.2;  // no label is set smaller
constexpr double kShrink = 0.85;     // each try after the first sets a label this much smaller
constexpr double kClearMm = 0.05;    // extra distance of a box from the line it sits beside
// Extra paper between the boxes of two labels, so that neighbouring numbers
// ("7" beside "9") never read as one.
constexpr double kLabelGapMm = 0.5;

// Font sizes to try, from first down to kSmallestMm.
std::vector<double> sizesFrom(double first) {
  std::vector<double> sizes;
  for (double size = std::max(first, kSmallestMm); size > kSmallestMm * (1.0 - 1e-9);
       size *= kShrink) {
    sizes.push_back(size);
  }
  if (sizes.empty() || sizes.back() > kSmallestMm * (1.0 + 1e-9)) sizes.push_back(kSmallestMm);
  return sizes;
}

// The padded box of text set at size with its baseline starting at origin in direction angle.
std::vector<Vec2> boxOf(const TextInk& ink, double size, Vec2 origin, double angle) {
  const double l = ink.left * size - kLabelPadMm;
  const double r = ink.right * size + kLabelPadMm;
  const double b = ink.bottom * size - kLabelPadMm;
  const double t = ink.top * size + kLabelPadMm;
  return {origin + rotated({l, b}, angle), origin + rotated({r, b}, angle),
          origin + rotated({r, t}, angle), origin + rotated({l, t}, angle)};
}

// A text label whose ink centre lands on centre.
NetLabel centredLabel(LabelKind kind, const std::string& text, const TextInk& ink, double size,
                      Vec2 centre, double angle) {
  const Vec2 inkCentre{0.5 * (ink.left + ink.right) * size, 0.5 * (ink.bottom + ink.top) * size};
  const Vec2 origin = centre - rotated(inkCentre, angle);
  return {kind, text, size, origin, angle, boxOf(ink, size, origin, angle)};
}

Vec2 unit(Vec2 d) {
  const double len = norm(d);
  return {d.x / len, d.y / len};
}

// What a new label must keep clear of: the page's lines, the labels placed so
// far and the margins.
class Room {
 public:
  Room(const NetDocument& net, int page) : net_(net) {
    for (const auto& [a, b] : netPageLines(net, page)) {
      lines_.push_back({a, b});
      lineBoxes_.push_back(boundsOf({a, b}));
    }
  }

  bool fits(const std::vector<Vec2>& box) const {
    const Box bounds = boundsOf(box);
    const double lo = net_.marginMm;
    if (bounds.minX < lo || bounds.minY < lo || bounds.maxX > net_.paperWidthMm - lo ||
        bounds.maxY > net_.paperHeightMm - lo) {
      return false;
    }
    for (std::size_t k = 0; k < lines_.size(); ++k) {
      if (boxesOverlap(bounds, lineBoxes_[k], -1e-9) && convexOverlap(box, lines_[k], 0.0)) {
        return false;
      }
    }
    for (std::size_t k = 0; k < placed_.size(); ++k) {
      if (boxesOverlap(bounds, placedBoxes_[k], -kLabelGapMm) &&
          convexOverlap(box, placed_[k], -kLabelGapMm)) {
        return false;
      }
    }
    return true;
  }

  void take(const std::vector<Vec2>& box) {
    placed_.push_back(box);
    placedBoxes_.push_back(boundsOf(box));
  }

 private:
  const NetDocument& net_;
  std::vector<std::vector<Vec2>> lines_;
  std::vector<Box> lineBoxes_;
  std::vector<std::vector<Vec2>> placed_;
  std::vector<Box> placedBoxes_;
};

// The first candidate that fits, taken into the room; none when nothing fits.
std::optional<NetLabel> firstFitting(Room& room, const std::vector<NetLabel>& candidates) {
  for (const NetLabel& label : candidates) {
    if (room.fits(label.box)) {
      room.take(label.box);
      return label;
    }
  }
  return std::nullopt;
}

// How far a box of half extents (hx, hy) reaches along the unit direction n.
double reach(double hx, double hy, Vec2 n) { return hx * std::abs(n.x) + hy * std::abs(n.y); }

// Title and page number in the strip above the net, the how-to line and the
// scale bar with its caption in the strip below it. The title shrinks where it
// would run into the page number.
void pageTexts(const NetDocument& net, int page, const TextMeasure& measure, Room& room,
               std::vector<NetLabel>& labels) {
  const double left = net.marginMm;
  const double right = net.paperWidthMm - net.marginMm;
  const double baseline = net.paperHeightMm - net.marginMm - kTitleMm;
  const std::string pageText = netPageNumberText(net, page);
  const TextInk pageInk = measure(pageText);
  const Vec2 pageOrigin{right - kLabelPadMm - pageInk.right * kTitleMm, baseline};
  labels.push_back({LabelKind::PageText, pageText, kTitleMm, pageOrigin, 0.0,
                    boxOf(pageInk, kTitleMm, pageOrigin, 0.0)});
  const std::string title = netTitleText(net);
  const TextInk titleInk = measure(title);
  const double roomForTitle = pageOrigin.x + pageInk.left * kTitleMm - 3.0 * kLabelPadMm - left;
  const double titleSize =
      std::min(kTitleMm, roomForTitle / std::max(titleInk.right - titleInk.left, 1e-9));
  const Vec2 titleOrigin{left + kLabelPadMm - titleInk.left * titleSize, baseline};
  labels.push_back({LabelKind::PageText, title, titleSize, titleOrigin, 0.0,
                    boxOf(titleInk, titleSize, titleOrigin, 0.0)});

  const std::string howTo = netHowToText();
  const TextInk howToInk = measure(howTo);
  const double width = right - left - 2.0 * kLabelPadMm;
  const double howToSize =
      std::min(kFootTextMm, width / std::max(howToInk.right - howToInk.left, 1e-9));
  const Vec2 howToOrigin{left + kLabelPadMm - howToInk.left * howToSize,
                         net.marginMm + kLabelPadMm - howToInk.bottom * howToSize};
  labels.push_back({LabelKind::PageText, howTo, howToSize, howToOrigin, 0.0,
                    boxOf(howToInk, howToSize, howToOrigin, 0.0)});
  if (net.scaleBar) {
    const double rowBottom = howToOrigin.y + howToInk.top * howToSize + 2.0 * kLabelPadMm + 0.4;
    const Vec2 barOrigin{left + kLabelPadMm, rowBottom + kLabelPadMm};
    const Vec2 barEnd = barOrigin + Vec2{kScaleBarMm, kScaleBarThicknessMm};
    const Vec2 lo{barOrigin.x - kLabelPadMm, barOrigin.y - kLabelPadMm};
    const Vec2 hi{barEnd.x + kLabelPadMm, barEnd.y + kLabelPadMm};
    labels.push_back({LabelKind::ScaleBar,
                      {},
                      kScaleBarThicknessMm,
                      barOrigin,
                      0.0,
                      {lo, {hi.x, lo.y}, hi, {lo.x, hi.y}}});
    const std::string caption = scaleBarText();
    const TextInk captionInk = measure(caption);
    const Vec2 captionOrigin{hi.x + 1.5 + kLabelPadMm - captionInk.left * kFootTextMm, barOrigin.y};
    labels.push_back({LabelKind::PageText, caption, kFootTextMm, captionOrigin, 0.0,
                      boxOf(captionInk, kFootTextMm, captionOrigin, 0.0)});
  }
  for (const NetLabel& label : labels)
    room.take(label.box);
}

// Beside the middle of the cut edge inside its face first, then further along
// the edge, then outside it (on its tab or the paper); smaller where nothing fits.
std::optional<NetLabel> cutNumber(const NetCut& cut, const std::string& text,
                                  const TextMeasure& measure, Room& room) {
  const TextInk ink = measure(text);
  const Vec2 d = cut.to - cut.from;
  const double len = norm(d);
  const Vec2 along = unit(d);
  const Vec2 inward{-along.y, along.x};  // the face lies left of from -> to
  std::vector<NetLabel> candidates;
  for (double size : sizesFrom(std::clamp(0.14 * len, 1.6, 3.5))) {
    const double hx = 0.5 * (ink.right - ink.left) * size + kLabelPadMm;
    const double hy = 0.5 * (ink.top - ink.bottom) * size + kLabelPadMm;
    const double beside = reach(hx, hy, inward) + kClearMm;
    for (double side : {1.0, -1.0}) {
      for (double t : {0.5, 0.38, 0.62, 0.26, 0.74}) {
        for (double further : {0.0, 0.5, 1.2}) {
          const Vec2 at = cut.from + (t * len) * along + (side * (beside + further)) * inward;
          candidates.push_back(centredLabel(LabelKind::CutNumber, text, ink, size, at, 0.0));
        }
      }
    }
  }
  return firstFitting(room, candidates);
}

// Near the middle of the face, then towards its corners; smaller where nothing fits.
std::optional<NetLabel> faceNumber(const NetFace& face, const TextMeasure& measure, Room& room) {
  const std::string text = std::to_string(face.face + 1);
  const TextInk ink = measure(text);
  Vec2 centre;
  for (const Vec2& p : face.polygon)
    centre = centre + (1.0 / static_cast<double>(face.polygon.size())) * p;
  double inner = 1e300;  // distance of the centre from the nearest edge
  for (std::size_t k = 0; k < face.polygon.size(); ++k) {
    const Vec2 a = face.polygon[k];
    const Vec2 b = face.polygon[(k + 1) % face.polygon.size()];
    inner = std::min(inner, std::abs(cross(unit(b - a), centre - a)));
  }
  std::vector<NetLabel> candidates;
  for (double size : sizesFrom(std::clamp(0.35 * inner, 1.6, 2.4))) {
    candidates.push_back(centredLabel(LabelKind::FaceNumber, text, ink, size, centre, 0.0));
    for (double f : {0.3, 0.55}) {
      for (const Vec2& corner : face.polygon) {
        candidates.push_back(centredLabel(LabelKind::FaceNumber, text, ink, size,
                                          centre + f * (corner - centre), 0.0));
      }
    }
  }
  return firstFitting(room, candidates);
}

// Along the fold line, reading upwards or to the right, on either side of it.
std::optional<NetLabel> foldAngle(Vec2 a, Vec2 b, double degrees, const TextMeasure& measure,
                                  Room& room) {
  const std::string text = foldAngleText(degrees);
  const TextInk ink = measure(text);
  Vec2 along = unit(b - a);
  if (along.x < -1e-12 || (std::abs(along.x) <= 1e-12 && along.y < 0.0)) along = -1.0 * along;
  const double angle = std::atan2(along.y, along.x);
  const Vec2 normal{-along.y, along.x};
  const double len = norm(b - a);
  const Vec2 mid = 0.5 * (a + b);
  std::vector<NetLabel> candidates;
  for (double size : sizesFrom(std::clamp(0.12 * len, 1.6, 2.6))) {
    const double beside = 0.5 * (ink.top - ink.bottom) * size + kLabelPadMm + kClearMm;
    for (double t : {0.0, -0.15, 0.15, -0.28, 0.28}) {
      for (double side : {1.0, -1.0}) {
        const Vec2 at = mid + (t * len) * along + (side * beside) * normal;
        candidates.push_back(centredLabel(LabelKind::FoldAngle, text, ink, size, at, angle));
      }
    }
  }
  return firstFitting(room, candidates);
}

}  // namespace

std::string netTitleText(const NetDocument& net) {
  return uiText("Solid", net.solid.c_str()) + " \u2013 " + uiText("NetPage", "Kantenlänge") + " " +
         peopleNumber(net.edgeMm, 1) + " mm (" + uiText("NetPage", "längste Kante") + ")";
}

std::string netPageNumberText(const NetDocument& net, int page) {
  return uiText("NetPage", "Seite") + " " + std::to_string(page + 1) + " " +
         uiText("NetPage", "von") + " " + std::to_string(net.pages.size());
}

std::string netHowToText() {
  return uiText("NetPage",
                "Bei 100 % drucken, ausschneiden, gestrichelte Linien nach hinten falten, Laschen "
                "unter die gleiche Nummer kleben; (n): mit Klebeband schließen");
}

std::string scaleBarText() { return uiText("NetPage", "bei 100 % gedruckt: 50 mm"); }

std::string foldAngleText(double degrees) { return peopleNumber(degrees, 1) + "\u00b0"; }

std::vector<std::pair<Vec2, Vec2>> netPageLines(const NetDocument& net, int page) {
  const NetPage& p = net.pages[static_cast<std::size_t>(page)];
  std::vector<std::pair<Vec2, Vec2>> lines;
  for (const NetFace& face : p.faces) {
    for (std::size_t k = 0; k < face.polygon.size(); ++k)
      lines.emplace_back(face.polygon[k], face.polygon[(k + 1) % face.polygon.size()]);
  }
  for (const NetTab& tab : p.tabs) {
    // The first two corners are the glued edge, a face edge already.
    for (std::size_t k = 1; k < tab.polygon.size(); ++k)
      lines.emplace_back(tab.polygon[k], tab.polygon[(k + 1) % tab.polygon.size()]);
  }
  return lines;
}

std::vector<NetLabel> layOutLabels(const NetDocument& net, int page, const TextMeasure& measure) {
  const NetPage& p = net.pages[static_cast<std::size_t>(page)];
  Room room(net, page);
  std::vector<NetLabel> labels;
  pageTexts(net, page, measure, room, labels);
  if (net.numbers) {
    std::set<int> tabbed;
    for (const NetPage& other : net.pages) {
      for (const NetTab& tab : other.tabs)
        tabbed.insert(tab.label);
    }
    for (const NetCut& cut : p.cuts) {
      std::string text = std::to_string(cut.label);
      if (net.tabs && !tabbed.count(cut.label)) text = "(" + text + ")";
      if (auto label = cutNumber(cut, text, measure, room)) labels.push_back(std::move(*label));
    }
  }
  if (net.faceNumbers) {
    for (const NetFace& face : p.faces) {
      if (auto label = faceNumber(face, measure, room)) labels.push_back(std::move(*label));
    }
  }
  if (net.foldAngles) {
    for (std::size_t k = 0; k < p.folds.size() && k < p.foldDegrees.size(); ++k) {
      const auto [fa, fb] = p.folds[k];
      const auto face = std::find_if(p.faces.begin(), p.faces.end(),
                                     [fa = fa](const NetFace& f) { return f.face == fa; });
      const auto other = std::find_if(p.faces.begin(), p.faces.end(),
                                      [fb = fb](const NetFace& f) { return f.face == fb; });
      if (face == p.faces.end() || other == p.faces.end()) continue;
      // The fold is the edge of fa whose both corners belong to fb.
      const std::size_t n = face->vertices.size();
      for (std::size_t e = 0; e < n; ++e) {
        const int v = face->vertices[e];
        const int w = face->vertices[(e + 1) % n];
        const auto& ov = other->vertices;
        if (std::count(ov.begin(), ov.end(), v) && std::count(ov.begin(), ov.end(), w)) {
          if (auto label = foldAngle(face->polygon[e], face->polygon[(e + 1) % n], p.foldDegrees[k],
                                     measure, room)) {
            labels.push_back(std::move(*label));
          }
          break;
        }
      }
    }
  }
  return labels;
}

}  // namespace velkora
