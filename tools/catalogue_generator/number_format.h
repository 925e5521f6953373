// Writes one catalogue coordinate: 7 significant digits, at most 10 digits after the point and
// 13 characters, no exponent, no plus sign, a leading 0 before the point, trailing zeros and a
// bare point dropped, never "-0"; rounding noise below 1e-9 is written "0".
// Needs |value| < 1e6 (the catalogue's coordinates are all below 10).
#pragma once

#include "tools/catalogue_generator/vec3.h"

#include <string>
#include <string_view>

namespace velkora::gen {

std::string formatCoordinate(Real value);

// True when text is a number in exactly the form formatCoordinate writes: an optional minus,
// digits without a superfluous leading zero, an optional point with 1-10 digits not ending
// in 0, at most 13 characters, and not "-0".
bool isCatalogueNumber(std::string_view text);

}  // namespace velkora::gen
