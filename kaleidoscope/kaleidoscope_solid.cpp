#include "kaleidoscope/kaleidoscope_solid.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <utility>

#include "model/errors.h"
#include "model/rotation.h"
#include "model/shape_model.h"
#include "model/zoom.h"
#include "morph/canonical_form.h"
#include "morph/morph_solid.h"
#include "morph/morph_stops.h"
#include "text/number_text.h"
#include "text/ui_text.h"

namespace velkora {

namespace {

constexpr double kHalfExtent = 260.0;  // pixels from the centre to the largest coordinate
constexpr double kSameWeight = 1e-6;

bool sameWeights(WythoffWeights x, WythoffWeights y) {
  return std::fabs(x.a - y.a) < kSameWeight && std::fabs(x.b - y.b) < kSameWeight &&
         std::fabs(x.c - y.c) < kSameWeight;
}

}  // namespace

std::vector<KaleidoscopeStop> kaleidoscopeStops(const Kaleidoscope& kaleidoscope,
                                                std::span<const Solid> catalogue,
                                                WythoffCopies copies) {
  SettledShapes settled = settledCatalogue(catalogue);
  return kaleidoscopeStops(kaleidoscope, catalogue, copies, settled);
}

std::vector<KaleidoscopeStop> kaleidoscopeStops(const Kaleidoscope& kaleidoscope,
                                                std::span<const Solid> catalogue,
                                                WythoffCopies copies, SettledShapes& shapes) {
  std::vector<KaleidoscopeStop> stops;
  for (const WythoffWeights& weights : kaleidoscope.uniformWeights(copies)) {
    const ShapeSignature signature = shapeSignature(kaleidoscope.solid(weights, copies));
    for (std::size_t k = 0; k < catalogue.size(); ++k) {
      if (shapes.similar(signature, k)) {
        stops.push_back({weights, catalogue[k].position, catalogue[k].family, catalogue[k].name});
        break;
      }
    }
  }
  return stops;
}

Solid kaleidoscopeSolid(const Kaleidoscope& kaleidoscope, WythoffWeights weights,
                        std::span<const KaleidoscopeStop> stops, WythoffCopies copies) {
  Solid solid;
  solid.geometry = kaleidoscope.solid(weights, copies);
  std::string kind;
  if (copies == WythoffCopies::Rotations) kind = " " + uiText("Solid", "abgeschrägt");
  if (copies == WythoffCopies::MirroredRotations)
    kind = " " + uiText("Solid", "abgeschrägt, gespiegelt");
  solid.name = uiText("Solid", "Kaleidoskop") + " " + wythoffLetter(kaleidoscope.family()) + kind +
               " (" + peopleNumber(weights.a, 3) + " : " + peopleNumber(weights.b, 3) + " : " +
               peopleNumber(weights.c, 3) + ")";
  for (const KaleidoscopeStop& stop : stops) {
    if (sameWeights(stop.weights, weights)) {
      solid.name = stop.name;
      solid.position = stop.position;
      solid.family = stop.family;
    }
  }
  return solid;
}

void scaleToReach(Polyhedron& shape, const Polyhedron& reference) {
  double reach = 0.0;
  for (const Vec3& v : reference.vertices)
    reach = std::max(reach, norm(v));
  for (Vec3& v : shape.vertices)
    v = v * reach;
}

void placeStartShape(Model& target, const Polyhedron& shape) {
  auto m = std::make_unique<Model>();
  m->scale = 1.0;
  fillShape(*m, shape, "Die Form");
  tiltModel(*m);
  double largest = 0.0;
  for (int k = 0; k < m->vertexCount; ++k) {
    const Point3& p = m->vertices[static_cast<std::size_t>(k)];
    largest = std::max({largest, std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
  }
  if (!(largest > 0.0)) throw ECatalogueError("Die Form hat keine Ausdehnung");
  zoomModel(*m, kHalfExtent / largest);
  target = *m;
}

}  // namespace velkora
