#pragma once
// Magnification: multiplies scale and the three point arrays by one factor.
// Centres and radii stay in catalogue units.

#include "model/model.h"

namespace velkora {

inline constexpr double kEnlargeFactor = 1.1;
inline constexpr double kShrinkFactor = 10.0 / 11.0;

void zoomModel(Model& model, double factor);

}  // namespace velkora
