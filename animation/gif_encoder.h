#pragma once
// Animated GIF through giflib: each frame stores only the box of pixels that
// differ from the frame before, drawn over it (disposal "do not dispose"),
// with its own exact palette (see frame_palette.h), a 4 cs delay, and the
// NETSCAPE2.0 extension asking players to loop forever.

#include <cstdint>
#include <vector>

#include "animation/frame_encoder.h"

namespace velkora {

class GifEncoder : public FrameEncoder {
 public:
  // Needs width, height >= 1. Throws EAnimation.
  GifEncoder(int width, int height);
  ~GifEncoder() override;
  GifEncoder(const GifEncoder&) = delete;
  GifEncoder& operator=(const GifEncoder&) = delete;

  void add(const Bitmap& frame) override;
  std::vector<std::uint8_t> finish() override;

 private:
  struct File;
  int width_;
  int height_;
  std::unique_ptr<File> file_;
  std::vector<std::uint32_t> previous_;  // the picture so far, for the next frame's box
  std::vector<std::uint32_t> global_;    // the first frame's palette, padded, the file's own
  int frames_ = 0;
};

}  // namespace velkora
