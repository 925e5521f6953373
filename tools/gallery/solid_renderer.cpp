// Loading and composing one solid the way the viewer's B1C and zeichnen do.
#include "tools/gallery/solid_renderer.h"

#include <cstring>
#include <memory>
#include <string_view>

#include "catalogue/text_resource.h"
#include "model/cp1252.h"
#include "model/integer_text.h"
#include "model/load.h"
#include "model/model.h"
#include "tools/gallery/errors.h"
#include "ui/main_window.h"

namespace velkora::gallery {

namespace {

const ByteString& listLine(const Catalogue& catalogue, std::size_t position) {
  if (position >= catalogue.names.size()) {
    throw EGalleryError("Listenposition " + std::to_string(position) +
                        " liegt außerhalb der Namensliste (0 bis " +
                        std::to_string(catalogue.names.size()) + " ausschließlich)");
  }
  return catalogue.names[position];
}

}  // namespace

Catalogue loadCatalogue() {
  Catalogue catalogue;
  loadTextResource(catalogue.names, "velkora");
  loadTextResource(catalogue.vertexLines, "mpoly1");
  loadTextResource(catalogue.faceLines, "mpoly2");
  return catalogue;
}

QSize windowDrawingSize() { return {kClientWidth - kControlColumnWidth, kClientHeight}; }

int typeAt(const Catalogue& catalogue, std::size_t position) {
  const std::string_view line = listLine(catalogue, position);
  const auto tab = line.find('\t');
  return integerFromText(tab == std::string_view::npos ? line : line.substr(tab + 1));
}

std::size_t positionOfType(const Catalogue& catalogue, int type) {
  for (std::size_t position = 0; position < catalogue.names.size(); ++position) {
    if (typeAt(catalogue, position) == type) {
      return position;
    }
  }
  throw EGalleryError("Die Namensliste enthält keinen Körper vom Typ " + std::to_string(type));
}

std::string solidName(const Catalogue& catalogue, std::size_t position) {
  const std::string_view line = listLine(catalogue, position);
  return widenWindows1252(line.substr(0, line.find('\t')));
}

ViewState viewStateFor(View view, bool marks) {
  ViewState state;
  state.innerSphere = view == View::InnerSphere;
  state.outerSphere = view == View::OuterSphere;
  state.markPoints = marks;
  return state;
}

QImage renderSolid(const Catalogue& catalogue, std::size_t position, View view, bool marks,
                   QSize size) {
  const ByteString& line = listLine(catalogue, position);
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
                buffers.frame.pixels.data() + static_cast<std::size_t>(y) * size.width(),
                rowBytes);
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
