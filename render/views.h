#pragma once
// The two views painted onto any Canvas: back half of the shell with dotted
// outlines, the opaque core farthest first, then the front half of the shell
// on a white layer combined into the frame by a per-channel AND.

#include "model/model.h"
#include "render/canvas.h"
#include "render/frame.h"
#include "render/scene.h"

namespace velkora {

// Polyhedron as shell; the inner sphere as core when view.innerSphere is set.
void paintInnerView(const Scene& scene, const ViewState& view);

// Outer sphere as shell, polyhedron as core (always painted).
void paintOuterView(const Scene& scene);

// Paints the model onto frame as it stands (nothing is cleared first), with
// the origin at (frame width div 2, frame height div 2). front is used as the
// front layer and is cleared to white before use; it should be as large as frame.
void composeScene(const Model& model, const ViewState& view, Canvas& frame, Canvas& front);

}  // namespace velkora
