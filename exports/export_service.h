#pragma once
// The program's exports in one place, for the window's menus and the command
// line alike: the picture, the animation, the solid, the paper net, the
// worksheet and the booklet of worksheets, each written
// atomically, with the writer the table of formats (export_formats.h) names
// for the file's suffix; the
// net's paper types by name and page size; the start pose of an export.
// No dialogs and no printing; errors are thrown, never shown.

#include <memory>
#include <optional>
#include <span>
#include <string>

#include <QPageSize>
#include <QSize>
#include <QString>
#include <QStringList>

#include "animation/animation_encoding.h"
#include "base/errors.h"
#include "exports/export_formats.h"
#include "model/model.h"
#include "model/polyhedron.h"
#include "model/solid.h"
#include "nets/net_types.h"
#include "render/frame.h"

namespace velkora {

// A file name whose suffix names no format of that export. The message
// names the file and the suffixes that are known.
class EExportFormat : public Error {
 public:
  using Error::Error;
};

// The paper for its name: a4, a3 or letter, letter case ignored; empty otherwise.
std::optional<Paper> paperFromName(const QString& name);
QPageSize pageSizeOf(Paper paper);

// The model of a read catalogue solid as right after its pick: start pose and
// size. Throws what placeSolid throws.
std::unique_ptr<Model> startModel(const Solid& solid);

// The picture of model at logicalSize times scale, as PNG. Throws EWriteError.
void exportPicture(const QString& path, const Model& model, const ViewState& view,
                   QSize logicalSize, int scale);

// The paper net of solid (shown by model) folded to stage f, as PNG. Throws
// what composeFoldPicture throws and EWriteError.
void exportFoldPicture(const QString& path, const Solid& solid, const Model& model, double f,
                       QSize logicalSize, int scale);

// The frames at logicalSize times scale as an animated GIF or WebP by the
// path's suffix, reporting to progress after each frame. Returns false when
// progress stopped it: then nothing is written, no temporary file either.
// Throws EExportFormat (nothing written), EAnimation or EWriteError.
bool exportAnimation(const QString& path, AnimationFrames& frames, QSize logicalSize, int scale,
                     const AnimationProgress& progress = {});

// The geometry (a pose of solid, in catalogue units) as STL, OBJ or OFF by the
// path's suffix, scaled to a circumscribed diameter of diameterMm and named
// with the solid's name. Throws EExportFormat (nothing
// written), EMeshExport or EWriteError.
void exportSolid(const QString& path, const Solid& solid, const Polyhedron& geometry,
                 double diameterMm);

// The net as PDF, SVG or JSON by the path's suffix. Throws EExportFormat
// (nothing written) or EWriteError.
void exportNet(const QString& path, const NetDocument& net);

// The worksheet of solid as PDF, pictured as model shows it in view; blanks
// leaves the counts to be filled in and adds the answer page. Throws
// EExportFormat (nothing written) for a path not ending in .pdf, what
// makeWorksheet throws, or EWriteError.
void exportWorksheet(const QString& path, const Solid& solid, const Model& model,
                     const ViewState& view, std::span<const Solid> catalogue, bool blanks);

// The booklet of the worksheets of all solids of catalogue (start pose, view)
// as one PDF. Throws as exportWorksheet.
void exportBooklet(const QString& path, std::span<const Solid> catalogue, const ViewState& view,
                   bool blanks);

}  // namespace velkora
