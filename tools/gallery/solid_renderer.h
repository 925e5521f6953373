#pragma once
// Rendering one catalogue solid to a picture exactly as the viewer paints it:
// the same three embedded texts, loadModel with the solid's name-list line
// (initial tilt and scaling to 260 pixels), then composeFrame. No window and
// no display are involved; the pictures are plain QImages.

#include <cstddef>
#include <string>

#include <QImage>
#include <QSize>

#include "catalogue/byte_list.h"
#include "model/solid_catalogue.h"
#include "render/frame.h"

namespace velkora::gallery {

// The name list and both catalogues, as the window holds them after start-up.
using Catalogue = CatalogueTexts;

// The size of the window's drawing surface PB1.
QSize windowDrawingSize();

// The view state that the window's controls give for view and the mark check box.
ViewState viewStateFor(View view, bool marks);

// Loads the solid at list position and composes one frame of it at size.
// Throws what loadModel throws, ESolidNotFound for a bad position and
// EGalleryError for an empty size.
QImage renderSolid(const Catalogue& catalogue, int position, View view, bool marks, QSize size);

// A smoothly scaled copy of picture, width pixels wide, aspect ratio kept.
// A width of 0 or the picture's own width returns the picture unchanged.
QImage scaledToWidth(const QImage& picture, int width);

}  // namespace velkora::gallery
