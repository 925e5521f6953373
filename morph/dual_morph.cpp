#include "morph/dual_morph.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/convex_solid.h"
#include "base/errors.h"
#include "base/face_geometry.h"
#include "morph/canonical_form.h"
#include "morph/convex_cut.h"

namespace velkora {

namespace {

// Events closer than this are one: the catalogue's seven-digit coordinates
// split what is one event in exact arithmetic into a cluster about this wide.
constexpr double kSameParameter = 1e-5;

// The distance of the line through a and b from the origin.
double lineDistance(Vec3 a, Vec3 b) { return norm(cross(a, b)) / norm(b - a); }

}  // namespace

DualMorph::DualMorph(const Polyhedron& solid) {
  const ConvexSolid checked = checkConvexSolid(solid.vertices, solid.faces);
  const std::vector<std::pair<int, int>> edges = edgesOf(checked.faces);
  double sum = 0.0;
  for (const auto& [a, b] : edges) {
    sum += lineDistance(solid.vertices[static_cast<std::size_t>(a)],
                        solid.vertices[static_cast<std::size_t>(b)]);
  }
  const double midradius = sum / static_cast<double>(edges.size());
  for (const auto& [a, b] : edges) {
    const double d = lineDistance(solid.vertices[static_cast<std::size_t>(a)],
                                  solid.vertices[static_cast<std::size_t>(b)]);
    if (!(std::fabs(d - midradius) <= kMidsphereTolerance * midradius)) {
      throw EInvalidSolid("Die Kanten berühren keine gemeinsame Kugel um den Mittelpunkt (Kante " +
                          std::to_string(a) + "-" + std::to_string(b) + ")");
    }
  }
  unitScale_ = 1.0 / midradius;
  // The given digits split what meets in one point into near points; the
  // exact canonical solid keeps them together.
  const Settling settled = settleCanonical(Polyhedron{solid.vertices, checked.faces});
  if (!(settled.residual <= kMorphMergeTolerance)) {
    throw EInvalidSolid("Der Körper lässt sich nicht in kanonische Form bringen (Rest " +
                        std::to_string(settled.residual) + ")");
  }
  start_ = settled.solid;
  double farthest = 0.0;
  for (const Vec3& v : start_.vertices)
    farthest = std::max(farthest, dot(v, v));
  // D's vertices are the poles of P's face planes n.x = h: n / h.
  double farthestPole = 0.0;
  for (std::size_t f = 0; f < start_.faces.size(); ++f) {
    double h = 0.0;
    for (const int corner : start_.faces[f])
      h += dot(checked.normals[f], start_.vertices[static_cast<std::size_t>(corner)]);
    h /= static_cast<double>(start_.faces[f].size());
    polarVertices_.push_back(checked.normals[f] / h);
    farthestPole = std::max(farthestPole, dot(polarVertices_.back(), polarVertices_.back()));
  }
  // s D holds P when u.v <= s for all vertices u, v: the largest is |v|^2.
  // s D lies in P when s w.w' <= 1 for all poles w, w': the largest is |w|^2.
  s0_ = farthest;
  s1_ = 1.0 / farthestPole;
  for (const std::vector<int>& face : start_.faces) {
    const Vec3 n = normalized(newellNormal(start_.vertices, face));
    faceNormals_.push_back(n);
    faceOffsets_.push_back(dot(n, cornerMean(start_.vertices, face)));
  }
  events_ = findEvents();
  // Every event's shape and every stretch between two events is cut here,
  // once: afterwards M(t) costs a copy at an event and three-by-three solves
  // in a stretch.
  stretches_.resize(events_.size() - 1);
  eventShapes_.resize(events_.size());
  for (std::size_t k = 0; k < events_.size(); ++k) {
    eventShapes_[k] = cut(events_[k], nullptr);
    if (k + 1 == events_.size()) break;
    std::vector<int> labels;
    const Polyhedron shape = cut((events_[k] + events_[k + 1]) / 2.0, &labels);
    stretches_[k] = buildStretch(shape, labels);
  }
}

double DualMorph::scaleAt(double t) const {
  t = std::clamp(t, 0.0, 1.0);
  return t <= 0.5 ? std::pow(s0_, 1.0 - 2.0 * t) : std::pow(s1_, 2.0 * t - 1.0);
}

double DualMorph::parameterOf(double s) const {
  if (s >= 1.0) return std::clamp(0.5 * (1.0 - std::log(s) / std::log(s0_)), 0.0, 0.5);
  return std::clamp(0.5 * (1.0 + std::log(s) / std::log(s1_)), 0.5, 1.0);
}

Polyhedron DualMorph::cut(double t, std::vector<int>* labels) const {
  const double s = scaleAt(t);
  ConvexCutter cutter(start_, kMorphMergeTolerance);
  const int faces = static_cast<int>(start_.faces.size());
  for (std::size_t v = 0; v < start_.vertices.size(); ++v)
    cutter.cut(start_.vertices[v], s, faces + static_cast<int>(v));
  return cutter.result(labels);
}

double DualMorph::planeOffset(int label, double s) const {
  const std::size_t faces = faceOffsets_.size();
  const std::size_t k = static_cast<std::size_t>(label);
  return k < faces ? faceOffsets_[k] : s / norm(start_.vertices[k - faces]);
}

std::optional<DualMorph::Stretch> DualMorph::buildStretch(const Polyhedron& shape,
                                                          const std::vector<int>& labels) const {
  const std::size_t faces = faceNormals_.size();
  const auto normalOf = [&](int label) {
    const std::size_t k = static_cast<std::size_t>(label);
    return k < faces ? faceNormals_[k] : normalized(start_.vertices[k - faces]);
  };
  std::vector<std::vector<int>> planesAt(shape.vertices.size());
  for (std::size_t f = 0; f < shape.faces.size(); ++f) {
    for (const int v : shape.faces[f])
      planesAt[static_cast<std::size_t>(v)].push_back(labels[f]);
  }
  Stretch stretch;
  stretch.shape = shape;
  for (const std::vector<int>& planes : planesAt) {
    // The three planes that meet most squarely.
    Stretch::Corner best;
    double bestVolume = 0.0;
    for (std::size_t a = 0; a < planes.size(); ++a) {
      for (std::size_t b = a + 1; b < planes.size(); ++b) {
        for (std::size_t c = b + 1; c < planes.size(); ++c) {
          const Vec3 na = normalOf(planes[a]);
          const Vec3 nb = normalOf(planes[b]);
          const Vec3 nc = normalOf(planes[c]);
          const double volume = dot(na, cross(nb, nc));
          if (std::fabs(volume) > std::fabs(bestVolume)) {
            bestVolume = volume;
            best.planes = {planes[a], planes[b], planes[c]};
            best.rows = {cross(nb, nc) / volume, cross(nc, na) / volume, cross(na, nb) / volume};
          }
        }
      }
    }
    if (!(std::fabs(bestVolume) > 1e-6)) return std::nullopt;
    stretch.corners.push_back(best);
  }
  return stretch;
}

Polyhedron DualMorph::at(double t) const {
  t = std::clamp(t, 0.0, 1.0);
  // Close to an event vertices are about to meet; there the cut decides.
  constexpr double kMargin = 1e-4;
  const auto event = std::lower_bound(events_.begin(), events_.end(), t);
  if (event != events_.end() && *event == t) {
    return *eventShapes_[static_cast<std::size_t>(event - events_.begin())];
  }
  const auto next = std::upper_bound(events_.begin(), events_.end(), t);
  if (next == events_.begin() || next == events_.end() || t - *(next - 1) < kMargin ||
      *next - t < kMargin) {
    return cut(t, nullptr);
  }
  const std::optional<Stretch>& stretch =
      stretches_[static_cast<std::size_t>(next - events_.begin()) - 1];
  if (!stretch) return cut(t, nullptr);
  const double s = scaleAt(t);
  Polyhedron shape = stretch->shape;
  for (std::size_t v = 0; v < shape.vertices.size(); ++v) {
    const Stretch::Corner& corner = stretch->corners[v];
    shape.vertices[v] = corner.rows[0] * planeOffset(corner.planes[0], s) +
                        corner.rows[1] * planeOffset(corner.planes[1], s) +
                        corner.rows[2] * planeOffset(corner.planes[2], s);
  }
  return shape;
}

std::vector<Vec3> DualMorph::touchPoints() const {
  std::vector<Vec3> points;
  for (const auto& [a, b] : edgesOf(start_.faces)) {
    const Vec3 p = start_.vertices[static_cast<std::size_t>(a)];
    const Vec3 d = start_.vertices[static_cast<std::size_t>(b)] - p;
    points.push_back(p + d * (-dot(p, d) / dot(d, d)));
  }
  return points;
}

std::vector<double> DualMorph::findEvents() const {
  std::vector<double> scales;
  const auto consider = [&](double s) {
    if (s >= s1_ && s <= s0_) scales.push_back(s);
  };
  const std::vector<Vec3>& v = start_.vertices;
  for (std::size_t i = 0; i < v.size(); ++i) {
    for (std::size_t j = i; j < v.size(); ++j)
      consider(dot(v[i], v[j]));
  }
  for (std::size_t i = 0; i < polarVertices_.size(); ++i) {
    for (std::size_t j = i; j < polarVertices_.size(); ++j) {
      const double product = dot(polarVertices_[i], polarVertices_[j]);
      if (product > 0.0) consider(1.0 / product);
    }
  }
  // An edge of P crossing an edge of s D. D's edge between its faces a and
  // b (the poles of P's vertices a and b, neighbours in P) is the line where
  // v_a.x = s = v_b.x; it meets P's edge p + l (q - p), 0 <= l <= 1, where
  // (v_a - v_b).(p + l d) = 0.
  const std::vector<std::pair<int, int>> edges = edgesOf(start_.faces);
  for (const auto& [a, b] : edges) {
    const Vec3 normal = v[static_cast<std::size_t>(a)] - v[static_cast<std::size_t>(b)];
    for (const auto& [from, to] : edges) {
      const Vec3 p = v[static_cast<std::size_t>(from)];
      const Vec3 d = v[static_cast<std::size_t>(to)] - p;
      const double along = dot(normal, d);
      if (std::fabs(along) < 1e-12) continue;
      const double l = -dot(normal, p) / along;
      if (l >= 0.0 && l <= 1.0) consider(dot(v[static_cast<std::size_t>(a)], p + d * l));
    }
  }
  std::vector<double> parameters{0.0, 1.0};
  for (const double s : scales)
    parameters.push_back(parameterOf(s));
  std::sort(parameters.begin(), parameters.end());
  // A cluster becomes its middle; the ends stay exactly 0 and 1.
  std::vector<double> distinct;
  std::size_t first = 0;
  for (std::size_t i = 1; i <= parameters.size(); ++i) {
    if (i < parameters.size() && parameters[i] - parameters[i - 1] <= kSameParameter) continue;
    const double low = parameters[first];
    const double high = parameters[i - 1];
    distinct.push_back(low == 0.0 ? 0.0 : high == 1.0 ? 1.0 : (low + high) / 2.0);
    first = i;
  }
  return distinct;
}

}  // namespace velkora
