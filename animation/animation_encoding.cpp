#include "animation/animation_encoding.h"

#include <memory>
#include <string>

#include "render/frame.h"

namespace velkora {

std::optional<std::vector<std::uint8_t>> encodeAnimation(AnimationFrames& frames,
                                                         AnimationFormat format, int logicalWidth,
                                                         int logicalHeight, int scale,
                                                         const AnimationProgress& progress) {
  if (scale < kMinPixelScale || scale > kMaxPixelScale) {
    throw EAnimation("Bildmaßstab " + std::to_string(scale) + " liegt nicht zwischen 1 und 4");
  }
  const int width = logicalWidth * scale;
  const int height = logicalHeight * scale;
  const std::unique_ptr<FrameEncoder> encoder = makeFrameEncoder(format, width, height);
  const auto model = std::make_unique<Model>();  // large: on the heap
  FrameBuffers buffers;
  for (int k = 0; k < frames.count(); ++k) {
    frames.compose(k, width, height, buffers, *model, scale);
    encoder->add(buffers.frame);
    if (progress && !progress(k + 1, frames.count())) return std::nullopt;
  }
  return encoder->finish();
}

}  // namespace velkora
