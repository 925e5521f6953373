#include "render/frame.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>

#include "render/raster_canvas.h"
#include "render/views.h"

namespace velkora {

namespace {

// Both layers' rows of one band. Every band sets up each primitive reaching
// into it again (edge steps, crossings, clipping), so bands are made larger
// than a core's second-level cache: on a 4K frame at 200 % (about 130 rows
// per band) that measured faster than bands of a quarter the size.
constexpr int kBandBytes = 2 * 1024 * 1024;
constexpr int kMinBandRows = 16;
// Frames of at least this many bands share them with a second thread.
constexpr int kMinBandsToShare = 4;

}  // namespace

void composeFrame(const Model& model, const ViewState& view, int width, int height,
                  FrameBuffers& buffers, int pixelScale) {
  Bitmap& frameBits = buffers.frame;
  Bitmap& frontBits = buffers.front;
  // Kept buffers of the right size only need what the last frame painted made white again.
  PixelRect frameBefore;
  if (frameBits.width == width && frameBits.height == height &&
      frameBits.pixels.size() ==
          static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    frameBefore = frameBits.painted;
  } else {
    frameBits.resetWhite(width, height);
  }
  frameBits.painted = {};
  const int w = frameBits.width;
  const int h = frameBits.height;

  // Record the frame's calls once, then draw them band by band: whitening,
  // painting and combining a band's rows while they are in the cache.
  DisplayList& calls = buffers.calls;
  calls.clear();
  RecordingCanvas recordFrame(calls, DrawLayer::Frame, w, h);
  RecordingCanvas recordFront(calls, DrawLayer::Front, w, h);
  composeScene(model, view, recordFrame, recordFront, pixelScale);

  // A front layer as large as the frame may still show the last frame's front.
  const bool frontWhole = frontBits.width == w && frontBits.height == h &&
                          frontBits.pixels.size() == frameBits.pixels.size();
  PixelRect frontBefore = frontWhole ? frontBits.painted : PixelRect{};
  PixelRect reach = calls.extent;
  reach.unite(frameBefore);
  reach.unite(frontBefore);
  const int columns =
      std::clamp(std::min(reach.right, w) - std::max(reach.left, 0), 1, std::max(w, 1));
  const int bandRows = std::max(kMinBandRows, kBandBytes / (2 * 4 * columns));
  const int first = std::max(reach.top, 0);
  const int end = std::min(reach.bottom, h);
  // A frame of more than one band keeps only the band in work in the front
  // layer, which then never leaves the cache; otherwise the front layer is
  // as large as the frame and holds the whole front half afterwards.
  const bool frontBand = end - first > bandRows;
  if (!frontBand) {
    if (!frontWhole) {
      frontBits.resetWhite(w, h);
    }
    frontBits.painted = {};
    RasterCanvas frame(frameBits);
    RasterCanvas front(frontBits);
    frameBits.whitenRows(frameBefore, first, end);
    calls.replay(frame, front, frontBefore, first, end, false);
    return;
  }

  // Bands are independent: each thread takes the next one, with a front band
  // of its own and its own painted box, until none is left.
  const int bands = (end - first + bandRows - 1) / bandRows;
  bool helped = bands >= kMinBandsToShare && std::thread::hardware_concurrency() >= 2;
  std::atomic<int> nextBand{0};
  auto drawBands = [&](Bitmap& frontBand, PixelRect& painted) {
    if (frontBand.width != w || frontBand.height != bandRows ||
        frontBand.pixels.size() != static_cast<std::size_t>(w) * bandRows) {
      frontBand.resetWhite(w, bandRows);
    }
    RasterCanvas frame(frameBits);
    frame.notePaintedInto(painted);
    RasterCanvas front(frontBand);
    for (int taken = nextBand++; taken < bands; taken = nextBand++) {
      // Middle bands first: a solid is widest there, so the bands left for
      // last are the light ones and neither thread waits long for the other.
      const int middle = (bands - 1) / 2;
      const int band = taken % 2 == 0 ? middle - taken / 2 : middle + (taken + 1) / 2;
      const int top = first + band * bandRows;
      const int bottom = std::min(top + bandRows, end);
      frameBits.whitenRows(frameBefore, top, bottom);
      calls.replay(frame, front, PixelRect{}, top, bottom, true);
    }
  };
  PixelRect painted;
  PixelRect helperPainted;
  if (helped && !buffers.helper) {
    try {
      buffers.helper = std::make_unique<BandHelper>();
    } catch (const std::system_error&) {
      helped = false;  // no second thread to be had: draw every band here
    }
  }
  if (helped) {
    buffers.helper->start([&] { drawBands(buffers.helperFront, helperPainted); });
  }
  try {
    drawBands(frontBits, painted);
  } catch (...) {
    if (helped) {
      nextBand = bands;  // the helper stops after its band
      try {
        buffers.helper->wait();
      } catch (...) {  // the first error is the one reported
      }
    }
    throw;
  }
  if (helped) {
    buffers.helper->wait();
  }
  frameBits.painted.unite(painted);
  frameBits.painted.unite(helperPainted);
}

}  // namespace velkora
