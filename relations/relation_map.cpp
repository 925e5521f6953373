#include "relations/relation_map.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "base/family.h"
#include "jitterbug/jitterbug_solid.h"
#include "kaleidoscope/kaleidoscope_solid.h"
#include "kaleidoscope/wythoff.h"
#include "morph/dual_morph.h"
#include "morph/morph_solid.h"

namespace velkora {
namespace {

constexpr double kOnCorner = 1e-9;  // a weight this small is zero: the point lies on that side

bool isPlatonic(std::span<const Solid> catalogue, int position) {
  return position >= 0 && position < static_cast<int>(catalogue.size()) &&
         catalogue[static_cast<std::size_t>(position)].family == Family::Platonic;
}

std::array<double, 3> weightsOf(const WythoffWeights& w) { return {w.a, w.b, w.c}; }

// The relations of one family's kaleidoscope. Of the triangle's corners the
// one with the most copies (on the two-fold axes, the edges' midpoints) makes
// the rectified solid; the other two make the family's Platonic solids, the
// ends, which the stops on the sides and inside are operations on.
void addKaleidoscope(std::span<const Solid> catalogue, SettledShapes& settled, WythoffFamily family,
                     std::vector<Relation>& relations) {
  const Kaleidoscope kaleidoscope(family);
  const std::vector<KaleidoscopeStop> stops =
      kaleidoscopeStops(kaleidoscope, catalogue, WythoffCopies::Reflections, settled);
  std::array<int, 3> cornerSolid{-1, -1, -1};
  for (const KaleidoscopeStop& stop : stops) {
    const auto w = weightsOf(stop.weights);
    for (std::size_t k = 0; k < 3; ++k) {
      if (w[k] > 1.0 - kOnCorner) cornerSolid[k] = stop.position;
    }
  }
  if (std::find(cornerSolid.begin(), cornerSolid.end(), -1) != cornerSolid.end()) return;
  const auto copies = [&](std::size_t k) {
    return catalogue[static_cast<std::size_t>(cornerSolid[k])].geometry.vertices.size();
  };
  std::size_t rectified = 0;
  for (std::size_t k = 1; k < 3; ++k) {
    if (copies(k) > copies(rectified)) rectified = k;
  }
  // From each end among which (a corner that is not the rectified one) to the solid to.
  WythoffWeights at;
  const auto fromEnds = [&](RelationKind kind, int to, std::array<bool, 3> which) {
    for (std::size_t k = 0; k < 3; ++k) {
      if (k != rectified && which[k] && isPlatonic(catalogue, cornerSolid[k]) &&
          cornerSolid[k] != to)
        relations.push_back({cornerSolid[k], kind, to, family, at});
    }
  };
  constexpr std::array<bool, 3> kBothEnds{true, true, true};
  for (const KaleidoscopeStop& stop : stops) {
    if (stop.position < 0) continue;
    at = stop.weights;
    const auto w = weightsOf(stop.weights);
    std::array<bool, 3> on{};
    int count = 0;
    for (std::size_t k = 0; k < 3; ++k) {
      on[k] = w[k] > kOnCorner;
      count += on[k] ? 1 : 0;
    }
    if (count == 1) {
      if (on[rectified]) fromEnds(RelationKind::Rectify, stop.position, kBothEnds);
    } else if (count == 2) {
      // The side between the ends cantellates both; a side from an end to
      // the rectified corner truncates that end's solid.
      fromEnds(on[rectified] ? RelationKind::Truncate : RelationKind::Cantellate, stop.position,
               on);
    } else {
      fromEnds(RelationKind::Omnitruncate, stop.position, kBothEnds);
    }
  }
  for (const KaleidoscopeStop& stop :
       kaleidoscopeStops(kaleidoscope, catalogue, WythoffCopies::Rotations, settled)) {
    const auto w = weightsOf(stop.weights);
    const bool inside = std::all_of(w.begin(), w.end(), [](double v) { return v > kOnCorner; });
    at = stop.weights;
    if (stop.position >= 0 && inside) fromEnds(RelationKind::Snub, stop.position, kBothEnds);
  }
}

}  // namespace

std::string_view relationKey(RelationKind kind) {
  switch (kind) {
    case RelationKind::Dual:
      return "dual";
    case RelationKind::Truncate:
      return "truncate";
    case RelationKind::Rectify:
      return "rectify";
    case RelationKind::Cantellate:
      return "cantellate";
    case RelationKind::Omnitruncate:
      return "omnitruncate";
    case RelationKind::Snub:
      return "snub";
    case RelationKind::Jitterbug:
      return "jitterbug";
  }
  return "";
}

std::vector<Relation> relationMap(std::span<const Solid> catalogue) {
  std::vector<Relation> relations;
  // Every search below compares with the same settled catalogue.
  SettledShapes settled = settledCatalogue(catalogue);
  for (const Solid& solid : catalogue) {
    // A Catalan solid's morph is its dual's path run backwards: the pair is
    // found from the other end.
    if (solid.family == Family::Catalan) continue;
    const std::vector<SolidStop> stops = morphStops(DualMorph(solid.geometry), catalogue, settled);
    if (stops.empty() || stops.back().t < 1.0 - 1e-9 || stops.back().position < 0) continue;
    const int dual = stops.back().position;
    relations.push_back({std::min(solid.position, dual),
                         RelationKind::Dual,
                         std::max(solid.position, dual),
                         WythoffFamily::O,
                         {}});
  }
  for (const WythoffFamily family : {WythoffFamily::T, WythoffFamily::O, WythoffFamily::I})
    addKaleidoscope(catalogue, settled, family, relations);
  const std::vector<JitterbugStop> stops = jitterbugStops(catalogue, settled);
  for (std::size_t k = 1; k < stops.size(); ++k) {
    if (stops[k - 1].position >= 0 && stops[k].position >= 0)
      relations.push_back({stops[k - 1].position,
                           RelationKind::Jitterbug,
                           stops[k].position,
                           WythoffFamily::O,
                           {}});
  }
  const auto order = [](const Relation& r) { return std::tuple(r.kind, r.from, r.to); };
  std::stable_sort(relations.begin(), relations.end(),
                   [&](const Relation& a, const Relation& b) { return order(a) < order(b); });
  relations.erase(
      std::unique(relations.begin(), relations.end(),
                  [&](const Relation& a, const Relation& b) { return order(a) == order(b); }),
      relations.end());
  return relations;
}

}  // namespace velkora
