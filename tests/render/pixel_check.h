#pragma once
// Pixel comparison for the render tests: the first pixel where two pictures
// (or a picture and an expectation) differ, written out with its position
// and both colours; saving frames as PNG for a person to look at; a scene
// painted in order, to hold composed frames against.

#include <cstdint>
#include <functional>
#include <string>

#include "model/model.h"
#include "render/bitmap.h"
#include "render/canvas.h"
#include "render/frame.h"
#include "render/raster_canvas.h"

namespace velkora::test {

// Empty when equal wherever considered(x, y) holds; otherwise a description
// of the first differing pixel in row order.
std::string firstDifference(const Canvas& actual, const Canvas& expected,
                            const std::function<bool(int, int)>& considered = {});

// Empty when expected(x, y) matches every pixel of actual.
std::string firstMismatch(const Canvas& actual,
                          const std::function<std::uint32_t(int, int)>& expected);

// True when the 3x3 block around (x, y) has one colour (inside the picture).
bool flatAround(const Canvas& canvas, int x, int y);

// Counts pixels of the given colour.
int countColour(const Canvas& canvas, std::uint32_t colour);

// Saves the picture as <dir>/<name>.png when VELKORA_FRAME_DIR names a folder.
void saveFrame(const Canvas& canvas, const std::string& name);

// The scene painted in order by our rasteriser onto a fresh white frame of
// width x height (with a front layer of its own), at the pixel scale.
// A white frame and front layer of width x height, each with our
// rasteriser's canvas on it; the canvases point into the struct, which
// therefore stays where it was made.
struct WhiteLayers {
  WhiteLayers(int width, int height);
  WhiteLayers(const WhiteLayers&) = delete;
  WhiteLayers& operator=(const WhiteLayers&) = delete;

  Bitmap frameBits;
  Bitmap frontBits;
  RasterCanvas frame{frameBits};
  RasterCanvas front{frontBits};
};

Bitmap paintedInOrder(const Model& model, const ViewState& view, int width, int height,
                      int scale = 1);

// The same with view.faceTints put in: the plain picture, the frame in tint
// codes on layers of its own, and applyTints over every pixel.
Bitmap tintedInOrder(const Model& model, const ViewState& view, int width, int height,
                     int scale = 1);

// Pixel colour as text, RRGGBB.
std::string hex(std::uint32_t colour);

}  // namespace velkora::test
