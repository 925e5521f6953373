// A large frame that fails after the kept helper thread has been woken: the
// helper must have been sent away and have ended before composeFrame leaves,
// since all it waits on and draws with lives in composeFrame's stack frame.

#include <gtest/gtest.h>

#include <new>

#include "model/zoom.h"
#include "render/frame.h"
#include "render/frame_test_hook.h"
#include "render/raster_canvas.h"
#include "tests/render/pixel_check.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora {
namespace {

// Sets the hook for one scope and clears it however the scope is left.
struct HookSet {
  explicit HookSet(void (*hook)()) { test_hook::afterBandsPlanned = hook; }
  HookSet(const HookSet&) = delete;
  HookSet& operator=(const HookSet&) = delete;
  ~HookSet() { test_hook::afterBandsPlanned = nullptr; }
};

TEST(HelperRelease, AFrameFailingAfterTheWakeLeavesTheHelperIdleAndTheNextFrameRight) {
  // A 4K frame at 200 % of many bands: the first one starts the helper and
  // keeps it, each later one wakes it before recording.
  Model heavy = test::embeddedModelOfType(29);
  zoomToRadius(heavy, true, 0.45 * 2160 / 2);
  const ViewState state{View::OuterSphere, true};
  FrameBuffers buffers;
  composeFrame(heavy, state, 3840, 2160, buffers, 2);
  if (!buffers.helper) {
    GTEST_SKIP() << "one core: large frames are drawn without a helper";
  }
  for (int round = 0; round < 3; ++round) {
    {
      HookSet failing([] { throw std::bad_alloc(); });
      EXPECT_THROW(composeFrame(heavy, state, 3840, 2160, buffers, 2), std::bad_alloc);
    }
    if (!buffers.helper->idle()) {
      // Still running on a stack frame that is gone: it is let go, not
      // waited for, so that the test fails instead of hanging.
      static_cast<void>(buffers.helper.release());
      FAIL() << "the helper still runs after the failed frame, round " << round;
    }
    // The kept buffers and helper make a right frame again.
    composeFrame(heavy, state, 3840, 2160, buffers, 2);
    Bitmap direct = test::paintedInOrder(heavy, state, 3840, 2160, 2);
    ASSERT_EQ(test::firstDifference(RasterCanvas(buffers.frame), RasterCanvas(direct)), "")
        << "round " << round;
  }
}

}  // namespace
}  // namespace velkora
