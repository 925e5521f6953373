#include "tests/animation/decoders.h"

#include <gif_lib.h>
#include <webp/demux.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

#include <QFile>

namespace velkora::test {

std::string firstDifference(const Picture& a, const Picture& b) {
  if (a.width != b.width || a.height != b.height) {
    return "size " + std::to_string(a.width) + "x" + std::to_string(a.height) + " against " +
           std::to_string(b.width) + "x" + std::to_string(b.height);
  }
  for (std::size_t i = 0; i < a.rgb.size(); ++i) {
    if (a.rgb[i] != b.rgb[i]) {
      char text[96];
      std::snprintf(text, sizeof text, "pixel (%d, %d): %06X against %06X",
                    static_cast<int>(i % a.width), static_cast<int>(i / a.width), a.rgb[i],
                    b.rgb[i]);
      return text;
    }
  }
  return "";
}

Picture pictureOf(const Bitmap& bitmap) {
  Picture picture{bitmap.width, bitmap.height, {}};
  for (const std::uint32_t pixel : bitmap.pixels)
    picture.rgb.push_back(pixel & 0xFFFFFFu);
  return picture;
}

Picture pictureOf(const QImage& image) {
  Picture picture{image.width(), image.height(), {}};
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      picture.rgb.push_back(image.pixel(x, y) & 0xFFFFFFu);
  }
  return picture;
}

DecodedGif decodeGif(const QString& path) {
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.toLocal8Bit().constData(), &error);
  if (gif == nullptr) throw std::runtime_error("DGifOpenFileName failed");
  const std::unique_ptr<GifFileType, void (*)(GifFileType*)> closer(
      gif, [](GifFileType* file) { DGifCloseFile(file, nullptr); });
  if (DGifSlurp(gif) != GIF_OK) throw std::runtime_error("DGifSlurp failed");
  DecodedGif decoded;
  Picture canvas{gif->SWidth, gif->SHeight,
                 std::vector<std::uint32_t>(static_cast<std::size_t>(gif->SWidth) * gif->SHeight)};
  for (int k = 0; k < gif->ImageCount; ++k) {
    const SavedImage& image = gif->SavedImages[k];
    for (int e = 0; e + 1 < image.ExtensionBlockCount; ++e) {
      const ExtensionBlock& block = image.ExtensionBlocks[e];
      const ExtensionBlock& next = image.ExtensionBlocks[e + 1];
      if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
          std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0 && next.ByteCount == 3 &&
          next.Bytes[0] == 1) {
        decoded.loopCount = next.Bytes[1] | (next.Bytes[2] << 8);
      }
    }
    GraphicsControlBlock control{};
    if (DGifSavedExtensionToGCB(gif, k, &control) != GIF_OK) control.DelayTime = -1;
    decoded.delaysCs.push_back(control.DelayTime);
    const ColorMapObject* map =
        image.ImageDesc.ColorMap != nullptr ? image.ImageDesc.ColorMap : gif->SColorMap;
    if (map == nullptr) throw std::runtime_error("a frame without colours");
    const GifImageDesc& box = image.ImageDesc;
    for (int y = 0; y < box.Height; ++y) {
      for (int x = 0; x < box.Width; ++x) {
        const GifColorType colour = map->Colors[image.RasterBits[y * box.Width + x]];
        canvas.rgb[static_cast<std::size_t>(box.Top + y) * canvas.width + box.Left + x] =
            static_cast<std::uint32_t>(colour.Red) << 16 |
            static_cast<std::uint32_t>(colour.Green) << 8 | colour.Blue;
      }
    }
    decoded.frames.push_back(canvas);
    // Only "leave in place" and "unspecified" keep the canvas as it is for the next frame.
    if (control.DisposalMode != DISPOSE_DO_NOT && control.DisposalMode != DISPOSAL_UNSPECIFIED)
      throw std::runtime_error("a disposal mode this check does not draw");
  }
  return decoded;
}

DecodedWebP decodeWebP(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read the WebP file");
  const QByteArray bytes = file.readAll();
  WebPData data{reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                static_cast<std::size_t>(bytes.size())};
  WebPAnimDecoderOptions options;
  WebPAnimDecoderOptionsInit(&options);
  options.color_mode = MODE_BGRA;
  const std::unique_ptr<WebPAnimDecoder, void (*)(WebPAnimDecoder*)> decoder(
      WebPAnimDecoderNew(&data, &options), WebPAnimDecoderDelete);
  if (decoder == nullptr) throw std::runtime_error("WebPAnimDecoderNew failed");
  WebPAnimInfo info;
  if (!WebPAnimDecoderGetInfo(decoder.get(), &info)) throw std::runtime_error("no WebP info");
  DecodedWebP decoded;
  decoded.loopCount = info.loop_count;
  while (WebPAnimDecoderHasMoreFrames(decoder.get())) {
    std::uint8_t* buffer = nullptr;
    int timestamp = 0;
    if (!WebPAnimDecoderGetNext(decoder.get(), &buffer, &timestamp))
      throw std::runtime_error("a WebP frame does not decode");
    Picture picture{static_cast<int>(info.canvas_width), static_cast<int>(info.canvas_height), {}};
    for (std::size_t i = 0; i < static_cast<std::size_t>(picture.width) * picture.height; ++i) {
      const std::uint8_t* p = buffer + 4 * i;  // B, G, R, A
      picture.rgb.push_back(static_cast<std::uint32_t>(p[2]) << 16 |
                            static_cast<std::uint32_t>(p[1]) << 8 | p[0]);
    }
    decoded.frames.push_back(std::move(picture));
    decoded.timestamps.push_back(timestamp);
  }
  return decoded;
}

}  // namespace velkora::test
