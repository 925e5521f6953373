#pragma once
// The program's export formats in one table: for each kind of export its
// file suffixes (the default first), the save dialog's filter of each and the
// writer that makes it. The command line, the export service and the
// window's save dialogs all read it; nothing is written here.

#include <optional>
#include <span>

#include <QString>
#include <QStringList>

namespace velkora {

// What is exported; each kind needs its own input (see ExportFormat::needs).
enum class ExportKind { Picture, Animation, Solid, Net, Sheet };

enum class ExportWriter { Png, Gif, WebP, Stl, Obj, Off, NetPdf, NetSvg, NetJson, SheetPdf };

struct ExportFormat {
  ExportKind kind;
  const char* suffix;  // lower case, without the dot
  // The save dialog's filter, e.g. "PNG-Bilder (*.png)": German, translated
  // in the context "Korvelindra" where it has words to translate.
  const char* filter;
  ExportWriter writer;
  const char* needs;  // what the writer is given, for people reading the table
};

// Every format, grouped by kind, the default of each kind first.
std::span<const ExportFormat> exportFormats();

// The suffixes of a kind, lower case without the dot, the default first.
const QStringList& exportSuffixes(ExportKind kind);

// The save dialog's filters of a kind, in the language in use, the default first.
QStringList exportFilters(ExportKind kind);

// The writer of kind that path's suffix names (letter case ignored); empty
// for any other suffix.
std::optional<ExportWriter> exportWriterOf(ExportKind kind, const QString& path);

}  // namespace velkora
