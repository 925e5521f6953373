#include "morph/morph_solid.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <utility>

#include "model/errors.h"
#include "model/shape_model.h"
#include "morph/canonical_form.h"
#include "morph/morph_stops.h"
#include "text/number_text.h"
#include "text/ui_text.h"

namespace velkora {

namespace {

double farthestDistance(const std::vector<Vec3>& points) {
  double farthest = 0.0;
  for (const Vec3& p : points)
    farthest = std::max(farthest, norm(p));
  return farthest;
}

// An orthonormal frame from two points that are not on one line with the centre.
std::array<Vec3, 3> frameOf(Vec3 a, Vec3 b) {
  const Vec3 e1 = normalized(a);
  const Vec3 e2 = normalized(b - e1 * dot(b, e1));
  return {e1, e2, cross(e1, e2)};
}

// A vertex of points that is not on one line with the centre and points[0].
std::size_t secondAxisVertex(const std::vector<Vec3>& points) {
  std::size_t best = 1;
  double bestArea = -1.0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const double area = norm(cross(points[0], points[i]));
    if (area > bestArea) {
      bestArea = area;
      best = i;
    }
  }
  return best;
}

// The factor from midradius units to the solid's, at which M(t)'s farthest
// vertex is as far out as the solid's.
double morphFactor(const Solid& solid, const Polyhedron& m) {
  return farthestDistance(solid.geometry.vertices) / farthestDistance(m.vertices);
}

// The turn that takes solid's vertices to shown's, applied to p, times the scale.
class PoseOf {
 public:
  PoseOf(const Solid& solid, const Model& shown) : scale_(shown.scale) {
    const std::vector<Vec3>& from = solid.geometry.vertices;
    const std::size_t second = secondAxisVertex(from);
    source_ = frameOf(from[0], from[second]);
    posed_ = frameOf(shown.vertices[0], shown.vertices[second]);
  }
  // R = posed * source^T: p goes to sum_k (source_k . p) posed_k.
  Vec3 operator()(Vec3 p) const {
    return (posed_[0] * dot(source_[0], p) + posed_[1] * dot(source_[1], p) +
            posed_[2] * dot(source_[2], p)) *
           scale_;
  }

 private:
  double scale_;
  std::array<Vec3, 3> source_{};
  std::array<Vec3, 3> posed_{};
};

}  // namespace

std::vector<Vec3> touchPointsAt(const Solid& solid, const DualMorph& morph, double t) {
  const double factor = morphFactor(solid, morph.at(t));
  std::vector<Vec3> points = morph.touchPoints();
  for (Vec3& p : points)
    p = p * factor;
  return points;
}

std::vector<Point3> placePoints(std::span<const Vec3> points, const Solid& solid,
                                const Model& shown) {
  const PoseOf pose(solid, shown);
  std::vector<Point3> placed;
  placed.reserve(points.size());
  for (const Vec3& p : points)
    placed.push_back(pose(p));
  return placed;
}

Solid morphedSolid(const Solid& solid, const DualMorph& morph, double t,
                   std::span<const SolidStop> stops) {
  Solid shape;
  shape.name = uiText("Solid", solid.name.c_str()) +
               uiText("Solid", ", auf dem Weg zum dualen Körper") + " (t = " + peopleNumber(t, 2) +
               ")";
  for (const SolidStop& stop : stops) {
    if (std::fabs(stop.t - t) < 1e-6) {
      shape.name = stop.name;
      shape.position = stop.position;
      shape.family = stop.family;
    }
  }
  shape.geometry = morph.at(t);
  const double factor = morphFactor(solid, shape.geometry);
  for (Vec3& v : shape.geometry.vertices)
    v = v * factor;
  return shape;
}

SettledShapes settledCatalogue(std::span<const Solid> catalogue) {
  std::vector<const Polyhedron*> geometries;
  for (const Solid& solid : catalogue)
    geometries.push_back(&solid.geometry);
  return SettledShapes(std::move(geometries));
}

std::vector<SolidStop> morphStops(const DualMorph& morph, std::span<const Solid> catalogue) {
  SettledShapes settled = settledCatalogue(catalogue);
  return morphStops(morph, catalogue, settled);
}

std::vector<SolidStop> morphStops(const DualMorph& morph, std::span<const Solid> catalogue,
                                  SettledShapes& settled) {
  std::vector<SolidStop> stops;
  for (const MorphStop& stop : findMorphStops(morph, settled)) {
    const Solid& solid = catalogue[static_cast<std::size_t>(stop.candidate)];
    stops.push_back({stop.t, solid.position, solid.type, solid.family, solid.name});
  }
  return stops;
}

void placeShape(Model& target, const Polyhedron& shape, const Solid& solid, const Model& shown) {
  const PoseOf turned(solid, shown);
  auto m = std::make_unique<Model>();
  m->polyType = shown.polyType;
  m->scale = shown.scale;
  fillShape(*m, shape, solid.name, turned);
  target = *m;
}

}  // namespace velkora
