#include "animation/webp_encoder.h"

#include <webp/encode.h>
#include <webp/mux.h>

#include <string>

#include "animation/animation_frames.h"

namespace velkora {

struct WebPEncoder::State {
  WebPAnimEncoder* encoder = nullptr;
  WebPConfig config{};

  ~State() {
    if (encoder != nullptr) WebPAnimEncoderDelete(encoder);
  }

  [[noreturn]] void fail(const char* what) const {
    const char* reason = encoder != nullptr ? WebPAnimEncoderGetError(encoder) : nullptr;
    throw EAnimation(
        std::string("WebP: ") + what + " misslang" +
        (reason != nullptr && *reason != '\0' ? std::string(" (") + reason + ")" : std::string()));
  }
};

namespace {

struct PictureGuard {
  WebPPicture picture{};
  PictureGuard() { WebPPictureInit(&picture); }
  ~PictureGuard() { WebPPictureFree(&picture); }
  PictureGuard(const PictureGuard&) = delete;
  PictureGuard& operator=(const PictureGuard&) = delete;
};

}  // namespace

WebPEncoder::WebPEncoder(int width, int height)
    : width_(width), height_(height), state_(std::make_unique<State>()) {
  if (width < 1 || height < 1 || width > WEBP_MAX_DIMENSION || height > WEBP_MAX_DIMENSION) {
    throw EAnimation("Ein WebP von " + std::to_string(width) + " x " + std::to_string(height) +
                     " Pixeln ist nicht möglich");
  }
  WebPAnimEncoderOptions options;
  if (!WebPAnimEncoderOptionsInit(&options)) state_->fail("Einrichten");
  options.anim_params.loop_count = 0;  // forever
  options.allow_mixed = 0;
  state_->encoder = WebPAnimEncoderNew(width, height, &options);
  if (state_->encoder == nullptr) state_->fail("Anlegen");
  // Lossless at a low effort: our frames are few flat colours, which any
  // effort stores well, and the higher ones cost many times the time.
  if (!WebPConfigInit(&state_->config) || !WebPConfigLosslessPreset(&state_->config, 1)) {
    state_->fail("Einrichten");
  }
}

WebPEncoder::~WebPEncoder() = default;

void WebPEncoder::add(const Bitmap& frame) {
  if (state_->encoder == nullptr) throw EAnimation("WebP: die Datei ist schon abgeschlossen");
  if (frame.width != width_ || frame.height != height_) {
    throw EAnimation("WebP: ein Bild hat " + std::to_string(frame.width) + " x " +
                     std::to_string(frame.height) + " statt " + std::to_string(width_) + " x " +
                     std::to_string(height_) + " Pixeln");
  }
  PictureGuard guard;
  WebPPicture& picture = guard.picture;
  picture.use_argb = 1;
  picture.width = width_;
  picture.height = height_;
  // 0xFFRRGGBB words lie in memory as B, G, R, A bytes.
  if (!WebPPictureImportBGRA(&picture, reinterpret_cast<const std::uint8_t*>(frame.pixels.data()),
                             width_ * 4)) {
    state_->fail("Bild übernehmen");
  }
  if (!WebPAnimEncoderAdd(state_->encoder, &picture, frames_ * kFrameDelayMs, &state_->config)) {
    state_->fail("Bild kodieren");
  }
  ++frames_;
}

std::vector<std::uint8_t> WebPEncoder::finish() {
  if (frames_ == 0) throw EAnimation("WebP: kein Bild");
  if (state_->encoder == nullptr) throw EAnimation("WebP: die Datei ist schon abgeschlossen");
  // The end time gives the last frame its duration.
  if (!WebPAnimEncoderAdd(state_->encoder, nullptr, frames_ * kFrameDelayMs, nullptr)) {
    state_->fail("Abschließen");
  }
  WebPData data;
  WebPDataInit(&data);
  if (!WebPAnimEncoderAssemble(state_->encoder, &data)) state_->fail("Zusammensetzen");
  std::vector<std::uint8_t> bytes(data.bytes, data.bytes + data.size);
  WebPDataClear(&data);
  WebPAnimEncoderDelete(state_->encoder);
  state_->encoder = nullptr;
  return bytes;
}

}  // namespace velkora
