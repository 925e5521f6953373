#pragma once
// The picture of a model as a QImage: composed by our renderer at 1, 2 or 4
// times a logical size (every coordinate, line and mark scaled, not an
// enlarged bitmap), and its PNG bytes. Used by the window's save and copy
// commands and by the command line alike.

#include <QByteArray>
#include <QImage>
#include <QSize>

#include "folding/folding_net.h"
#include "model/model.h"
#include "model/solid.h"
#include "render/frame.h"

namespace velkora {

// The scales a picture can be saved at.
inline constexpr int kPictureScales[] = {1, 2, 4};

// Composes model at logicalSize * scale device pixels. Needs a non-empty size
// and 1 <= scale <= 4; throws velkora::Error otherwise.
QImage composePicture(const Model& model, const ViewState& view, QSize logicalSize, int scale);
// The same in buffers kept by the caller, for runs of pictures.
QImage composePicture(const Model& model, const ViewState& view, QSize logicalSize, int scale,
                      FrameBuffers& buffers);

// The paper net of solid, shown by model in its pose and size, folded to
// stage f (0 flat, 1 closed) and composed like composePicture. Throws what
// FoldingNet throws, and velkora::Error for an empty size or a bad scale.
QImage composeFoldPicture(const Solid& solid, const Model& model, double f, QSize logicalSize,
                          int scale);
// The same for a folding net already set up (its flat side turned as it was
// when it was set up); model shows the net's solid. Outlines are lineWidth
// (1..3) times as wide as at the scale alone.
QImage composeFoldPicture(const FoldingNet& net, const Model& model, double f, QSize logicalSize,
                          int scale, int lineWidth = 1);

// The image as PNG file bytes. Throws velkora::Error if encoding fails.
QByteArray pngBytes(const QImage& image);

}  // namespace velkora
