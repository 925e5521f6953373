#include "render/frame.h"

#include "render/raster_canvas.h"
#include "render/views.h"

namespace velkora {

void composeFrame(const Model& model, const ViewState& view, int width, int height,
                  FrameBuffers& buffers, int pixelScale) {
  // Kept buffers of the right size only need what the last frame painted made white again.
  if (buffers.frame.width == width && buffers.frame.height == height &&
      buffers.frame.pixels.size() ==
          static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    buffers.frame.whitenPainted();
  } else {
    buffers.frame.resetWhite(width, height);
  }
  if (buffers.front.width != buffers.frame.width || buffers.front.height != buffers.frame.height ||
      buffers.front.pixels.size() != buffers.frame.pixels.size()) {
    // The view clears the front layer itself; here it only gets its size.
    buffers.front.resetWhite(buffers.frame.width, buffers.frame.height);
  }
  RasterCanvas frame(buffers.frame);
  RasterCanvas front(buffers.front);
  composeScene(model, view, frame, front, pixelScale);
}

}  // namespace velkora
