#include "animation/frame_encoder.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "animation/gif_encoder.h"
#include "animation/webp_encoder.h"

namespace velkora {

std::optional<AnimationFormat> animationFormatOf(std::string_view suffix) {
  std::string folded(suffix);
  std::transform(folded.begin(), folded.end(), folded.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (folded == "gif") return AnimationFormat::Gif;
  if (folded == "webp") return AnimationFormat::WebP;
  return std::nullopt;
}

std::unique_ptr<FrameEncoder> makeFrameEncoder(AnimationFormat format, int width, int height) {
  switch (format) {
    case AnimationFormat::WebP:
      return std::make_unique<WebPEncoder>(width, height);
    case AnimationFormat::Gif:
      break;
  }
  return std::make_unique<GifEncoder>(width, height);
}

}  // namespace velkora
