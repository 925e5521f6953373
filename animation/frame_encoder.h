#pragma once
// Writing frames into an animated image file in memory, one frame at a time
// so that no more than the last frame is kept: the common face of the GIF
// and WebP encoders, and the choice between them by format. Both loop forever.

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "render/bitmap.h"

namespace velkora {

enum class AnimationFormat { Gif, WebP };

// Time each frame is shown: 4 hundredths of a second (25 frames a second).
// GIF counts in hundredths, and players stretch a delay of 1 or less, so a
// spin of 72 frames takes 2.88 s in every player.
inline constexpr int kFrameDelayMs = 40;

// The format of a file suffix without the dot ("gif", "webp"; letter case
// ignored); empty for another.
std::optional<AnimationFormat> animationFormatOf(std::string_view suffix);

class FrameEncoder {
 public:
  virtual ~FrameEncoder() = default;
  // Appends frame; every frame has the size the encoder was made for.
  // Throws EAnimation when the encoder fails.
  virtual void add(const Bitmap& frame) = 0;
  // The finished file's bytes; needs at least one frame. Throws EAnimation.
  virtual std::vector<std::uint8_t> finish() = 0;
};

// An encoder for width x height frames. Throws EAnimation when it cannot be made.
std::unique_ptr<FrameEncoder> makeFrameEncoder(AnimationFormat format, int width, int height);

}  // namespace velkora
