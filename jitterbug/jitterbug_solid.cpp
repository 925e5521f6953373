#include "jitterbug/jitterbug_solid.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

#include "base/errors.h"
#include "base/face_geometry.h"
#include "jitterbug/jitterbug.h"
#include "model/solid_catalogue.h"
#include "morph/morph_solid.h"
#include "morph/morph_stops.h"
#include "text/number_text.h"
#include "text/ui_text.h"

namespace velkora {

namespace {

constexpr double kSameParameter = 1e-6;

double reachOf(const std::vector<Vec3>& points) {
  double reach = 0.0;
  for (const Vec3& p : points)
    reach = std::max(reach, norm(p));
  return reach;
}

// The jitterbug's axes in start's orientation: the unit normals of a square
// face, of a square face perpendicular to it, and their cross product.
std::array<Vec3, 3> axesOf(const Polyhedron& start) {
  std::vector<Vec3> squares;
  for (const std::vector<int>& face : start.faces) {
    if (face.size() == 4) squares.push_back(normalized(newellNormal(start.vertices, face)));
  }
  for (const Vec3& first : squares) {
    for (const Vec3& second : squares) {
      if (std::fabs(dot(first, second)) < 0.5) {
        const Vec3 e2 = normalized(second - first * dot(first, second));
        return {first, e2, cross(first, e2)};
      }
    }
  }
  throw EInvalidSolid("Der Ausgangskörper des Jitterbugs hat keine zwei senkrechten Vierecke");
}

}  // namespace

std::vector<JitterbugStop> jitterbugStops(std::span<const Solid> catalogue) {
  SettledShapes settled = settledCatalogue(catalogue);
  return jitterbugStops(catalogue, settled);
}

std::vector<JitterbugStop> jitterbugStops(std::span<const Solid> catalogue, SettledShapes& shapes) {
  std::vector<JitterbugStop> stops;
  for (const double j : {0.0, icosahedronParameter(), 1.0}) {
    const ShapeSignature signature = shapeSignature(jitterbugShape(j).solid);
    for (std::size_t k = 0; k < catalogue.size(); ++k) {
      if (shapes.similar(signature, k)) {
        stops.push_back({j, catalogue[k].position, catalogue[k].family, catalogue[k].name});
        break;
      }
    }
  }
  return stops;
}

const Solid& jitterbugStart(std::span<const Solid> catalogue,
                            std::span<const JitterbugStop> stops) {
  if (!stops.empty() && stops.front().j == 0.0) {
    for (const Solid& solid : catalogue) {
      if (solid.position == stops.front().position) return solid;
    }
  }
  throw ESolidNotFound("Der Katalog hat keinen Körper, mit dem der Jitterbug beginnt");
}

Solid jitterbugSolid(const Solid& start, double j, std::span<const JitterbugStop> stops) {
  Solid solid;
  solid.name = uiText("Solid", "Jitterbug") + " (J = " + peopleNumber(j, 2) + ")";
  for (const JitterbugStop& stop : stops) {
    if (std::fabs(stop.j - j) < kSameParameter) {
      solid.name = stop.name;
      solid.position = stop.position;
      solid.family = stop.family;
    }
  }
  solid.geometry = jitterbugShape(j).solid;
  const std::array<Vec3, 3> axes = axesOf(start.geometry);
  const double factor = reachOf(start.geometry.vertices) / reachOf(solid.geometry.vertices);
  for (Vec3& v : solid.geometry.vertices)
    v = (axes[0] * v.x + axes[1] * v.y + axes[2] * v.z) * factor;
  return solid;
}

}  // namespace velkora
