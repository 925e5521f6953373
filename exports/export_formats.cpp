#include "exports/export_formats.h"

#include <array>

#include <QCoreApplication>
#include <QFileInfo>

namespace velkora {

namespace {

constexpr ExportFormat kFormats[] = {
    {ExportKind::Picture, "png", QT_TRANSLATE_NOOP("Korvelindra", "PNG-Bilder (*.png)"),
     ExportWriter::Png, "the model in a view, a size and a scale"},
    {ExportKind::Animation, "gif", QT_TRANSLATE_NOOP("Korvelindra", "GIF-Animation (*.gif)"),
     ExportWriter::Gif, "the animation's frames, a size and a scale"},
    {ExportKind::Animation, "webp", QT_TRANSLATE_NOOP("Korvelindra", "WebP-Animation (*.webp)"),
     ExportWriter::WebP, "the animation's frames, a size and a scale"},
    {ExportKind::Solid, "stl", QT_TRANSLATE_NOOP("Korvelindra", "STL, binär (*.stl)"),
     ExportWriter::Stl, "the solid's geometry, name and diameter"},
    {ExportKind::Solid, "obj", "Wavefront OBJ (*.obj)", ExportWriter::Obj,
     "the solid's geometry, name and diameter"},
    {ExportKind::Solid, "off", "OFF (*.off)", ExportWriter::Off,
     "the solid's geometry, name and diameter"},
    {ExportKind::Net, "pdf", "PDF (*.pdf)", ExportWriter::NetPdf, "the laid-out net"},
    {ExportKind::Net, "svg", "SVG (*.svg)", ExportWriter::NetSvg, "the laid-out net"},
    {ExportKind::Net, "json", "JSON (*.json)", ExportWriter::NetJson, "the laid-out net"},
    {ExportKind::Sheet, "pdf", "PDF (*.pdf)", ExportWriter::SheetPdf,
     "the solids, their models, a view and the catalogue"},
};

constexpr int kKinds = 5;

}  // namespace

std::span<const ExportFormat> exportFormats() { return kFormats; }

const QStringList& exportSuffixes(ExportKind kind) {
  static const std::array<QStringList, kKinds> suffixes = [] {
    std::array<QStringList, kKinds> lists;
    for (const ExportFormat& format : kFormats)
      lists[static_cast<std::size_t>(format.kind)] << QString::fromLatin1(format.suffix);
    return lists;
  }();
  return suffixes[static_cast<std::size_t>(kind)];
}

QStringList exportFilters(ExportKind kind) {
  QStringList filters;
  for (const ExportFormat& format : kFormats) {
    if (format.kind == kind) filters << QCoreApplication::translate("Korvelindra", format.filter);
  }
  return filters;
}

std::optional<ExportWriter> exportWriterOf(ExportKind kind, const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  for (const ExportFormat& format : kFormats) {
    if (format.kind == kind && suffix == QLatin1String(format.suffix)) return format.writer;
  }
  return std::nullopt;
}

}  // namespace velkora
