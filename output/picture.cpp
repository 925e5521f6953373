#include "output/picture.h"

#include <cstring>
#include <string>

#include <QBuffer>

#include "base/errors.h"

namespace velkora {

QImage composePicture(const Model& model, const ViewState& view, QSize logicalSize, int scale) {
  if (logicalSize.width() <= 0 || logicalSize.height() <= 0) {
    throw Error("Bildgröße " + std::to_string(logicalSize.width()) + " x " +
                std::to_string(logicalSize.height()) + " ist leer");
  }
  if (scale < 1 || scale > 4) {
    throw Error("Bildmaßstab " + std::to_string(scale) + " liegt nicht zwischen 1 und 4");
  }
  const QSize size = logicalSize * scale;
  FrameBuffers buffers;
  composeFrame(model, view, size.width(), size.height(), buffers, scale);

  // The frame's pixels are laid out as Format_RGB32; copied row by row so the
  // image owns its memory whatever its line padding.
  QImage picture(size, QImage::Format_RGB32);
  const auto rowBytes = static_cast<std::size_t>(size.width()) * sizeof(std::uint32_t);
  for (int y = 0; y < size.height(); ++y) {
    std::memcpy(picture.scanLine(y),
                buffers.frame.pixels.data() + static_cast<std::size_t>(y) * size.width(), rowBytes);
  }
  return picture;
}

QByteArray pngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) {
    throw Error("Das Bild ließ sich nicht als PNG kodieren");
  }
  return bytes;
}

}  // namespace velkora
