#include "tests/render/pixel_check.h"

#include <QImage>

#include <cstdio>
#include <cstdlib>
#include "render/face_tints.h"
#include "render/raster_canvas.h"
#include "render/views.h"

namespace velkora::test {

std::string hex(std::uint32_t colour) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(colour & 0xFFFFFFu));
  return text;
}

std::string firstDifference(const Canvas& actual, const Canvas& expected,
                            const std::function<bool(int, int)>& considered) {
  if (actual.width() != expected.width() || actual.height() != expected.height()) {
    return "sizes differ";
  }
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      if (considered && !considered(x, y)) {
        continue;
      }
      const std::uint32_t a = actual.pixel(x, y);
      const std::uint32_t e = expected.pixel(x, y);
      if ((a & 0xFFFFFFu) != (e & 0xFFFFFFu)) {
        return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + "): " + hex(a) +
               " instead of " + hex(e);
      }
    }
  }
  return {};
}

std::string firstMismatch(const Canvas& actual,
                          const std::function<std::uint32_t(int, int)>& expected) {
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      const std::uint32_t a = actual.pixel(x, y);
      const std::uint32_t e = expected(x, y);
      if ((a & 0xFFFFFFu) != (e & 0xFFFFFFu)) {
        return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + "): " + hex(a) +
               " instead of " + hex(e);
      }
    }
  }
  return {};
}

bool flatAround(const Canvas& canvas, int x, int y) {
  if (x < 1 || y < 1 || x + 1 >= canvas.width() || y + 1 >= canvas.height()) {
    return false;
  }
  const std::uint32_t c = canvas.pixel(x, y);
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (canvas.pixel(x + dx, y + dy) != c) {
        return false;
      }
    }
  }
  return true;
}

int countColour(const Canvas& canvas, std::uint32_t colour) {
  int n = 0;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      n += (canvas.pixel(x, y) & 0xFFFFFFu) == (colour & 0xFFFFFFu) ? 1 : 0;
    }
  }
  return n;
}

void saveFrame(const Canvas& canvas, const std::string& name) {
  const char* dir = std::getenv("VELKORA_FRAME_DIR");
  if (dir == nullptr || *dir == '\0' || canvas.width() <= 0 || canvas.height() <= 0) {
    return;
  }
  QImage image(canvas.width(), canvas.height(), QImage::Format_RGB32);
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      image.setPixel(x, y, canvas.pixel(x, y));
    }
  }
  image.save(QString::fromStdString(std::string(dir) + "/" + name + ".png"));
}

WhiteLayers::WhiteLayers(int width, int height) {
  frameBits.resetWhite(width, height);
  frontBits.resetWhite(width, height);
}

Bitmap paintedInOrder(const Model& model, const ViewState& view, int width, int height, int scale) {
  WhiteLayers layers(width, height);
  composeScene(model, view, layers.frame, layers.front, scale);
  return layers.frameBits;
}

Bitmap tintedInOrder(const Model& model, const ViewState& view, int width, int height, int scale) {
  Bitmap picture = paintedInOrder(model, view, width, height, scale);
  const TintTable table = tintTableOf(view.faceTints, model.faceCount);
  WhiteLayers codes(width, height);
  composeScene(model, view, codes.frame, codes.front, scale, &table);
  applyTints(picture.pixels.data(), codes.frameBits.pixels.data(), picture.pixels.size(), table);
  return picture;
}

}  // namespace velkora::test
