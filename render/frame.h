#pragma once
// Composing one frame of the model: origin at the middle of the surface,
// the inner or the outer view chosen from the view state, back shell, core,
// and the front half of the shell combined by a per-channel AND.

#include "model/model.h"
#include "render/bitmap.h"

namespace velkora {

// Which view the window's radio buttons and check box ask for.
struct ViewState {
  bool innerSphere = false;  // RadioB2 checked: the inner view paints the inner sphere
  bool outerSphere = false;  // RadioB3 checked: the outer view
  bool markPoints = false;   // mark the corners of polyhedron faces
};

// The frame and the front layer, kept between frames to save allocations.
// Between frames the window only reads frame; each frame starts all white,
// whitening only what the previous one painted (Bitmap::painted).
struct FrameBuffers {
  Bitmap frame;
  Bitmap front;
};

// Composes the current model at width x height into buffers.frame.
void composeFrame(const Model& model, const ViewState& view, int width, int height,
                  FrameBuffers& buffers);

}  // namespace velkora
