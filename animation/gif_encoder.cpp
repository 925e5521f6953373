#include "animation/gif_encoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "animation/animation_frames.h"
#include "animation/frame_palette.h"

namespace velkora {

namespace {

constexpr int kDelayCs = kFrameDelayMs / 10;

int appendBytes(GifFileType* gif, const GifByteType* bytes, int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out->insert(out->end(), bytes, bytes + length);
  return length;
}

struct MapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, MapDeleter>;

// The palette padded with black to a power of two from 2 to 256, as GIF stores it.
std::vector<std::uint32_t> padded(const std::vector<std::uint32_t>& palette) {
  std::size_t size = 2;
  while (size < palette.size())
    size *= 2;
  std::vector<std::uint32_t> colours = palette;
  colours.resize(size, 0xFF000000u);
  return colours;
}

ColourMap colourMapOf(const std::vector<std::uint32_t>& colours) {
  ColourMap map(GifMakeMapObject(static_cast<int>(colours.size()), nullptr));
  if (map == nullptr) throw EAnimation("Die Farbtafel des GIF ließ sich nicht anlegen");
  for (std::size_t k = 0; k < colours.size(); ++k) {
    map->Colors[k].Red = static_cast<GifByteType>((colours[k] >> 16) & 0xFF);
    map->Colors[k].Green = static_cast<GifByteType>((colours[k] >> 8) & 0xFF);
    map->Colors[k].Blue = static_cast<GifByteType>(colours[k] & 0xFF);
  }
  return map;
}

// The box of pixels in which next differs from previous; empty when none does.
PixelRect changedBox(const std::vector<std::uint32_t>& previous, const std::uint32_t* next,
                     int width, int height) {
  PixelRect box{width, height, 0, 0};
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* a = previous.data() + static_cast<std::size_t>(y) * width;
    const std::uint32_t* b = next + static_cast<std::size_t>(y) * width;
    if (std::memcmp(a, b, static_cast<std::size_t>(width) * sizeof(std::uint32_t)) == 0) continue;
    int left = 0;
    while (a[left] == b[left])
      ++left;
    int right = width;
    while (a[right - 1] == b[right - 1])
      --right;
    box.left = std::min(box.left, left);
    box.right = std::max(box.right, right);
    box.top = std::min(box.top, y);
    box.bottom = y + 1;
  }
  return box;
}

}  // namespace

struct GifEncoder::File {
  GifFileType* gif = nullptr;
  std::vector<std::uint8_t> bytes;

  void check(int result, const char* what) const {
    if (result == GIF_ERROR) {
      const char* reason = GifErrorString(gif->Error);
      throw EAnimation(std::string("GIF: ") + what + " misslang (" +
                       (reason != nullptr ? reason : "?") + ")");
    }
  }
};

GifEncoder::GifEncoder(int width, int height)
    : width_(width), height_(height), file_(std::make_unique<File>()) {
  if (width < 1 || height < 1 || width > 65535 || height > 65535) {
    throw EAnimation("Ein GIF von " + std::to_string(width) + " x " + std::to_string(height) +
                     " Pixeln ist nicht möglich");
  }
  int error = 0;
  file_->gif = EGifOpen(&file_->bytes, appendBytes, &error);
  if (file_->gif == nullptr) {
    const char* reason = GifErrorString(error);
    throw EAnimation(std::string("GIF: Anlegen misslang (") + (reason != nullptr ? reason : "?") +
                     ")");
  }
  EGifSetGifVersion(file_->gif, true);
}

GifEncoder::~GifEncoder() {
  if (file_->gif != nullptr) EGifCloseFile(file_->gif, nullptr);
}

void GifEncoder::add(const Bitmap& frame) {
  if (file_->gif == nullptr) throw EAnimation("GIF: die Datei ist schon abgeschlossen");
  if (frame.width != width_ || frame.height != height_) {
    throw EAnimation("GIF: ein Bild hat " + std::to_string(frame.width) + " x " +
                     std::to_string(frame.height) + " statt " + std::to_string(width_) + " x " +
                     std::to_string(height_) + " Pixeln");
  }
  GifFileType* gif = file_->gif;
  PixelRect box{0, 0, width_, height_};
  if (frames_ > 0) {
    box = changedBox(previous_, frame.pixels.data(), width_, height_);
    if (box.empty()) box = {0, 0, 1, 1};  // a frame like the one before: one pixel again
  }
  const int boxWidth = box.right - box.left;
  const int boxHeight = box.bottom - box.top;
  const IndexedFrame indexed =
      indexFrame(std::span<const std::uint32_t>(frame.pixels)
                     .subspan(static_cast<std::size_t>(box.top) * width_ + box.left),
                 boxWidth, boxHeight, width_);
  const std::vector<std::uint32_t> colours = padded(indexed.palette);
  ColourMap local;
  if (frames_ == 0) {
    global_ = colours;
    const ColourMap map = colourMapOf(colours);
    file_->check(EGifPutScreenDesc(gif, width_, height_, 8, 0, map.get()), "Kopf schreiben");
    // NETSCAPE2.0: play the frames again and again (loop count 0).
    static const GifByteType kApplication[] = {'N', 'E', 'T', 'S', 'C', 'A',
                                               'P', 'E', '2', '.', '0'};
    static const GifByteType kLoopForever[] = {1, 0, 0};
    file_->check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), "Schleife schreiben");
    file_->check(EGifPutExtensionBlock(gif, sizeof kApplication, kApplication),
                 "Schleife schreiben");
    file_->check(EGifPutExtensionBlock(gif, sizeof kLoopForever, kLoopForever),
                 "Schleife schreiben");
    file_->check(EGifPutExtensionTrailer(gif), "Schleife schreiben");
  } else if (colours != global_) {
    local = colourMapOf(colours);
  }
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.UserInputFlag = false;
  control.DelayTime = kDelayCs;
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  const std::size_t length = EGifGCBToExtension(&control, extension);
  file_->check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension),
               "Bildsteuerung schreiben");
  // giflib 5.2 forgets, without freeing it, the copy of the last frame's
  // own palette when a frame has none; free it here so nothing leaks.
  if (local == nullptr && gif->Image.ColorMap != nullptr) {
    GifFreeMapObject(gif->Image.ColorMap);
    gif->Image.ColorMap = nullptr;
  }
  file_->check(EGifPutImageDesc(gif, box.left, box.top, boxWidth, boxHeight, false, local.get()),
               "Bildkopf schreiben");
  std::vector<GifPixelType> row(static_cast<std::size_t>(boxWidth));
  for (int y = 0; y < boxHeight; ++y) {
    const std::uint8_t* source = indexed.indices.data() + static_cast<std::size_t>(y) * boxWidth;
    std::copy(source, source + boxWidth, row.begin());
    file_->check(EGifPutLine(gif, row.data(), boxWidth), "Bildzeile schreiben");
  }
  previous_ = frame.pixels;
  ++frames_;
}

std::vector<std::uint8_t> GifEncoder::finish() {
  if (frames_ == 0) throw EAnimation("GIF: kein Bild");
  if (file_->gif != nullptr) {
    int error = 0;
    const int result = EGifCloseFile(file_->gif, &error);
    file_->gif = nullptr;
    if (result == GIF_ERROR) {
      const char* reason = GifErrorString(error);
      throw EAnimation(std::string("GIF: Abschließen misslang (") +
                       (reason != nullptr ? reason : "?") + ")");
    }
  }
  return std::move(file_->bytes);
}

}  // namespace velkora
