#pragma once
// The test's own readers of animation files, through the libraries' decoders
// (giflib's DGifSlurp, libwebp's WebPAnimDecoder) and never through our
// encoders: each frame as the viewer sees it, and the loop and timing. Also
// the first pixel where two pictures differ. Test support only.

#include <cstdint>
#include <string>
#include <vector>

#include <QImage>
#include <QString>

#include "render/bitmap.h"

namespace velkora::test {

// A picture as 0xRRGGBB words, row after row.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> rgb;
};

Picture pictureOf(const Bitmap& bitmap);
Picture pictureOf(const QImage& image);

// The first pixel where two pictures differ, with both colours; "" when they are equal.
std::string firstDifference(const Picture& a, const Picture& b);

// A GIF decoded by giflib: every frame drawn over the ones before, as its
// disposal mode asks; the delays and the NETSCAPE2.0 loop count.
struct DecodedGif {
  std::vector<Picture> frames;
  std::vector<int> delaysCs;
  int loopCount = -1;  // -1: no loop extension
};
// Throws std::runtime_error when the file does not decode.
DecodedGif decodeGif(const QString& path);

struct DecodedWebP {
  std::vector<Picture> frames;
  std::vector<int> timestamps;  // the end of each frame, in ms
  unsigned loopCount = 1;
};
// Throws std::runtime_error when the file does not decode.
DecodedWebP decodeWebP(const QString& path);

}  // namespace velkora::test
