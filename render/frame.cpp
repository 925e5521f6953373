#include "render/frame.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <system_error>
#include <thread>

#include "render/face_tints.h"
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

// What the last frame painted into a kept frame of the same size, to be made
// white again band by band: the box of each band it was drawn in when they
// still make up its painted box, else that box.
struct LastFrame {
  PixelRect painted;
  std::vector<PixelRect> bands;
};

// Makes frameBits a frame of width x height for the next frame to be drawn
// into: a kept frame of that size keeps its pixels, and what the last frame
// painted is returned to be whitened band by band; any other frame is resized
// and made all white. Clears the frame's record of what was painted.
LastFrame reuseFrame(Bitmap& frameBits, int width, int height) {
  LastFrame last;
  if (frameBits.width == width && frameBits.height == height &&
      frameBits.pixels.size() ==
          static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    last.painted = frameBits.painted;
    PixelRect bands;
    for (const PixelRect& band : frameBits.paintedBands) {
      bands.unite(band);
    }
    if (bands.left == last.painted.left && bands.top == last.painted.top &&
        bands.right == last.painted.right && bands.bottom == last.painted.bottom) {
      last.bands = std::move(frameBits.paintedBands);
    }
  } else {
    frameBits.resetWhite(width, height);
  }
  if (last.bands.empty()) {
    last.bands.push_back(last.painted);
  }
  frameBits.painted = {};
  frameBits.paintedBands.clear();
  return last;
}

// Paints white what the last frame painted in rows top..bottom-1.
void whitenLast(Bitmap& frameBits, const LastFrame& last, int top, int bottom) {
  for (const PixelRect& band : last.bands) {
    if (band.top < bottom && band.bottom > top) {
      frameBits.whitenRows(band, top, bottom);
    }
  }
}

// Records the scene's drawing calls for a surface of width x height device
// pixels into calls, replacing what they held.
void recordCalls(const Model& model, const ViewState& view, int width, int height, int pixelScale,
                 const TintTable* codes, DisplayList& calls) {
  calls.clear();
  RecordingCanvas recordFrame(calls, DrawLayer::Frame, width, height);
  RecordingCanvas recordFront(calls, DrawLayer::Front, width, height);
  composeScene(model, view, recordFrame, recordFront, pixelScale, codes);
}

// How the frame's rows first..end-1 are cut into count bands of rows rows
// (the last one possibly shorter).
struct BandPlan {
  int first = 0;
  int end = 0;
  int rows = 1;
  int count = 1;
};

// Cuts the rows of reach (what this frame draws and what the last one left to
// whiten) inside a surface of width x height into bands whose rows of both
// layers fit kBandBytes. Rows that fit one band make one band.
BandPlan planBands(const PixelRect& reach, int width, int height) {
  BandPlan plan;
  const int columns =
      std::clamp(std::min(reach.right, width) - std::max(reach.left, 0), 1, std::max(width, 1));
  plan.rows = std::max(kMinBandRows, kBandBytes / (2 * 4 * columns));
  plan.first = std::max(reach.top, 0);
  plan.end = std::min(reach.bottom, height);
  if (plan.end - plan.first > plan.rows) {
    plan.count = (plan.end - plan.first + plan.rows - 1) / plan.rows;
  }
  return plan;
}

// Draws a frame of one band into frameBits with a front layer as large as the
// frame, which holds the whole front half afterwards; frontBefore is what the
// front layer kept from the last frame, when it has the frame's size.
void drawOneBand(FrameBuffers& buffers, Bitmap& frameBits, const LastFrame& last,
                 const BandPlan& plan, bool frontWhole, const PixelRect& frontBefore) {
  Bitmap& frontBits = buffers.front;
  if (!frontWhole) {
    frontBits.resetWhite(frameBits.width, frameBits.height);
  }
  frontBits.painted = {};
  RasterCanvas frame(frameBits);
  RasterCanvas front(frontBits);
  whitenLast(frameBits, last, plan.first, plan.end);
  buffers.calls.replay(frame, front, frontBefore, plan.first, plan.end, false);
  frameBits.paintedBands.push_back(frameBits.painted);
}

// Draws the recorded calls of a frame of many bands into frame on this thread and, where
// there are two cores, on the helper kept in the buffers: each thread takes
// the next band until none is left, with a front band of its own, which never
// leaves the cache. Owns the helper's turn from the wake to the end of the
// frame: whenever the scheduler is gone, the helper has ended its job.
class BandScheduler {
 public:
  BandScheduler(FrameBuffers& buffers, Bitmap& frame, const LastFrame& last)
      : buffers_(buffers), frame_(frame), last_(last) {}

  // Wakes a helper kept from earlier large frames, so that it is awake by
  // the time the calls are recorded and the bands planned.
  void wakeHelper();
  // Sends a woken helper away, not to take a core this thread could use.
  void sendHelperAway() { turn_.cancel(); }
  // Draws every band of plan, sharing them with the helper when there are
  // enough. Needs a plan of more than one band.
  void draw(const BandPlan& plan);

 private:
  // What the helper thread runs: it waits for the word to draw bands (1) or
  // to leave (2).
  void helperJob();
  void stopHelperJob();
  // Starts the helper drawing; false when no second thread is to be had.
  bool startHelper();
  // Takes and draws bands into the frame until none is left.
  void drawBands(Bitmap& frontBand);

  FrameBuffers& buffers_;
  Bitmap& frame_;
  const LastFrame& last_;
  BandPlan plan_{0, 0, 1, 0};  // no bands until draw has a plan
  std::atomic<int> nextBand_{0};
  std::atomic<int> helperWord_{0};
  HelperTurn turn_;  // last: ends the helper's job before all above goes
};

void BandScheduler::wakeHelper() {
  if (buffers_.helper) {
    turn_.start(
        *buffers_.helper, [this] { helperJob(); }, [this] { stopHelperJob(); });
  }
}

void BandScheduler::helperJob() {
  int word = 0;
  while ((word = helperWord_.load(std::memory_order_acquire)) == 0) {
    pauseBriefly();
  }
  if (word == 1) {
    drawBands(buffers_.helperFront);
  }
}

void BandScheduler::stopHelperJob() {
  nextBand_ = plan_.count;  // a helper drawing stops after its band
  helperWord_.store(2, std::memory_order_release);
}

bool BandScheduler::startHelper() {
  try {
    if (!buffers_.helper) {
      buffers_.helper = std::make_unique<BandHelper>();
    }
    helperWord_.store(1, std::memory_order_relaxed);
    turn_.start(
        *buffers_.helper, [this] { helperJob(); }, [this] { stopHelperJob(); });
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

void BandScheduler::draw(const BandPlan& plan) {
  plan_ = plan;
  if (test_hook::afterBandsPlanned) {
    test_hook::afterBandsPlanned();
  }
  std::vector<PixelRect>& bandsPainted = frame_.paintedBands;
  bandsPainted.assign(static_cast<std::size_t>(plan_.count), PixelRect{});
  // Asking for the number of cores reads system files: once is enough.
  static const bool twoCores = std::thread::hardware_concurrency() >= 2;
  const bool shared = plan_.count >= kMinBandsToShare && twoCores;
  if (turn_.running()) {
    helperWord_.store(shared ? 1 : 2, std::memory_order_release);
  } else if (shared) {
    startHelper();  // without a second thread, every band is drawn here
  }
  // What the bands painted counts as painted even when one of them failed,
  // so that the next frame whitens it.
  auto notePainted = [&] {
    for (const PixelRect& band : bandsPainted) {
      frame_.painted.unite(band);
    }
  };
  try {
    drawBands(buffers_.front);
  } catch (...) {
    turn_.cancel();  // the first error is the one reported
    notePainted();
    throw;
  }
  try {
    turn_.finish();
  } catch (...) {
    notePainted();
    throw;
  }
  notePainted();
}

void BandScheduler::drawBands(Bitmap& frontBand) {
  const int w = frame_.width;
  if (frontBand.width != w || frontBand.height != plan_.rows ||
      frontBand.pixels.size() != static_cast<std::size_t>(w) * plan_.rows) {
    frontBand.resetWhite(w, plan_.rows);
  }
  RasterCanvas frame(frame_);
  RasterCanvas front(frontBand);
  for (int taken = nextBand_++; taken < plan_.count; taken = nextBand_++) {
    // Middle bands first: a solid is widest there, so the bands left for
    // last are the light ones and neither thread waits long for the other.
    const int middle = (plan_.count - 1) / 2;
    const int band = taken % 2 == 0 ? middle - taken / 2 : middle + (taken + 1) / 2;
    const int top = plan_.first + band * plan_.rows;
    const int bottom = std::min(top + plan_.rows, plan_.end);
    whitenLast(frame_, last_, top, bottom);
    frame.notePaintedInto(frame_.paintedBands[static_cast<std::size_t>(band)]);
    buffers_.calls.replay(frame, front, PixelRect{}, top, bottom, true);
  }
}

// Whitens what the last frame left in target, records the calls once and
// draws them band by band: whitening, painting and combining a band's rows
// while they are in the cache. With codes, the frame's tint codes.
void composeInto(Bitmap& target, const Model& model, const ViewState& view, int width, int height,
                 FrameBuffers& buffers, int pixelScale, const TintTable* codes) {
  const LastFrame last = reuseFrame(target, width, height);
  const int w = target.width;
  const int h = target.height;
  BandScheduler scheduler(buffers, target, last);
  if (static_cast<std::int64_t>(w) * h >= kMinPixelsToWakeHelperEarly) {
    scheduler.wakeHelper();
  }
  recordCalls(model, view, w, h, pixelScale, codes, buffers.calls);

  // A front layer as large as the frame may still show the last frame's front.
  const Bitmap& frontBits = buffers.front;
  const bool frontWhole = frontBits.width == w && frontBits.height == h &&
                          frontBits.pixels.size() == target.pixels.size();
  const PixelRect frontBefore = frontWhole ? frontBits.painted : PixelRect{};
  PixelRect reach = buffers.calls.extent;
  reach.unite(last.painted);
  reach.unite(frontBefore);
  const BandPlan plan = planBands(reach, w, h);
  if (plan.count == 1) {
    scheduler.sendHelperAway();
    drawOneBand(buffers, target, last, plan, frontWhole, frontBefore);
    return;
  }
  scheduler.draw(plan);
}

}  // namespace

// The plain picture, then, for a frame with tints, its codes and the tints
// put into the painted part of the picture: outside it both are white.
void composeFrame(const Model& model, const ViewState& view, int width, int height,
                  FrameBuffers& buffers, int pixelScale) {
  composeInto(buffers.frame, model, view, width, height, buffers, pixelScale, nullptr);
  if (view.faceTints.empty()) return;
  const TintTable table = tintTableOf(view.faceTints, model.faceCount);
  if (table.empty()) return;
  composeInto(buffers.tintCodes, model, view, width, height, buffers, pixelScale, &table);
  Bitmap& frame = buffers.frame;
  const PixelRect& painted = frame.painted;
  const int left = std::max(painted.left, 0);
  const int right = std::min(painted.right, frame.width);
  if (left >= right) return;
  for (int y = std::max(painted.top, 0); y < std::min(painted.bottom, frame.height); ++y) {
    const std::size_t first = static_cast<std::size_t>(y) * frame.width + left;
    applyTints(frame.pixels.data() + first, buffers.tintCodes.pixels.data() + first,
               static_cast<std::size_t>(right - left), table);
  }
}

}  // namespace velkora
