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
#include "render/frame.h"

namespace velkora::gallery {

// The three views of the window's radio buttons.
enum class View { Polyhedron, InnerSphere, OuterSphere };

// The name list and both catalogues, as the window holds them after start-up.
struct Catalogue {
  ByteList names;
  ByteList vertexLines;
  ByteList faceLines;
};

// Loads the embedded texts "velkora", "mpoly1" and "mpoly2".
// Throws EResNotFound or EDecompressionError.
Catalogue loadCatalogue();

// The size of the window's drawing surface PB1 (634 x 663).
QSize windowDrawingSize();

// The type number written after the TAB of the list line at position.
// Throws EGalleryError for a position outside the list, EConvertError for a bad number.
int typeAt(const Catalogue& catalogue, std::size_t position);

// The list position of the solid with the given type number.
// Throws EGalleryError when no line of the name list has that type.
std::size_t positionOfType(const Catalogue& catalogue, int type);

// The German name of the solid at position, as UTF-8 (the list bytes are Windows-1252).
std::string solidName(const Catalogue& catalogue, std::size_t position);

// The view state that the window's controls give for view and the mark check box.
ViewState viewStateFor(View view, bool marks);

// Loads the solid at list position and composes one frame of it at size.
// Throws what loadModel throws, and EGalleryError for a bad position or an empty size.
QImage renderSolid(const Catalogue& catalogue, std::size_t position, View view, bool marks,
                   QSize size);

// A smoothly scaled copy of picture, width pixels wide, aspect ratio kept.
// A width of 0 or the picture's own width returns the picture unchanged.
QImage scaledToWidth(const QImage& picture, int width);

}  // namespace velkora::gallery
