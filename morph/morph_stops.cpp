#include "morph/morph_stops.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "morph/canonical_form.h"

namespace velkora {

namespace {

// Golden-section steps between two events: the bracket shrinks to 0.618^60,
// far below the catalogue's precision.
constexpr int kSearchSteps = 60;
// A minimum closer than this to an event is that event, already looked at.
constexpr double kNearEvent = 1e-7;

std::vector<double> edgeLengths(const Polyhedron& solid) {
  const std::vector<std::pair<int, int>> edges = edgesOf(solid.faces);
  std::vector<double> lengths;
  lengths.reserve(edges.size());
  for (const auto& [a, b] : edges) {
    lengths.push_back(norm(solid.vertices[static_cast<std::size_t>(a)] -
                           solid.vertices[static_cast<std::size_t>(b)]));
  }
  return lengths;
}

// How uneven the edges of M(t) are: longest / shortest - 1.
double unevenness(const DualMorph& morph, double t) {
  const std::vector<double> lengths = edgeLengths(morph.at(t));
  if (lengths.empty()) return INFINITY;
  const auto [shortest, longest] = std::minmax_element(lengths.begin(), lengths.end());
  return *shortest > 0.0 ? *longest / *shortest - 1.0 : INFINITY;
}

// The most even parameter strictly between a and b. Between two events the
// edge lengths are affine in the scale, so their ratio has one minimum.
double mostEven(const DualMorph& morph, double a, double b) {
  const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
  double c = b - ratio * (b - a);
  double d = a + ratio * (b - a);
  double fc = unevenness(morph, c);
  double fd = unevenness(morph, d);
  for (int step = 0; step < kSearchSteps; ++step) {
    if (fc <= fd) {
      b = d;
      d = c;
      fd = fc;
      c = b - ratio * (b - a);
      fc = unevenness(morph, c);
    } else {
      a = c;
      c = d;
      fc = fd;
      d = a + ratio * (b - a);
      fd = unevenness(morph, d);
    }
  }
  return (a + b) / 2.0;
}

}  // namespace

ShapeSignature shapeSignature(const Polyhedron& solid) {
  ShapeSignature signature;
  std::map<int, int> kinds;
  for (const std::vector<int>& face : solid.faces)
    ++kinds[static_cast<int>(face.size())];
  signature.faceKinds.assign(kinds.begin(), kinds.end());
  signature.edgeLengths = edgeLengths(solid);
  std::sort(signature.edgeLengths.begin(), signature.edgeLengths.end());
  if (!signature.edgeLengths.empty() && signature.edgeLengths.back() > 0.0) {
    const double longest = signature.edgeLengths.back();
    for (double& length : signature.edgeLengths)
      length /= longest;
  }
  return signature;
}

bool similarShapes(const ShapeSignature& a, const ShapeSignature& b, double tolerance) {
  if (a.faceKinds != b.faceKinds || a.edgeLengths.size() != b.edgeLengths.size()) return false;
  for (std::size_t i = 0; i < a.edgeLengths.size(); ++i) {
    if (!(std::fabs(a.edgeLengths[i] - b.edgeLengths[i]) <= tolerance)) return false;
  }
  return true;
}

namespace {

// The stops among count candidates, similarTo(signature, k) telling whether
// the morph's shape is similar to candidate k.
template <typename SimilarTo>
std::vector<MorphStop> stopsAmong(const DualMorph& morph, std::size_t count,
                                  SimilarTo&& similarTo) {
  std::vector<MorphStop> stops;
  const auto look = [&](double t) {
    const ShapeSignature signature = shapeSignature(morph.at(t));
    for (std::size_t k = 0; k < count; ++k) {
      if (similarTo(signature, k)) stops.push_back({t, static_cast<int>(k)});
    }
  };
  const std::vector<double> events = morph.eventParameters();
  for (std::size_t i = 0; i < events.size(); ++i) {
    look(events[i]);
    if (i + 1 == events.size()) break;
    const double t = mostEven(morph, events[i], events[i + 1]);
    if (t - events[i] > kNearEvent && events[i + 1] - t > kNearEvent) look(t);
  }
  return stops;
}

std::vector<std::pair<int, int>> faceKindsOf(const Polyhedron& solid) {
  std::map<int, int> kinds;
  for (const std::vector<int>& face : solid.faces)
    ++kinds[static_cast<int>(face.size())];
  return {kinds.begin(), kinds.end()};
}

}  // namespace

std::vector<MorphStop> findMorphStops(const DualMorph& morph,
                                      std::span<const ShapeSignature> candidates,
                                      double tolerance) {
  return stopsAmong(morph, candidates.size(), [&](const ShapeSignature& signature, std::size_t k) {
    return similarShapes(signature, candidates[k], tolerance);
  });
}

std::vector<MorphStop> findMorphStops(const DualMorph& morph, SettledShapes& candidates) {
  return stopsAmong(morph, candidates.size(), [&](const ShapeSignature& signature, std::size_t k) {
    return candidates.similar(signature, k);
  });
}

SettledShapes::SettledShapes(std::vector<const Polyhedron*> solids)
    : solids_(std::move(solids)), settled_(solids_.size()) {
  kinds_.reserve(solids_.size());
  for (const Polyhedron* solid : solids_)
    kinds_.push_back(faceKindsOf(*solid));
}

bool SettledShapes::similar(const ShapeSignature& signature, std::size_t k, double tolerance) {
  if (signature.faceKinds != kinds_[k]) return false;
  if (!settled_[k]) settled_[k] = shapeSignature(settleCanonical(*solids_[k]).solid);
  return similarShapes(signature, *settled_[k], tolerance);
}

}  // namespace velkora
