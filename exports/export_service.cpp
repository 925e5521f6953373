#include "exports/export_service.h"

#include <memory>

#include "exports/picture.h"
#include "exports/save_file.h"
#include "exports/worksheet.h"
#include "model/load.h"
#include "nets/net_json.h"
#include "nets/net_options.h"
#include "nets/net_paint.h"
#include "nets/net_svg.h"
#include "solid_export/mesh_export.h"

namespace velkora {

namespace {

QByteArray bytesOf(const std::string& text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// ".stl, .obj oder .off"
std::string suffixList(const QStringList& suffixes) {
  std::string list;
  for (qsizetype k = 0; k < suffixes.size(); ++k) {
    if (k > 0) list += k + 1 == suffixes.size() ? " oder " : ", ";
    list += "." + suffixes[k].toStdString();
  }
  return list;
}

}  // namespace

std::optional<Paper> paperFromName(const QString& name) { return paperNamed(name.toStdString()); }

QPageSize pageSizeOf(Paper paper) {
  switch (paper) {
    case Paper::A3:
      return QPageSize(QPageSize::A3);
    case Paper::Letter:
      return QPageSize(QPageSize::Letter);
    case Paper::A4:
      break;
  }
  return QPageSize(QPageSize::A4);
}

std::unique_ptr<Model> startModel(const Solid& solid) {
  // The model is large; it lives on the heap.
  auto model = std::make_unique<Model>();
  placeSolid(*model, solid);
  return model;
}

void exportPicture(const QString& path, const Model& model, const ViewState& view,
                   QSize logicalSize, int scale) {
  saveFileAtomically(path, pngBytes(composePicture(model, view, logicalSize, scale)));
}

void exportFoldPicture(const QString& path, const Solid& solid, const Model& model, double f,
                       QSize logicalSize, int scale) {
  saveFileAtomically(path, pngBytes(composeFoldPicture(solid, model, f, logicalSize, scale)));
}

bool exportAnimation(const QString& path, AnimationFrames& frames, QSize logicalSize, int scale,
                     const AnimationProgress& progress) {
  const std::optional<ExportWriter> writer = exportWriterOf(ExportKind::Animation, path);
  if (!writer) {
    throw EExportFormat("Die Endung von " + path.toStdString() + " nennt kein Animationsformat (" +
                        suffixList(exportSuffixes(ExportKind::Animation)) + ")");
  }
  const AnimationFormat format =
      *writer == ExportWriter::WebP ? AnimationFormat::WebP : AnimationFormat::Gif;
  // The file is made in memory and written in one step at the end, so a stop
  // on the way leaves nothing on disk.
  const std::optional<std::vector<std::uint8_t>> bytes =
      encodeAnimation(frames, format, logicalSize.width(), logicalSize.height(), scale, progress);
  if (!bytes) return false;
  saveFileAtomically(path, QByteArray(reinterpret_cast<const char*>(bytes->data()),
                                      static_cast<qsizetype>(bytes->size())));
  return true;
}

void exportSolid(const QString& path, const Solid& solid, const Polyhedron& geometry,
                 double diameterMm) {
  const std::optional<ExportWriter> writer = exportWriterOf(ExportKind::Solid, path);
  if (!writer) {
    throw EExportFormat("Die Endung von " + path.toStdString() + " nennt kein bekanntes Format (" +
                        suffixList(exportSuffixes(ExportKind::Solid)) + ")");
  }
  const MeshFormat format = *writer == ExportWriter::Obj   ? MeshFormat::Obj
                            : *writer == ExportWriter::Off ? MeshFormat::Off
                                                           : MeshFormat::Stl;
  saveFileAtomically(path, bytesOf(meshFileBytes(geometry, format, diameterMm, solid.name)));
}

void exportNet(const QString& path, const NetDocument& net) {
  const std::optional<ExportWriter> writer = exportWriterOf(ExportKind::Net, path);
  if (!writer) {
    throw EExportFormat("Die Endung von " + path.toStdString() + " nennt kein Netzformat (" +
                        suffixList(exportSuffixes(ExportKind::Net)) + ")");
  }
  if (*writer == ExportWriter::NetSvg) {
    saveFileAtomically(path, bytesOf(netSvg(net)));
  } else if (*writer == ExportWriter::NetJson) {
    saveFileAtomically(path, bytesOf(netJson(net)));
  } else {
    saveFileAtomically(path, netPdf(net));
  }
}

namespace {

void requireSheetSuffix(const QString& path) {
  if (exportWriterOf(ExportKind::Sheet, path)) return;
  throw EExportFormat("Die Endung von " + path.toStdString() +
                      " nennt kein Format für Steckbriefe (.pdf)");
}

}  // namespace

void exportWorksheet(const QString& path, const Solid& solid, const Model& model,
                     const ViewState& view, std::span<const Solid> catalogue, bool blanks) {
  requireSheetSuffix(path);
  saveFileAtomically(path, worksheetPdf(makeWorksheet(solid, model, view, catalogue, blanks)));
}

void exportBooklet(const QString& path, std::span<const Solid> catalogue, const ViewState& view,
                   bool blanks) {
  requireSheetSuffix(path);
  saveFileAtomically(path, bookletPdf(catalogue, view, blanks));
}

}  // namespace velkora
