// Radius rules: extended-precision formulas and single-precision factors.
#include "model/radii.h"

#include <array>
#include <cmath>
#include <string>

#include "model/errors.h"

namespace velkora {
namespace {

constexpr std::int32_t kFirstTableType = 5;

// Indexed by type - 5. Single-precision values exactly as stored.
constexpr std::array<float, 26> kInnerFactors = {
    0.70710677F, 1.3763819F, 2.064573F,   1.2071F,     1.1426135F, 1.9809159F, 2.26728F,
    3.4409547F,  1.91421F,   1.2071F,     1.22474F,    0.612372F,  2.48989F,   0.319801F,
    0.4798419F,  0.7974666F, 0.67082053F, 0.81649536F, 1.45757F,   2.6347976F, 1.3763808F,
    1.2820934F,  1.9506829F, 3.4995308F,  2.679969F,   1.5239079F,
};

constexpr std::array<float, 26> kOuterFactors = {
    1.0F,       1.61803F,   2.23295F,   1.39896F,   1.343713F,  2.1558373F, 2.47802F,
    3.80239F,   2.31761F,   1.77882F,   1.58114F,   1.1726F,    2.96945F,   0.61237335F,
    0.70715F,   0.9533029F, 0.8660268F, 1.1546986F, 1.689239F,  2.8496804F, 1.6180333F,
    1.4012583F, 2.2940025F, 3.8085513F, 2.961475F,  1.8450531F,
};

float tableFactor(const std::array<float, 26>& table, std::int32_t type) {
  if (type < kFirstTableType || type > kLastType) {
    return 0.0F;
  }
  return table[static_cast<std::size_t>(type - kFirstTableType)];
}

// The Platonic formulas; every product in the order written, in extended precision.
SphereRadii platonicRadii(std::int32_t type, long double a) {
  const long double r2 = std::sqrt(2.0L);
  const long double r3 = std::sqrt(3.0L);
  const long double r5 = std::sqrt(5.0L);
  const long double r6 = std::sqrt(6.0L);
  long double inner = 0.0L;
  long double outer = 0.0L;
  switch (type) {
    case 0:  // tetrahedron
      inner = r6 * (a / 12.0L);
      outer = r6 * (a / 4.0L);
      break;
    case 1:  // cube
      inner = a / 2.0L;
      outer = r3 * (a / 2.0L);
      break;
    case 2:  // octahedron
      inner = r6 * (a / 6.0L);
      outer = r2 * (a / 2.0L);
      break;
    case 3:  // icosahedron
      inner = (r3 * (a / 12.0L)) * (r5 + 3.0L);
      outer = std::sqrt(r5 * 2.0L + 10.0L) * (a / 4.0L);
      break;
    default:  // 4, dodecahedron
      inner = std::sqrt(r5 * 110.0L + 250.0L) * (a / 20.0L);
      outer = (r3 * (a / 4.0L)) * (r5 + 1.0L);
      break;
  }
  return {static_cast<double>(inner), static_cast<double>(outer)};
}

}  // namespace

float innerRadiusFactor(std::int32_t type) { return tableFactor(kInnerFactors, type); }

float outerRadiusFactor(std::int32_t type) { return tableFactor(kOuterFactors, type); }

void requireKnownType(std::int32_t type) {
  if (type < kFirstType || type > kLastType) {
    throw ECatalogueError("Körpertyp " + std::to_string(type) + " liegt nicht im Bereich " +
                          std::to_string(kFirstType) + " bis " + std::to_string(kLastType));
  }
}

SphereRadii sphereRadii(std::int32_t type, double edgeLength) {
  requireKnownType(type);
  const long double a = edgeLength;
  if (type < kFirstTableType) {
    return platonicRadii(type, a);
  }
  // The float factor widens exactly; the product is rounded once more to double.
  const long double inner = static_cast<long double>(innerRadiusFactor(type)) * a;
  const long double outer = static_cast<long double>(outerRadiusFactor(type)) * a;
  return {static_cast<double>(inner), static_cast<double>(outer)};
}

}  // namespace velkora
