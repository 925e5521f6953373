#include "render/frame.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <system_error>
#include <thread>

#include "render/frame_test_hook.h"
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
// Surfaces of at least this many pixels wake a kept helper before recording.
constexpr std::int64_t kMinPixelsToWakeHelperEarly = 2 * 1000 * 1000;

// A short wait in a loop that waits for another thread.
void pauseBriefly() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#else
  std::this_thread::yield();
#endif
}

}  // namespace

void composeFrame(const Model& model, const ViewState& view, int width, int height,
                  FrameBuffers& buffers, int pixelScale) {
  Bitmap& frameBits = buffers.frame;
  Bitmap& frontBits = buffers.front;
  // Kept buffers of the right size only need what the last frame painted
  // made white again: the box of each band it was drawn in, when they still
  // make up the painted box, else that box.
  PixelRect frameBefore;
  std::vector<PixelRect> stripsBefore;
  if (frameBits.width == width && frameBits.height == height &&
      frameBits.pixels.size() ==
          static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    frameBefore = frameBits.painted;
    PixelRect strips;
    for (const PixelRect& strip : frameBits.paintedBands) {
      strips.unite(strip);
    }
    if (strips.left == frameBefore.left && strips.top == frameBefore.top &&
        strips.right == frameBefore.right && strips.bottom == frameBefore.bottom) {
      stripsBefore = std::move(frameBits.paintedBands);
    }
  } else {
    frameBits.resetWhite(width, height);
  }
  if (stripsBefore.empty()) {
    stripsBefore.push_back(frameBefore);
  }
  frameBits.painted = {};
  std::vector<PixelRect>& strips = frameBits.paintedBands;  // this frame's, one per band
  strips.clear();
  // Paints white what the last frame painted in rows top..bottom-1.
  auto whitenBefore = [&](int top, int bottom) {
    for (const PixelRect& strip : stripsBefore) {
      if (strip.top < bottom && strip.bottom > top) {
        frameBits.whitenRows(strip, top, bottom);
      }
    }
  };
  const int w = frameBits.width;
  const int h = frameBits.height;

  // How the frame's rows are cut into bands; set once the calls are recorded.
  struct Bands {
    int first = 0;
    int end = 0;
    int rows = 1;
    int count = 0;
  } bands;
  std::atomic<int> nextBand{0};
  // Bands are independent: each thread takes the next one, with a front band
  // of its own and its own painted box, until none is left.
  auto drawBands = [&](Bitmap& frontBand) {
    if (frontBand.width != w || frontBand.height != bands.rows ||
        frontBand.pixels.size() != static_cast<std::size_t>(w) * bands.rows) {
      frontBand.resetWhite(w, bands.rows);
    }
    RasterCanvas frame(frameBits);
    RasterCanvas front(frontBand);
    for (int taken = nextBand++; taken < bands.count; taken = nextBand++) {
      // Middle bands first: a solid is widest there, so the bands left for
      // last are the light ones and neither thread waits long for the other.
      const int middle = (bands.count - 1) / 2;
      const int band = taken % 2 == 0 ? middle - taken / 2 : middle + (taken + 1) / 2;
      const int top = bands.first + band * bands.rows;
      const int bottom = std::min(top + bands.rows, bands.end);
      whitenBefore(top, bottom);
      frame.notePaintedInto(strips[static_cast<std::size_t>(band)]);
      buffers.calls.replay(frame, front, PixelRect{}, top, bottom, true);
    }
  };

  // A helper kept from earlier large frames is woken now, so that it is
  // awake by the time the calls are recorded; it then waits for the word to
  // draw bands (1) or to leave (2). A helper started later gets the word to
  // draw with its job. The turn, declared after all the job uses, sends the
  // helper away and waits for it however this function is left.
  std::atomic<int> helperWord{0};
  auto helperJob = [&] {
    int word = 0;
    while ((word = helperWord.load(std::memory_order_acquire)) == 0) {
      pauseBriefly();
    }
    if (word == 1) {
      drawBands(buffers.helperFront);
    }
  };
  auto stopHelperJob = [&] {
    nextBand = bands.count;  // a helper drawing stops after its band
    helperWord.store(2, std::memory_order_release);
  };
  HelperTurn helperTurn;
  const bool wokenEarly =
      buffers.helper != nullptr && static_cast<std::int64_t>(w) * h >= kMinPixelsToWakeHelperEarly;
  if (wokenEarly) {
    helperTurn.start(*buffers.helper, helperJob, stopHelperJob);
  }

  // Record the frame's calls once, then draw them band by band: whitening,
  // painting and combining a band's rows while they are in the cache.
  DisplayList& calls = buffers.calls;
  calls.clear();
  {
    RecordingCanvas recordFrame(calls, DrawLayer::Frame, w, h);
    RecordingCanvas recordFront(calls, DrawLayer::Front, w, h);
    composeScene(model, view, recordFrame, recordFront, pixelScale);
  }

  // A front layer as large as the frame may still show the last frame's front.
  const bool frontWhole = frontBits.width == w && frontBits.height == h &&
                          frontBits.pixels.size() == frameBits.pixels.size();
  PixelRect frontBefore = frontWhole ? frontBits.painted : PixelRect{};
  PixelRect reach = calls.extent;
  reach.unite(frameBefore);
  reach.unite(frontBefore);
  const int columns =
      std::clamp(std::min(reach.right, w) - std::max(reach.left, 0), 1, std::max(w, 1));
  bands.rows = std::max(kMinBandRows, kBandBytes / (2 * 4 * columns));
  bands.first = std::max(reach.top, 0);
  bands.end = std::min(reach.bottom, h);
  // A frame of more than one band keeps only the band in work in the front
  // layer, which then never leaves the cache; otherwise the front layer is
  // as large as the frame and holds the whole front half afterwards.
  if (bands.end - bands.first <= bands.rows) {
    helperTurn.cancel();  // not needed: free its core for this thread
    if (!frontWhole) {
      frontBits.resetWhite(w, h);
    }
    frontBits.painted = {};
    RasterCanvas frame(frameBits);
    RasterCanvas front(frontBits);
    whitenBefore(bands.first, bands.end);
    calls.replay(frame, front, frontBefore, bands.first, bands.end, false);
    strips.push_back(frameBits.painted);
    return;
  }
  bands.count = (bands.end - bands.first + bands.rows - 1) / bands.rows;
  if (test_hook::afterBandsPlanned) {
    test_hook::afterBandsPlanned();
  }
  strips.assign(static_cast<std::size_t>(bands.count), PixelRect{});

  // Asking for the number of cores reads system files: once is enough.
  static const bool twoCores = std::thread::hardware_concurrency() >= 2;
  bool helped = bands.count >= kMinBandsToShare && twoCores;
  if (wokenEarly) {
    helperWord.store(helped ? 1 : 2, std::memory_order_release);
  } else if (helped) {
    try {
      if (!buffers.helper) {
        buffers.helper = std::make_unique<BandHelper>();
      }
      helperWord.store(1, std::memory_order_relaxed);
      helperTurn.start(*buffers.helper, helperJob, stopHelperJob);
    } catch (const std::system_error&) {
      helped = false;  // no second thread to be had: draw every band here
    }
  }
  // What the bands painted counts as painted even when one of them failed,
  // so that the next frame whitens it.
  auto notePainted = [&] {
    for (const PixelRect& strip : strips) {
      frameBits.painted.unite(strip);
    }
  };
  try {
    drawBands(frontBits);
  } catch (...) {
    helperTurn.cancel();  // the first error is the one reported
    notePainted();
    throw;
  }
  try {
    helperTurn.finish();
  } catch (...) {
    notePainted();
    throw;
  }
  notePainted();
}

}  // namespace velkora
