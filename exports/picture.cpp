#include "exports/picture.h"

#include <cstring>
#include <string>

#include <QBuffer>

#include "base/errors.h"
#include "render/depth_picture.h"

namespace velkora {

namespace {

void checkPictureSize(QSize logicalSize, int scale) {
  if (logicalSize.width() <= 0 || logicalSize.height() <= 0) {
    throw Error("Bildgröße " + std::to_string(logicalSize.width()) + " x " +
                std::to_string(logicalSize.height()) + " ist leer");
  }
  if (scale < 1 || scale > 4) {
    throw Error("Bildmaßstab " + std::to_string(scale) + " liegt nicht zwischen 1 und 4");
  }
}

// The frame's pixels are laid out as Format_RGB32; copied row by row so the
// image owns its memory whatever its line padding.
QImage imageOf(const Bitmap& frame) {
  QImage picture(frame.width, frame.height, QImage::Format_RGB32);
  const auto rowBytes = static_cast<std::size_t>(frame.width) * sizeof(std::uint32_t);
  for (int y = 0; y < frame.height; ++y) {
    std::memcpy(picture.scanLine(y),
                frame.pixels.data() + static_cast<std::size_t>(y) * frame.width, rowBytes);
  }
  return picture;
}

}  // namespace

QImage composePicture(const Model& model, const ViewState& view, QSize logicalSize, int scale) {
  FrameBuffers buffers;
  return composePicture(model, view, logicalSize, scale, buffers);
}

QImage composePicture(const Model& model, const ViewState& view, QSize logicalSize, int scale,
                      FrameBuffers& buffers) {
  checkPictureSize(logicalSize, scale);
  const QSize size = logicalSize * scale;
  composeFrame(model, view, size.width(), size.height(), buffers, scale);
  return imageOf(buffers.frame);
}

QImage composeFoldPicture(const Solid& solid, const Model& model, double f, QSize logicalSize,
                          int scale) {
  FoldingNet net(solid);
  net.faceViewer(model);
  return composeFoldPicture(net, model, f, logicalSize, scale);
}

QImage composeFoldPicture(const FoldingNet& net, const Model& model, double f, QSize logicalSize,
                          int scale, int lineWidth) {
  checkPictureSize(logicalSize, scale);
  const QSize size = logicalSize * scale;
  DepthScene scene;
  net.scene(f, model, scene);
  Bitmap frame;
  DepthBuffer depth;
  composeDepthPicture(scene, size.width(), size.height(), frame, depth, scale, lineWidth);
  return imageOf(frame);
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
