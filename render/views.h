#pragma once
// The views as tables of passes painted onto any Canvas: back half of the
// shell with dotted outlines, the opaque core farthest first, then the front
// half of the shell on a white layer combined into the frame by a per-channel AND.

#include <span>

#include "model/model.h"
#include "render/canvas.h"
#include "render/frame.h"
#include "render/scene.h"

namespace velkora {

// The passes of a view in painting order. Every view ends with the front
// layer's pass.
std::span<const Pass> passesOf(View view);

// Paints the passes in order, each over its items sorted farthest first. The
// front layer is cleared to white before its first pass and combined into
// the frame after the last pass.
void paintPasses(const Scene& scene, std::span<const Pass> passes);

// Paints the model onto frame as it stands (nothing is cleared first), with
// the origin at (frame width div 2, frame height div 2) and pixelScale
// (clamped to 1..4) device pixels per logical pixel. front is used as the
// front layer and is cleared to white before use; it should be as large as frame.
// The plain picture: view.faceTints are not applied. With codes, paints the
// frame's tint codes instead (render/face_tints.h), to be applied to the plain
// picture with applyTints; codes must be the table of view.faceTints.
void composeScene(const Model& model, const ViewState& view, Canvas& frame, Canvas& front,
                  int pixelScale = 1, const TintTable* codes = nullptr);

}  // namespace velkora
