#pragma once
// Composing one frame of the model: origin at the middle of the surface,
// the view chosen from the view state, back shell, core, and the front half
// of the shell combined by a per-channel AND, at a pixel scale of 1 to 4.

#include <cstdint>
#include <memory>
#include <span>

#include "model/model.h"
#include "render/band_helper.h"
#include "render/bitmap.h"
#include "render/display_list.h"

namespace velkora {

// The three views of the window's radio buttons.
enum class View {
  Polyhedron,   // RadioB1: the polyhedron as glass shell, no core
  InnerSphere,  // RadioB2: the polyhedron as shell around its inner sphere
  OuterSphere,  // RadioB3: the outer sphere as shell around the polyhedron
};

// Which view the window's radio buttons and check box ask for.
struct ViewState {
  View view = View::Polyhedron;
  bool markPoints = false;  // mark the corners of polyhedron faces
  // Further points (model coordinates) marked as corners are, over the
  // finished picture; they must outlive the frame's composition.
  std::span<const Point3> extraMarks{};
  // Lines, dotted hidden edges and vertex marks grow by this factor (1..3,
  // values outside are clamped) on top of the pixel scale; 1 is the plain picture.
  int lineWidth = 1;
  // Per face of the model (by index), the colour its fill takes in place of
  // the shell's green or the core's yellow (render/face_tints.h); a zero entry
  // and faces past the end keep theirs. Must outlive the frame's composition.
  std::span<const std::uint32_t> faceTints{};
};

// The line widths the window offers.
inline constexpr int kMinLineWidth = 1;
inline constexpr int kMaxLineWidth = 3;

// Device pixels per logical pixel that composeFrame accepts.
inline constexpr int kMinPixelScale = 1;
inline constexpr int kMaxPixelScale = 4;

// The frame and the front layer, kept between frames to save allocations.
// Between frames the window only reads frame; each frame starts all white,
// whitening only what the previous one painted (Bitmap::painted). A frame
// drawn in one band of rows leaves its whole front layer in front; a taller
// one uses front for one band at a time, and helperFront for the bands that
// a second thread draws. calls is the working store of a frame's drawing calls.
struct FrameBuffers {
  Bitmap frame;
  Bitmap front;
  Bitmap helperFront;  // the front band of the thread that helps with large frames
  Bitmap tintCodes;    // the frame in tint codes, for a frame with face tints
  DisplayList calls;
  std::unique_ptr<BandHelper> helper;  // started with the first frame it helps with
};

// Composes the current model into buffers.frame, width x height device
// pixels. The model's coordinates are logical pixels; pixelScale (1..4,
// values outside are clamped) device pixels make one logical pixel, and
// corners, pen width, dot pattern and vertex marks all grow by it. The origin
// is (width div 2, height div 2) at every scale. A frame of many bands of
// rows is drawn by the calling thread and one more, each band by one of them;
// the pixels are the same either way. With view.faceTints, the frame is
// composed a second time in tint codes into buffers.tintCodes and the tints
// are put into the plain picture (applyTints); without, the pixels are the
// plain picture's, and tintCodes is left alone.
void composeFrame(const Model& model, const ViewState& view, int width, int height,
                  FrameBuffers& buffers, int pixelScale = 1);

}  // namespace velkora
