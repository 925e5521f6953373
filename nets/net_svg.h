#pragma once
// The net as one SVG drawing for the desktop's export and the browser page
// alike: the pages stacked top to bottom, each the paper's size, in true
// millimetres (width and height in mm, the viewBox in mm). Drawn only from
// netPagePrimitives; numbers with a decimal point and three decimals whatever
// the locale, so the same net gives the same bytes in every build. Qt-free.

#include <string>

#include "nets/net_types.h"

namespace velkora {

// Decimals of every number in the SVG (a thousandth of a millimetre).
inline constexpr int kSvgDecimals = 3;

// The whole SVG document, UTF-8, ending in a line break.
std::string netSvg(const NetDocument& net);

}  // namespace velkora
