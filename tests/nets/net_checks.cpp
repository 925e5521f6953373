#include "tests/nets/net_checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <numeric>
#include <set>
#include <sstream>

namespace velkora::test {

namespace {

using V3 = std::array<double, 3>;
V3 operator-(V3 a, V3 b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
V3 operator+(V3 a, V3 b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
V3 operator*(double s, V3 a) { return {s * a[0], s * a[1], s * a[2]}; }
double dot(V3 a, V3 b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
V3 cross(V3 a, V3 b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double norm(V3 a) { return std::sqrt(dot(a, a)); }
V3 unit(V3 a) { return (1.0 / norm(a)) * a; }
V3 at(const Polyhedron& s, int v) {
  const Point3& p = s.vertices[static_cast<std::size_t>(v)];
  return {p.x, p.y, p.z};
}

double longestEdge(const Polyhedron& solid) {
  double longest = 0.0;
  for (const auto& face : solid.faces) {
    for (std::size_t k = 0; k < face.size(); ++k) {
      longest =
          std::max(longest, norm(at(solid, face[k]) - at(solid, face[(k + 1) % face.size()])));
    }
  }
  return longest;
}

double area2(const std::vector<Vec2>& p) {
  double sum = 0.0;
  for (std::size_t k = 0; k < p.size(); ++k) {
    const Vec2 a = p[k];
    const Vec2 b = p[(k + 1) % p.size()];
    sum += a.x * b.y - a.y * b.x;
  }
  return sum;
}

// Faces by catalogue index, with their page.
std::map<int, std::pair<int, const NetFace*>> facesOf(const NetDocument& net) {
  std::map<int, std::pair<int, const NetFace*>> faces;
  for (std::size_t p = 0; p < net.pages.size(); ++p) {
    for (const NetFace& f : net.pages[p].faces)
      faces[f.face] = {static_cast<int>(p), &f};
  }
  return faces;
}

int findRoot(std::vector<int>& parent, int x) {
  while (parent[static_cast<std::size_t>(x)] != x)
    x = parent[static_cast<std::size_t>(x)];
  return x;
}

// Pieces as face lists, joined through the fold pairs of all pages.
std::vector<std::vector<int>> piecesOf(const NetDocument& net, std::size_t faceCount) {
  std::vector<int> parent(faceCount);
  std::iota(parent.begin(), parent.end(), 0);
  for (const NetPage& page : net.pages) {
    for (const auto& [a, b] : page.folds)
      parent[static_cast<std::size_t>(findRoot(parent, a))] = findRoot(parent, b);
  }
  std::map<int, std::vector<int>> groups;
  for (std::size_t f = 0; f < faceCount; ++f)
    groups[findRoot(parent, static_cast<int>(f))].push_back(static_cast<int>(f));
  std::vector<std::vector<int>> pieces;
  for (auto& [root, faces] : groups)
    pieces.push_back(faces);
  return pieces;
}

std::vector<Vec2> clip(const std::vector<Vec2>& subject, Vec2 a, Vec2 b) {
  std::vector<Vec2> out;
  const auto side = [&](Vec2 p) { return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x); };
  for (std::size_t k = 0; k < subject.size(); ++k) {
    const Vec2 p = subject[k];
    const Vec2 q = subject[(k + 1) % subject.size()];
    const double sp = side(p);
    const double sq = side(q);
    if (sp >= 0) out.push_back(p);
    if ((sp >= 0) != (sq >= 0)) {
      const double t = sp / (sp - sq);
      out.push_back({p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)});
    }
  }
  return out;
}

}  // namespace

double intersectionArea(const std::vector<Vec2>& a, const std::vector<Vec2>& b) {
  std::vector<Vec2> rest = a;
  for (std::size_t k = 0; k < b.size() && rest.size() >= 3; ++k) {
    rest = clip(rest, b[k], b[(k + 1) % b.size()]);
  }
  return rest.size() >= 3 ? 0.5 * area2(rest) : 0.0;
}

std::string checkTree(const Polyhedron& solid, const NetDocument& net) {
  const auto faces = facesOf(net);
  std::size_t listed = 0;
  for (const NetPage& page : net.pages)
    listed += page.faces.size();
  if (listed != solid.faces.size() || faces.size() != solid.faces.size()) {
    return "faces listed " + std::to_string(listed) + ", distinct " + std::to_string(faces.size()) +
           ", solid has " + std::to_string(solid.faces.size());
  }
  std::size_t folds = 0;
  std::set<std::pair<int, int>> seen;
  for (std::size_t p = 0; p < net.pages.size(); ++p) {
    for (const auto& [a, b] : net.pages[p].folds) {
      ++folds;
      if (!seen.insert({a, b}).second) return "fold listed twice";
      if (faces.at(a).first != static_cast<int>(p) || faces.at(b).first != static_cast<int>(p)) {
        return "fold between faces of different pages";
      }
      // Fold partners share exactly one solid edge.
      const auto& fa = solid.faces[static_cast<std::size_t>(a)];
      const auto& fb = solid.faces[static_cast<std::size_t>(b)];
      int shared = 0;
      for (int v : fa)
        shared += static_cast<int>(std::count(fb.begin(), fb.end(), v));
      if (shared != 2) return "fold between faces without a common edge";
    }
  }
  const auto pieces = piecesOf(net, solid.faces.size());
  if (folds + pieces.size() != solid.faces.size()) {
    return "folds " + std::to_string(folds) + " + pieces " + std::to_string(pieces.size()) +
           " != faces " + std::to_string(solid.faces.size());
  }
  if (static_cast<std::size_t>(net.pieces) != pieces.size()) return "piece count differs";
  for (const auto& piece : pieces) {
    for (int f : piece) {
      if (faces.at(f).first != faces.at(piece.front()).first) return "piece spread over pages";
    }
  }
  return {};
}

std::string checkShapes(const Polyhedron& solid, const NetDocument& net) {
  const double scale = net.edgeMm / longestEdge(solid);
  for (const NetPage& page : net.pages) {
    for (const NetFace& face : page.faces) {
      std::vector<int> expected = solid.faces[static_cast<std::size_t>(face.face)];
      std::vector<int> got = face.vertices;
      std::sort(expected.begin(), expected.end());
      std::sort(got.begin(), got.end());
      if (got != expected || face.polygon.size() != face.vertices.size()) {
        return "face " + std::to_string(face.face) + " corners differ";
      }
      if (area2(face.polygon) <= 0) return "face " + std::to_string(face.face) + " not ccw";
      for (std::size_t i = 0; i < face.polygon.size(); ++i) {
        for (std::size_t j = i + 1; j < face.polygon.size(); ++j) {
          const double paper = std::hypot(face.polygon[i].x - face.polygon[j].x,
                                          face.polygon[i].y - face.polygon[j].y);
          const double want =
              scale * norm(at(solid, face.vertices[i]) - at(solid, face.vertices[j]));
          if (std::abs(paper - want) > 1e-6 * net.edgeMm) {
            std::ostringstream s;
            s << "face " << face.face << " corners " << i << "," << j << ": " << paper
              << " mm, want " << want;
            return s.str();
          }
        }
      }
    }
  }
  return {};
}

std::string checkNoOverlap(const NetDocument& net) {
  const double tolerance = 1e-6 * net.edgeMm * net.edgeMm;
  for (std::size_t p = 0; p < net.pages.size(); ++p) {
    std::vector<std::pair<std::string, const std::vector<Vec2>*>> shapes;
    for (const NetFace& f : net.pages[p].faces)
      shapes.emplace_back("face " + std::to_string(f.face), &f.polygon);
    for (const NetTab& t : net.pages[p].tabs) {
      if (area2(t.polygon) <= 0) return "tab " + std::to_string(t.label) + " not ccw";
      shapes.emplace_back("tab " + std::to_string(t.label), &t.polygon);
    }
    for (std::size_t i = 0; i < shapes.size(); ++i) {
      for (std::size_t j = i + 1; j < shapes.size(); ++j) {
        const double area = intersectionArea(*shapes[i].second, *shapes[j].second);
        if (area > tolerance) {
          std::ostringstream s;
          s << "page " << p << ": " << shapes[i].first << " and " << shapes[j].first
            << " overlap by " << area << " mm2";
          return s.str();
        }
      }
    }
  }
  return {};
}

std::string checkInsideMargins(const NetDocument& net) {
  const double lo = net.marginMm - 1e-9;
  const auto outside = [&](const std::vector<Vec2>& polygon) {
    return std::any_of(polygon.begin(), polygon.end(), [&](Vec2 p) {
      return p.x < lo || p.y < lo || p.x > net.paperWidthMm - lo || p.y > net.paperHeightMm - lo;
    });
  };
  for (const NetPage& page : net.pages) {
    for (const NetFace& f : page.faces) {
      if (outside(f.polygon)) return "face " + std::to_string(f.face) + " outside the margins";
    }
    for (const NetTab& t : page.tabs) {
      if (outside(t.polygon)) return "tab " + std::to_string(t.label) + " outside the margins";
    }
  }
  return {};
}

std::string checkLabelsAndTabs(const NetDocument& net) {
  std::map<int, std::vector<std::pair<int, const NetCut*>>> sides;
  const auto faces = facesOf(net);
  for (std::size_t p = 0; p < net.pages.size(); ++p) {
    for (const NetCut& c : net.pages[p].cuts)
      sides[c.label].push_back({static_cast<int>(p), &c});
  }
  std::map<int, int> tabs;
  for (const NetPage& page : net.pages) {
    for (const NetTab& t : page.tabs)
      ++tabs[t.label];
  }
  for (const auto& [label, list] : sides) {
    if (list.size() != 2)
      return "label " + std::to_string(label) + " on " + std::to_string(list.size()) + " edges";
    std::set<int> ends[2];
    int withTab = 0;
    for (int s = 0; s < 2; ++s) {
      const NetCut& c = *list[static_cast<std::size_t>(s)].second;
      const NetFace& face = *faces.at(c.face).second;
      const std::size_t n = face.polygon.size();
      const Vec2 from = face.polygon[static_cast<std::size_t>(c.edge)];
      const Vec2 to = face.polygon[(static_cast<std::size_t>(c.edge) + 1) % n];
      if (from.x != c.from.x || from.y != c.from.y || to.x != c.to.x || to.y != c.to.y) {
        return "label " + std::to_string(label) + ": cut is not the face's edge";
      }
      ends[s] = {face.vertices[static_cast<std::size_t>(c.edge)],
                 face.vertices[(static_cast<std::size_t>(c.edge) + 1) % n]};
      if (c.hasTab) {
        ++withTab;
        const auto page = static_cast<std::size_t>(list[static_cast<std::size_t>(s)].first);
        // The tab of this label whose glued edge is this side.
        const auto tab = std::find_if(
            net.pages[page].tabs.begin(), net.pages[page].tabs.end(), [&](const NetTab& t) {
              return t.label == label &&
                     std::hypot(t.polygon[1].x - from.x, t.polygon[1].y - from.y) < 1e-9;
            });
        if (tab == net.pages[page].tabs.end())
          return "tab of label " + std::to_string(label) + " not on its page";
        const Vec2 q = tab->polygon[0];
        const Vec2 p = tab->polygon[1];
        if (std::hypot(q.x - to.x, q.y - to.y) > 1e-9 ||
            std::hypot(p.x - from.x, p.y - from.y) > 1e-9) {
          return "tab " + std::to_string(label) + " is not on its edge";
        }
        const double len = std::hypot(to.x - from.x, to.y - from.y);
        for (std::size_t k = 2; k < tab->polygon.size(); ++k) {
          const Vec2 r = tab->polygon[k];
          const double height =
              ((to.x - from.x) * (from.y - r.y) - (to.y - from.y) * (from.x - r.x)) / len;
          // One tab per pair is at least 3 mm high; with a tab on each side a
          // tab may be lower where 3 mm do not fit, but it is still a tab.
          const double lowest = net.tabStyle == TabStyle::Both ? 0.1 : 3.0;
          if (height < lowest - 1e-9) {
            std::ostringstream s;
            s << "tab " << label << " only " << height << " mm high";
            return s.str();
          }
        }
      }
    }
    if (ends[0] != ends[1])
      return "label " + std::to_string(label) + " joins different solid edges";
    const int most = net.tabStyle == TabStyle::Both ? 2 : net.tabStyle == TabStyle::One ? 1 : 0;
    if (withTab != tabs[label] || withTab > most)
      return "label " + std::to_string(label) + " has " + std::to_string(tabs[label]) + " tabs";
  }
  for (const auto& [label, count] : tabs) {
    if (!sides.count(label)) return "tab " + std::to_string(label) + " without a cut";
  }
  for (std::size_t k = 1; k <= sides.size(); ++k) {
    if (!sides.count(static_cast<int>(k))) return "labels not numbered 1..n";
  }
  return {};
}

std::string checkEveryEdgeOnce(const Polyhedron& solid, const NetDocument& net) {
  // The solid's edges as vertex pairs, smaller index first.
  using Ends = std::pair<int, int>;
  const auto ends = [](int a, int b) { return Ends{std::min(a, b), std::max(a, b)}; };
  std::map<Ends, std::pair<int, int>> uses;  // folds, cut sides
  for (const auto& face : solid.faces) {
    for (std::size_t k = 0; k < face.size(); ++k)
      uses[ends(face[k], face[(k + 1) % face.size()])] = {0, 0};
  }
  const auto faces = facesOf(net);
  std::size_t folds = 0;
  std::size_t cutSides = 0;
  std::map<Ends, std::set<int>> labelsOf;
  for (const NetPage& page : net.pages) {
    for (const auto& [a, b] : page.folds) {
      ++folds;
      const auto& fa = solid.faces[static_cast<std::size_t>(a)];
      const auto& fb = solid.faces[static_cast<std::size_t>(b)];
      std::vector<int> shared;
      for (int v : fa) {
        if (std::count(fb.begin(), fb.end(), v)) shared.push_back(v);
      }
      if (shared.size() != 2) return "fold " + std::to_string(a) + "-" + std::to_string(b);
      ++uses[ends(shared[0], shared[1])].first;
    }
    for (const NetCut& c : page.cuts) {
      ++cutSides;
      const auto& v = faces.at(c.face).second->vertices;
      const auto k = static_cast<std::size_t>(c.edge);
      const Ends e = ends(v[k], v[(k + 1) % v.size()]);
      ++uses[e].second;
      labelsOf[e].insert(c.label);
    }
  }
  for (const auto& [e, count] : uses) {
    const bool fold = count.first == 1 && count.second == 0;
    const bool cut = count.first == 0 && count.second == 2 && labelsOf[e].size() == 1;
    if (!fold && !cut) {
      return "edge " + std::to_string(e.first) + "-" + std::to_string(e.second) + ": " +
             std::to_string(count.first) + " folds, " + std::to_string(count.second) + " cut sides";
    }
  }
  if (uses.size() != solid.faces.size() + solid.vertices.size() - 2) return "not Euler's count";
  if (2 * folds + cutSides != 2 * uses.size()) {
    return "folds " + std::to_string(folds) + " + cut sides " + std::to_string(cutSides) +
           " / 2 != edges " + std::to_string(uses.size());
  }
  return {};
}

std::string checkTabTops(const NetDocument& net) {
  for (const NetPage& page : net.pages) {
    for (const NetTab& t : page.tabs) {
      if (t.polygon.size() != 4) return "tab " + std::to_string(t.label) + " is no trapezoid";
      const auto distance = [](Vec2 a, Vec2 b) { return std::hypot(a.x - b.x, a.y - b.y); };
      const double base = distance(t.polygon[0], t.polygon[1]);
      const double top = distance(t.polygon[2], t.polygon[3]);
      if (top < 0.1 * base * (1.0 - 1e-9)) {
        std::ostringstream s;
        s << "tab " << t.label << ": top " << top << " mm on a " << base << " mm edge";
        return s.str();
      }
    }
  }
  return {};
}

std::string checkNoTabMissing(const NetDocument& net) {
  if (!net.tabs) return {};
  if (net.tabStyle == TabStyle::Both) {
    for (const NetPage& page : net.pages) {
      for (const NetCut& c : page.cuts) {
        if (!c.hasTab) {
          return "label " + std::to_string(c.label) + " has no tab on face " +
                 std::to_string(c.face) + " edge " + std::to_string(c.edge);
        }
      }
    }
    return {};
  }
  std::set<int> tabbed;
  for (const NetPage& page : net.pages) {
    for (const NetTab& t : page.tabs)
      tabbed.insert(t.label);
  }
  for (const NetPage& page : net.pages) {
    for (const NetCut& c : page.cuts) {
      if (tabbed.count(c.label) > 0) continue;
      const Vec2 p = c.from;
      const Vec2 q = c.to;
      const double len = std::hypot(q.x - p.x, q.y - p.y);
      const Vec2 along{(q.x - p.x) / len, (q.y - p.y) / len};
      const Vec2 out{along.y, -along.x};  // faces run counter-clockwise: outside is on the right
      constexpr double kHeight = 3.0;
      // A 3 mm tab with sides at 45 degrees or steeper and a top of a tenth of
      // the edge: its top starts somewhere from 3 mm after p to 3 mm plus a
      // tenth before q. A longer top only adds paper to a shorter one inside
      // the same sides, so the shortest tops are the ones to try; sweep where
      // they start.
      const double top = 0.1 * len;
      const double first = kHeight;
      const double last = len - kHeight - top;
      constexpr int kSteps = 64;
      for (int step = 0; step <= kSteps && last >= first; ++step) {
        const double start = first + (last - first) * step / kSteps;
        const Vec2 lift{p.x + kHeight * out.x, p.y + kHeight * out.y};
        const std::vector<Vec2> tab{
            q,
            p,
            {lift.x + start * along.x, lift.y + start * along.y},
            {lift.x + (start + top) * along.x, lift.y + (start + top) * along.y}};
        bool blocked = false;
        for (const NetFace& f : page.faces)
          blocked = blocked || intersectionArea(tab, f.polygon) > 1e-8;
        for (const NetTab& t : page.tabs)
          blocked = blocked || intersectionArea(tab, t.polygon) > 1e-8;
        if (!blocked) {
          std::ostringstream s;
          s << "label " << c.label << " has no tab, but a 3 mm tab with its top " << start
            << " mm along fits on face " << c.face << " edge " << c.edge;
          return s.str();
        }
      }
    }
  }
  return {};
}

namespace {

// How much of segment a-b lies inside the convex counter-clockwise polygon, as a
// length (Cyrus-Beck clipping).
double lengthInside(Vec2 a, Vec2 b, const std::vector<Vec2>& polygon) {
  double enter = 0.0, leave = 1.0;
  const Vec2 d{b.x - a.x, b.y - a.y};
  for (std::size_t k = 0; k < polygon.size() && enter < leave; ++k) {
    const Vec2 p = polygon[k];
    const Vec2 q = polygon[(k + 1) % polygon.size()];
    // Inside is left of p -> q: s(t) = cross(q - p, a + t d - p) >= 0.
    const double s0 = (q.x - p.x) * (a.y - p.y) - (q.y - p.y) * (a.x - p.x);
    const double ds = (q.x - p.x) * d.y - (q.y - p.y) * d.x;
    if (ds == 0.0) {
      if (s0 <= 0.0) return 0.0;
    } else if (ds > 0.0) {
      enter = std::max(enter, -s0 / ds);
    } else {
      leave = std::min(leave, -s0 / ds);
    }
  }
  return leave > enter ? (leave - enter) * std::hypot(d.x, d.y) : 0.0;
}

double segmentDistance(Vec2 a, Vec2 b, Vec2 p) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  const double t =
      len2 > 0.0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
  return std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y);
}

// The distance between the outlines of two polygons that do not overlap: the
// nearest points lie on their rims, and one of them is a corner.
double polygonDistance(const std::vector<Vec2>& a, const std::vector<Vec2>& b) {
  double nearest = std::numeric_limits<double>::infinity();
  for (int pass = 0; pass < 2; ++pass) {
    const std::vector<Vec2>& rim = pass == 0 ? a : b;
    const std::vector<Vec2>& corners = pass == 0 ? b : a;
    for (std::size_t k = 0; k < rim.size(); ++k) {
      for (const Vec2& c : corners)
        nearest = std::min(nearest, segmentDistance(rim[k], rim[(k + 1) % rim.size()], c));
    }
  }
  return nearest;
}

}  // namespace

std::string checkLabels(const NetDocument& net, int page, const std::vector<NetLabel>& labels) {
  const NetPage& p = net.pages[static_cast<std::size_t>(page)];
  std::vector<std::pair<Vec2, Vec2>> lines;
  for (const NetFace& f : p.faces) {
    for (std::size_t k = 0; k < f.polygon.size(); ++k)
      lines.emplace_back(f.polygon[k], f.polygon[(k + 1) % f.polygon.size()]);
  }
  for (const NetTab& t : p.tabs) {
    // Corners 1, 2, 3 and back to 0: the three cut sides of the trapezoid.
    for (std::size_t k = 1; k < t.polygon.size(); ++k)
      lines.emplace_back(t.polygon[k], t.polygon[(k + 1) % t.polygon.size()]);
  }
  const auto name = [&](std::size_t k) {
    return "label '" + labels[k].text + "' (kind " +
           std::to_string(static_cast<int>(labels[k].kind)) + ")";
  };
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const std::vector<Vec2>& box = labels[i].box;
    if (box.size() != 4 || area2(box) <= 0.0) return name(i) + " has no counter-clockwise box";
    for (const Vec2& corner : box) {
      const double lo = net.marginMm - 1e-9;
      if (corner.x < lo || corner.y < lo || corner.x > net.paperWidthMm - lo ||
          corner.y > net.paperHeightMm - lo) {
        std::ostringstream s;
        s << name(i) << " reaches into the margin at " << corner.x << ", " << corner.y;
        return s.str();
      }
    }
    for (std::size_t j = i + 1; j < labels.size(); ++j) {
      const double area = intersectionArea(box, labels[j].box);
      if (area > 1e-9) {
        std::ostringstream s;
        s << "page " << page << ": " << name(i) << " and " << name(j) << " overlap by " << area
          << " mm2";
        return s.str();
      }
      // The page's head and foot are set as one block of lines; every number
      // keeps the gap from everything.
      const auto isPageText = [&](std::size_t k) {
        return labels[k].kind == LabelKind::PageText || labels[k].kind == LabelKind::ScaleBar;
      };
      if (isPageText(i) && isPageText(j)) continue;
      const double gap = polygonDistance(box, labels[j].box);
      if (gap < kLabelGapMm - 1e-9) {
        std::ostringstream s;
        s << "page " << page << ": " << name(i) << " and " << name(j) << " are only " << gap
          << " mm apart";
        return s.str();
      }
    }
    for (const auto& [a, b] : lines) {
      const double inside = lengthInside(a, b, box);
      if (inside > 1e-9) {
        std::ostringstream s;
        s << "page " << page << ": " << name(i) << " lies on the line " << a.x << "," << a.y
          << " - " << b.x << "," << b.y << " for " << inside << " mm";
        return s.str();
      }
    }
  }
  return {};
}

namespace {

struct Motion {
  std::array<V3, 3> rows{V3{1, 0, 0}, V3{0, 1, 0}, V3{0, 0, 1}};
  V3 shift{0, 0, 0};
  V3 apply(V3 p) const { return V3{dot(rows[0], p), dot(rows[1], p), dot(rows[2], p)} + shift; }
};

Motion compose(const Motion& outer, const Motion& inner) {
  Motion m;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      m.rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = 0;
      for (int k = 0; k < 3; ++k) {
        m.rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] +=
            outer.rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)] *
            inner.rows[static_cast<std::size_t>(k)][static_cast<std::size_t>(j)];
      }
    }
  }
  m.shift = outer.apply(inner.shift);
  return m;
}

// Rotation by angle about the line through p with direction axis (Rodrigues).
Motion rotationAbout(V3 p, V3 axis, double angle) {
  const V3 k = unit(axis);
  const double c = std::cos(angle), s = std::sin(angle);
  Motion m;
  for (int i = 0; i < 3; ++i) {
    V3 e{0, 0, 0};
    e[static_cast<std::size_t>(i)] = 1;
    const V3 r = c * e + s * cross(k, e) + ((1 - c) * dot(k, e)) * k;
    for (int j = 0; j < 3; ++j)
      m.rows[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)] =
          r[static_cast<std::size_t>(j)];
  }
  m.shift = p - V3{dot(m.rows[0], p), dot(m.rows[1], p), dot(m.rows[2], p)};
  return m;
}

V3 outwardNormal(const Polyhedron& solid, int face, V3 centre) {
  // Sum over all corners (Newell): the catalogue's rounding spreads over the face.
  const auto& c = solid.faces[static_cast<std::size_t>(face)];
  V3 n{0, 0, 0};
  for (std::size_t k = 0; k < c.size(); ++k) {
    n = n + cross(at(solid, c[k]) - centre, at(solid, c[(k + 1) % c.size()]) - centre);
  }
  if (dot(n, at(solid, c[0]) - centre) < 0) n = -1.0 * n;
  return unit(n);
}

std::array<V3, 3> frame(V3 a, V3 b, V3 c) {
  const V3 e1 = unit(b - a);
  const V3 e3 = unit(cross(e1, c - a));
  return {e1, cross(e3, e1), e3};
}

}  // namespace

std::string checkFolding(const Polyhedron& solid, const NetDocument& net, double tolerance,
                         double* worst) {
  const auto faces = facesOf(net);
  V3 centre{0, 0, 0};
  for (std::size_t v = 0; v < solid.vertices.size(); ++v)
    centre = centre + at(solid, static_cast<int>(v));
  centre = (1.0 / static_cast<double>(solid.vertices.size())) * centre;
  const double scale = net.edgeMm / longestEdge(solid);
  double diameter = 0.0;
  for (std::size_t v = 0; v < solid.vertices.size(); ++v) {
    diameter = std::max(diameter, 2.0 * scale * norm(at(solid, static_cast<int>(v)) - centre));
  }
  if (worst) *worst = 0.0;
  std::map<int, std::vector<int>> foldsOf;
  for (const NetPage& page : net.pages) {
    for (const auto& [a, b] : page.folds) {
      foldsOf[a].push_back(b);
      foldsOf[b].push_back(a);
    }
  }
  const auto flat = [&](int face, std::size_t k) {
    const Vec2 p = faces.at(face).second->polygon[k];
    return V3{p.x, p.y, 0.0};
  };
  for (const auto& piece : piecesOf(net, solid.faces.size())) {
    // Printed side up is the outside: every face is folded down behind its parent.
    std::map<int, Motion> motion{{piece.front(), Motion{}}};
    std::vector<int> queue{piece.front()};
    for (std::size_t head = 0; head < queue.size(); ++head) {
      const int f = queue[head];
      for (int g : foldsOf[f]) {
        if (motion.count(g)) continue;
        const NetFace& fg = *faces.at(g).second;
        std::vector<std::size_t> shared;
        for (std::size_t k = 0; k < fg.vertices.size(); ++k) {
          const auto& fv = faces.at(f).second->vertices;
          if (std::count(fv.begin(), fv.end(), fg.vertices[k])) shared.push_back(k);
        }
        if (shared.size() != 2) return "fold without a shared edge";
        const V3 p = flat(g, shared[0]);
        const V3 axis = flat(g, shared[1]) - p;
        const double bend = std::acos(std::clamp(
            dot(outwardNormal(solid, f, centre), outwardNormal(solid, g, centre)), -1.0, 1.0));
        V3 mid{0, 0, 0};
        for (std::size_t k = 0; k < fg.polygon.size(); ++k)
          mid = mid + flat(g, k);
        mid = (1.0 / static_cast<double>(fg.polygon.size())) * mid;
        // In f's flat frame the solid lies below (z < 0).
        Motion turn = rotationAbout(p, axis, bend);
        if (turn.apply(mid)[2] > 0) turn = rotationAbout(p, axis, -bend);
        motion[g] = compose(motion[f], turn);
        queue.push_back(g);
      }
    }
    // Every corner of the piece, folded, and where the catalogue puts it.
    const NetFace& root = *faces.at(piece.front()).second;
    const auto folded = frame(motion[root.face].apply(flat(root.face, 0)),
                              motion[root.face].apply(flat(root.face, 1)),
                              motion[root.face].apply(flat(root.face, 2)));
    const V3 foldedOrigin = motion[root.face].apply(flat(root.face, 0));
    const auto catalogue =
        frame(scale * at(solid, root.vertices[0]), scale * at(solid, root.vertices[1]),
              scale * at(solid, root.vertices[2]));
    const V3 catalogueOrigin = scale * at(solid, root.vertices[0]);
    for (int f : piece) {
      const NetFace& face = *faces.at(f).second;
      for (std::size_t k = 0; k < face.vertices.size(); ++k) {
        const V3 d = motion[f].apply(flat(f, k)) - foldedOrigin;
        const V3 local{dot(d, folded[0]), dot(d, folded[1]), dot(d, folded[2])};
        const V3 placed = catalogueOrigin + local[0] * catalogue[0] + local[1] * catalogue[1] +
                          local[2] * catalogue[2];
        const double error = norm(placed - scale * at(solid, face.vertices[k]));
        if (worst) *worst = std::max(*worst, error / diameter);
        if (error > tolerance * diameter) {
          std::ostringstream s;
          s << "face " << f << " corner " << face.vertices[k] << " folds " << error << " mm away";
          return s.str();
        }
      }
    }
  }
  return {};
}

}  // namespace velkora::test
