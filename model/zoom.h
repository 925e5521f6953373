#pragma once
// Magnification: multiplies scale and the three point arrays by one factor,
// and fitting the picture to a given radius. Centres and radii stay in
// catalogue units.

#include "model/model.h"

namespace velkora {

inline constexpr double kEnlargeFactor = 1.1;
inline constexpr double kShrinkFactor = 10.0 / 11.0;

void zoomModel(Model& model, double factor);

// The radius in pixels of what encloses the picture: the largest distance of
// a vertex from the origin, or of an outer-sphere point with outerSphere set.
// 0 for a model without points.
double enclosingRadius(const Model& model, bool outerSphere);

// Zooms so that the enclosing radius becomes radius pixels; returns the
// factor applied (1 when the model has no extent or radius is not positive).
double zoomToRadius(Model& model, bool outerSphere, double radius);

}  // namespace velkora
