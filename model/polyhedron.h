#pragma once
// The plain geometry of a loaded model. The window's Model stays the one
// thing that is drawn; a Polyhedron is what is measured and exported.

#include "base/polyhedron.h"
#include "model/model.h"

namespace velkora {

// The polyhedron of a loaded model in its current pose, in catalogue units
// (the point coordinates divided by model.scale). Needs model.scale > 0.
Polyhedron polyhedronOf(const Model& model);

}  // namespace velkora
