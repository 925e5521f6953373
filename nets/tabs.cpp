#include "nets/tabs.h"

#include <algorithm>
#include <array>
#include <optional>

namespace velkora {

namespace {

constexpr double kTolerance = 1e-6;  // mm: shared edges and corners are no overlap

struct Slant {
  double p, q;  // inset per height at each end
};

struct Obstacle {
  Box box;
  const std::vector<Vec2>* polygon;
};

bool blocked(const std::vector<Vec2>& shape, const std::vector<Obstacle>& obstacles) {
  const Box box = boundsOf(shape);
  for (const Obstacle& o : obstacles) {
    if (boxesOverlap(box, o.box, kTolerance) && convexOverlap(shape, *o.polygon, kTolerance)) {
      return true;
    }
  }
  return false;
}

constexpr std::array<Slant, 9> kSlants{{{1.0, 1.0},
                                        {1.6, 1.6},
                                        {2.5, 2.5},
                                        {4.0, 1.0},
                                        {1.0, 4.0},
                                        {6.0, 1.0},
                                        {1.0, 6.0},
                                        {9.0, 1.0},
                                        {1.0, 9.0}}};

// The first outline on edge p -> q at this height, from the gentlest slants to
// the steepest, that touches no obstacle. A side leaning in far lets the tab
// reach into the narrow gap between two cut edges.
std::optional<std::vector<Vec2>> fittingAt(Vec2 p, Vec2 q, double height, double edge,
                                           const std::vector<Obstacle>& obstacles) {
  for (const Slant& slant : kSlants) {
    const double insetP = slant.p * height;
    const double insetQ = slant.q * height;
    // Keep a top edge of at least a tenth of the edge.
    if (insetP + insetQ > 0.9 * edge) continue;
    auto shape = tabOutline(p, q, height, insetP, insetQ);
    if (!blocked(shape, obstacles)) return shape;
  }
  return std::nullopt;
}

// The last resort at the lowest height: a top of a tenth of the edge, moved
// along the edge in small steps, both sides leaning in at 45 degrees or
// more. Finds the room between two obstacles that the slants above miss.
std::optional<std::vector<Vec2>> slidingAt(Vec2 p, Vec2 q, double height, double edge,
                                           const std::vector<Obstacle>& obstacles) {
  constexpr int kSteps = 128;
  const double top = 0.1 * edge;
  const double room = edge - 2 * height - top;  // for the top's start beyond height
  if (room < 0.0) return std::nullopt;
  for (int step = 0; step <= kSteps; ++step) {
    // From the middle outwards, alternately towards p and towards q.
    const int k = kSteps / 2 + (step % 2 == 0 ? step / 2 : -(step + 1) / 2);
    const double insetP = height + room * k / kSteps;
    auto shape = tabOutline(p, q, height, insetP, edge - top - insetP);
    if (!blocked(shape, obstacles)) return shape;
  }
  return std::nullopt;
}

// The first outline on edge p -> q, from the height highest (at most the
// edge's reach) down to lowest, that touches no obstacle; at lowest also
// sliding its top along the edge.
std::optional<std::vector<Vec2>> fittingTab(Vec2 p, Vec2 q, const std::vector<Obstacle>& obstacles,
                                            double highest, double lowest) {
  const double edge = norm(q - p);
  const double start = std::min(tabReachMm(edge), highest);
  for (double height = start; height >= lowest - 1e-9; height *= 0.8) {
    if (auto shape = fittingAt(p, q, height, edge, obstacles)) return shape;
    if (height > lowest && height * 0.8 < lowest) height = lowest / 0.8;
  }
  return slidingAt(p, q, lowest, edge, obstacles);
}

// The other obstacles and the tab just found, for the tab that comes next.
std::vector<Obstacle> with(std::vector<Obstacle> obstacles, const std::vector<Vec2>& tab) {
  obstacles.push_back({boundsOf(tab), &tab});
  return obstacles;
}

}  // namespace

// Short edges still get the lowest useful tab, so that tabs never vanish as
// the edge size crosses a threshold.
double tabReachMm(double edgeMm) {
  return std::clamp(kTabEdgeRatio * edgeMm, kTabMinMm, kTabMaxMm);
}

std::vector<Vec2> tabOutline(Vec2 p, Vec2 q, double height, double insetP, double insetQ) {
  const Vec2 d = q - p;
  const double len = norm(d);
  const Vec2 along{d.x / len, d.y / len};
  const Vec2 out{along.y, -along.x};  // right of p -> q: away from the face
  return {q, p, p + height * out + insetP * along, q + height * out - insetQ * along};
}

std::vector<PlacedTab> planTabs(const std::vector<std::vector<Vec2>>& faces,
                                const std::vector<int>& pieceOf, const std::vector<CutPair>& pairs,
                                bool bothSides) {
  std::vector<PlacedTab> placed;
  placed.reserve(2 * pairs.size());
  std::vector<Box> faceBoxes;
  for (const auto& f : faces)
    faceBoxes.push_back(boundsOf(f));
  const auto obstaclesOf = [&](int piece) {
    std::vector<Obstacle> obstacles;
    for (std::size_t f = 0; f < faces.size(); ++f) {
      if (pieceOf[f] == piece) obstacles.push_back({faceBoxes[f], &faces[f]});
    }
    for (const PlacedTab& t : placed) {
      if (pieceOf[static_cast<std::size_t>(t.face)] == piece) {
        obstacles.push_back({boundsOf(t.polygon), &t.polygon});
      }
    }
    return obstacles;
  };
  const auto edgeOf = [&](int face, int edge) {
    const auto& polygon = faces[static_cast<std::size_t>(face)];
    return std::pair{polygon[static_cast<std::size_t>(edge)],
                     polygon[(static_cast<std::size_t>(edge) + 1) % polygon.size()]};
  };
  const auto tabOn = [&](int face, int edge) -> std::optional<std::vector<Vec2>> {
    const auto [p, q] = edgeOf(face, edge);
    return fittingTab(p, q, obstaclesOf(pieceOf[static_cast<std::size_t>(face)]), kTabMaxMm,
                      kTabMinMm);
  };
  for (const CutPair& pair : pairs) {
    if (bothSides) {
      const auto [pA, qA] = edgeOf(pair.faceA, pair.edgeA);
      const auto [pB, qB] = edgeOf(pair.faceB, pair.edgeB);
      const auto obstaclesA = obstaclesOf(pieceOf[static_cast<std::size_t>(pair.faceA)]);
      const auto obstaclesB = obstaclesOf(pieceOf[static_cast<std::size_t>(pair.faceB)]);
      const bool samePiece = pieceOf[static_cast<std::size_t>(pair.faceA)] ==
                             pieceOf[static_cast<std::size_t>(pair.faceB)];
      // Where B finds no room beside A (two cut edges meeting in a narrow
      // notch), both are made lower until both fit: never a side without.
      std::optional<std::vector<Vec2>> a, b;
      for (double cap = kTabMaxMm; cap >= kTabSliverMm - 1e-9; cap *= 0.8) {
        const double lowest = std::min(cap, kTabMinMm);
        a = fittingTab(pA, qA, obstaclesA, cap, lowest);
        if (!a) continue;
        b = fittingTab(pB, qB, samePiece ? with(obstaclesB, *a) : obstaclesB, cap, lowest);
        if (b) break;
      }
      if (!a || !b) {
        // Not even slivers fit side by side: slivers all the same.
        const auto sliver = [](Vec2 p, Vec2 q) {
          const double middle = 0.449 * norm(q - p);
          return tabOutline(p, q, kTabSliverMm, middle, middle);
        };
        a = sliver(pA, qA);
        b = sliver(pB, qB);
      }
      placed.push_back({pair.label, pair.faceA, pair.edgeA, std::move(*a)});
      placed.push_back({pair.label, pair.faceB, pair.edgeB, std::move(*b)});
      continue;
    }
    std::optional<PlacedTab> chosen;
    double chosenArea = 0.0;
    for (int side = 0; side < 2; ++side) {
      const int face = side == 0 ? pair.faceA : pair.faceB;
      const int edge = side == 0 ? pair.edgeA : pair.edgeB;
      auto shape = tabOn(face, edge);
      if (!shape) continue;
      const double area = doubleArea(*shape);
      if (!chosen || area > chosenArea * (1.0 + 1e-9)) {
        chosen = PlacedTab{pair.label, face, edge, std::move(*shape)};
        chosenArea = area;
      }
    }
    if (chosen) placed.push_back(std::move(*chosen));
  }
  return placed;
}

}  // namespace velkora
