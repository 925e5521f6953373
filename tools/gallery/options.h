#pragma once
// The gallery tool's command line: one picture of one solid in one view, or
// every solid in the three views plus a Markdown page. Parsing only; the
// values are checked here, nothing is rendered or written.

#include <optional>
#include <string>
#include <vector>

#include <QSize>

#include "tools/gallery/solid_renderer.h"

namespace velkora::gallery {

struct Options {
  bool help = false;
  // One picture: the solid by type number or by list position (exactly one of them).
  std::optional<int> type;
  std::optional<int> position;
  View view = View::Polyhedron;
  std::string out;
  // Every solid: the folder for the pictures and, optionally, the page.
  std::string allDir;
  std::string page;
  bool marks = false;
  QSize size;          // rendering size; the window's drawing size unless --size
  int thumbWidth = 0;  // width of the written pictures; 0 keeps the rendering size
};

// Parses the arguments after the program name. Throws EGalleryError with a
// German message for an unknown option, a missing or malformed value, or a
// combination that does not make sense (e.g. --all together with --type).
Options parseOptions(const std::vector<std::string>& args);

// Parses a view name: polyeder/polyhedron, inkugel/inner, umkugel/outer.
View parseView(const std::string& text);

// The short name used in file names and on the command line (polyhedron, inner, outer).
std::string viewName(View view);

// The help text printed for --help and after a usage error.
std::string usageText();

}  // namespace velkora::gallery
