#include "render/frame.h"

#include <algorithm>

#include "render/raster_canvas.h"
#include "render/views.h"

namespace velkora {

namespace {

// Both layers' rows of one band should fit in a core's second-level cache.
constexpr int kBandBytes = 512 * 1024;
constexpr int kMinBandRows = 16;

}  // namespace

void composeFrame(const Model& model, const ViewState& view, int width, int height,
                  FrameBuffers& buffers, int pixelScale) {
  // Kept buffers of the right size only need what the last frame painted made white again.
  PixelRect frameBefore;
  if (buffers.frame.width == width && buffers.frame.height == height &&
      buffers.frame.pixels.size() ==
          static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    frameBefore = buffers.frame.painted;
  } else {
    buffers.frame.resetWhite(width, height);
  }
  if (buffers.front.width != buffers.frame.width || buffers.front.height != buffers.frame.height ||
      buffers.front.pixels.size() != buffers.frame.pixels.size()) {
    // The view clears the front layer itself; here it only gets its size.
    buffers.front.resetWhite(buffers.frame.width, buffers.frame.height);
  }
  const PixelRect frontBefore = buffers.front.painted;
  buffers.frame.painted = {};
  buffers.front.painted = {};

  // Record the frame's calls once, then draw them band by band: whitening,
  // painting and combining a band's rows while they are in the cache.
  DisplayList& calls = buffers.calls;
  calls.clear();
  const int w = buffers.frame.width;
  const int h = buffers.frame.height;
  RecordingCanvas recordFrame(calls, DrawLayer::Frame, w, h);
  RecordingCanvas recordFront(calls, DrawLayer::Front, w, h);
  composeScene(model, view, recordFrame, recordFront, pixelScale);

  PixelRect reach = calls.extent;
  reach.unite(frameBefore);
  reach.unite(frontBefore);
  const int columns =
      std::clamp(std::min(reach.right, w) - std::max(reach.left, 0), 1, std::max(w, 1));
  const int bandRows = std::max(kMinBandRows, kBandBytes / (2 * 4 * columns));
  const int first = std::max(reach.top, 0);
  const int end = std::min(reach.bottom, h);
  RasterCanvas frame(buffers.frame);
  RasterCanvas front(buffers.front);
  for (int top = first; top < end; top += bandRows) {
    const int bottom = std::min(top + bandRows, end);
    buffers.frame.whitenRows(frameBefore, top, bottom);
    calls.replay(frame, front, frontBefore, top, bottom);
  }
}

}  // namespace velkora
