#pragma once
// An animation from its frames to the bytes of its file: each frame composed
// by the renderer and handed to the encoder of the format, one at a time,
// with a report after each frame that can stop the work. Nothing is written
// to disk here; the caller saves the bytes.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "animation/animation_frames.h"
#include "animation/frame_encoder.h"

namespace velkora {

// Told after each frame: done of count frames finished. Returning false stops
// the animation; nothing is made then.
using AnimationProgress = std::function<bool(int done, int count)>;

// The file of frames at logicalWidth x logicalHeight times scale pixels
// (scale 1 to 4, as a picture's). Empty when progress stopped it. Throws
// EAnimation, and what the frames throw.
std::optional<std::vector<std::uint8_t>> encodeAnimation(AnimationFrames& frames,
                                                         AnimationFormat format, int logicalWidth,
                                                         int logicalHeight, int scale,
                                                         const AnimationProgress& progress = {});

}  // namespace velkora
