// Loading and composing one solid the way the viewer's B1C and zeichnen do.
#include "tools/gallery/solid_renderer.h"

#include <cstring>
#include <memory>
#include <string_view>

#include "model/load.h"
#include "model/model.h"
#include "render/design_size.h"
#include "tools/gallery/errors.h"

namespace velkora::gallery {

QSize windowDrawingSize() { return {kDrawingWidth, kDrawingHeight}; }

ViewState viewStateFor(View view, bool marks) { return ViewState{view, marks}; }

QImage renderSolid(const Catalogue& catalogue, int position, View view, bool marks, QSize size) {
  const std::string_view line = listLineAt(catalogue, position);
  if (size.width() <= 0 || size.height() <= 0) {
    throw EGalleryError("Bildgröße " + std::to_string(size.width()) + " x " +
                        std::to_string(size.height()) + " ist leer");
  }
  const auto model = std::make_unique<Model>();
  loadModel(*model, line, catalogue.vertexLines, catalogue.faceLines);

  FrameBuffers buffers;
  composeFrame(*model, viewStateFor(view, marks), size.width(), size.height(), buffers);
  if (buffers.frame.width != size.width() || buffers.frame.height != size.height()) {
    throw EGalleryError("Das Bild hat nicht die verlangte Größe");
  }

  // The frame's pixels are laid out as Format_RGB32; copy them row by row so
  // the picture owns its memory whatever its line padding.
  QImage picture(size, QImage::Format_RGB32);
  const auto rowBytes = static_cast<std::size_t>(size.width()) * sizeof(std::uint32_t);
  for (int y = 0; y < size.height(); ++y) {
    std::memcpy(picture.scanLine(y),
                buffers.frame.pixels.data() + static_cast<std::size_t>(y) * size.width(), rowBytes);
  }
  return picture;
}

QImage scaledToWidth(const QImage& picture, int width) {
  if (width <= 0 || width == picture.width()) {
    return picture;
  }
  return picture.scaledToWidth(width, Qt::SmoothTransformation);
}

}  // namespace velkora::gallery
