#include "kaleidoscope/kaleidoscope_tour.h"

#include <algorithm>
#include <cmath>

namespace velkora {

namespace {

constexpr double kZeroWeight = 1e-6;

// Nothing on side or corner: the inside. One weight 0: a side. Two: a corner.
int zeroWeights(WythoffWeights w) {
  return (w.a < kZeroWeight ? 1 : 0) + (w.b < kZeroWeight ? 1 : 0) + (w.c < kZeroWeight ? 1 : 0);
}

}  // namespace

std::vector<WythoffWeights> kaleidoscopeTour(std::span<const KaleidoscopeStop> stops) {
  // The corners and the stops on the sides in turn round the triangle, back
  // to the start, then to the stop inside.
  std::vector<WythoffWeights> tour;
  const std::vector<WythoffWeights> around = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 0}};
  for (std::size_t corner = 0; corner + 1 < around.size(); ++corner) {
    tour.push_back(around[corner]);
    for (const KaleidoscopeStop& stop : stops) {
      const WythoffWeights w = stop.weights;
      const bool onThisSide = zeroWeights(w) == 1 && ((corner == 0 && w.c < kZeroWeight) ||
                                                      (corner == 1 && w.a < kZeroWeight) ||
                                                      (corner == 2 && w.b < kZeroWeight));
      if (onThisSide) tour.push_back(w);
    }
  }
  tour.push_back(around.back());
  for (const KaleidoscopeStop& stop : stops) {
    if (zeroWeights(stop.weights) == 0) tour.push_back(stop.weights);
  }
  return tour;
}

WythoffWeights tourPoint(std::span<const WythoffWeights> tour, std::size_t leg, double s) {
  const WythoffWeights from = tour[leg];
  if (s <= 0.0) return from;
  const WythoffWeights to = tour[(leg + 1) % tour.size()];
  return *normalisedWeights(from.a + (to.a - from.a) * s, from.b + (to.b - from.b) * s,
                            from.c + (to.c - from.c) * s);
}

WythoffWeights tourPointAt(std::span<const WythoffWeights> tour, double phase) {
  const double along = std::clamp(phase, 0.0, 1.0) * static_cast<double>(tour.size());
  const auto leg = std::min(static_cast<std::size_t>(std::floor(along)), tour.size() - 1);
  return tourPoint(tour, leg, along - static_cast<double>(leg));
}

}  // namespace velkora
