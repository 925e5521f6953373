#include "nets/tabs.h"

#include <algorithm>
#include <array>
#include <optional>

namespace velkora {

namespace {

constexpr double kTolerance = 1e-6;  // mm: shared edges and corners are no overlap

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

// The first outline on edge p -> q, from the full height with the gentlest
// slants down to the lowest allowed one, that touches no obstacle. A side
// leaning in far lets the tab reach into the narrow gap between two cut edges.
std::optional<std::vector<Vec2>> fittingTab(Vec2 p, Vec2 q,
                                            const std::vector<Obstacle>& obstacles) {
  const double edge = norm(q - p);
  const double full = tabReachMm(edge);
  struct Slant {
    double p, q;  // inset per height at each end
  };
  constexpr std::array<Slant, 9> kSlants{{{1.0, 1.0},
                                          {1.6, 1.6},
                                          {2.5, 2.5},
                                          {4.0, 1.0},
                                          {1.0, 4.0},
                                          {6.0, 1.0},
                                          {1.0, 6.0},
                                          {9.0, 1.0},
                                          {1.0, 9.0}}};
  for (double height = full; height >= kTabMinMm - 1e-9; height *= 0.8) {
    for (const Slant& slant : kSlants) {
      const double insetP = slant.p * height;
      const double insetQ = slant.q * height;
      // Keep a top edge of at least a tenth of the edge.
      if (insetP + insetQ > 0.9 * edge) continue;
      auto shape = tabOutline(p, q, height, insetP, insetQ);
      if (!blocked(shape, obstacles)) return shape;
    }
    if (height > kTabMinMm && height * 0.8 < kTabMinMm) height = kTabMinMm / 0.8;
  }
  return std::nullopt;
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
  const auto tabOn = [&](int face, int edge) -> std::optional<std::vector<Vec2>> {
    const auto& polygon = faces[static_cast<std::size_t>(face)];
    const Vec2 p = polygon[static_cast<std::size_t>(edge)];
    const Vec2 q = polygon[(static_cast<std::size_t>(edge) + 1) % polygon.size()];
    return fittingTab(p, q, obstaclesOf(pieceOf[static_cast<std::size_t>(face)]));
  };
  for (const CutPair& pair : pairs) {
    if (bothSides) {
      if (auto shape = tabOn(pair.faceA, pair.edgeA))
        placed.push_back({pair.label, pair.faceA, pair.edgeA, std::move(*shape)});
      if (auto shape = tabOn(pair.faceB, pair.edgeB))
        placed.push_back({pair.label, pair.faceB, pair.edgeB, std::move(*shape)});
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
