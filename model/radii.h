#pragma once
// The radii of a solid's inner and outer sphere from its type number and the
// length of the edge between vertices 0 and 1. Closed formulas for the five
// Platonic solids, single-precision factor tables for types 5..30.

#include <cstdint>

namespace velkora {

inline constexpr std::int32_t kFirstType = 0;
inline constexpr std::int32_t kLastType = 30;

struct SphereRadii {
  double inner = 0.0;
  double outer = 0.0;
};

// Throws ECatalogueError naming the type when it is outside 0..30.
void requireKnownType(std::int32_t type);

// Needs a type in 0..30; any other type throws ECatalogueError.
SphereRadii sphereRadii(std::int32_t type, double edgeLength);

// The factors of types 5..30 as stored (single precision). Types outside 5..30 give 0.
float innerRadiusFactor(std::int32_t type);
float outerRadiusFactor(std::int32_t type);

}  // namespace velkora
