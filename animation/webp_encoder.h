#pragma once
// Animated WebP through libwebp's animation encoder: lossless frames, 40 ms
// each, looping forever. The encoder itself keeps only what it needs to
// store the next frame as a difference.

#include <cstdint>
#include <memory>
#include <vector>

#include "animation/frame_encoder.h"

namespace velkora {

class WebPEncoder : public FrameEncoder {
 public:
  // Needs width, height >= 1. Throws EAnimation.
  WebPEncoder(int width, int height);
  ~WebPEncoder() override;
  WebPEncoder(const WebPEncoder&) = delete;
  WebPEncoder& operator=(const WebPEncoder&) = delete;

  void add(const Bitmap& frame) override;
  std::vector<std::uint8_t> finish() override;

 private:
  struct State;
  int width_;
  int height_;
  std::unique_ptr<State> state_;
  int frames_ = 0;
};

}  // namespace velkora
