#pragma once
// Turning every point set of the model in place about the origin, in the
// order vertices, faceCentres, innerPoints, innerCentres, outerPoints,
// outerCentres. Angles in degrees; arithmetic in extended precision, each
// elementary rotation rounded to double before the next.

#include "model/model.h"

namespace velkora {

// Rotates by a in the x-y plane, then b in the y-z plane, then c in the x-z plane.
void drehen(Model& model, double a, double b, double c);

// The fixed initial pose: -30 degrees in the x-y plane, then in the y-z plane.
void tiltModel(Model& model);

}  // namespace velkora
