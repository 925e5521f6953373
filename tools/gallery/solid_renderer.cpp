// Loading and composing one solid the way the viewer's B1C and zeichnen do.
#include "tools/gallery/solid_renderer.h"

#include <memory>
#include <string_view>

#include "exports/picture.h"
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
  return composePicture(*model, viewStateFor(view, marks), size, 1);
}

QImage scaledToWidth(const QImage& picture, int width) {
  if (width <= 0 || width == picture.width()) {
    return picture;
  }
  return picture.scaledToWidth(width, Qt::SmoothTransformation);
}

}  // namespace velkora::gallery
