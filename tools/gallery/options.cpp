// Parsing the gallery tool's command line.
#include "tools/gallery/options.h"

#include <charconv>
#include <string_view>

#include "tools/gallery/errors.h"

namespace velkora::gallery {

namespace {

constexpr int kMaxPixels = 10000;  // largest width or height accepted

// A whole decimal number within lowest..highest, or EGalleryError naming the option.
int parseNumber(std::string_view option, std::string_view text, int lowest, int highest) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || value < lowest ||
      value > highest) {
    throw EGalleryError(std::string(option) + ": '" + std::string(text) +
                        "' ist keine ganze Zahl von " + std::to_string(lowest) + " bis " +
                        std::to_string(highest));
  }
  return value;
}

// "WIDTHxHEIGHT", e.g. 634x663.
QSize parseSize(std::string_view text) {
  const auto cross = text.find('x');
  if (cross == std::string_view::npos) {
    throw EGalleryError("--size: '" + std::string(text) + "' hat nicht die Form BREITExHÖHE");
  }
  return {parseNumber("--size", text.substr(0, cross), 1, kMaxPixels),
          parseNumber("--size", text.substr(cross + 1), 1, kMaxPixels)};
}

}  // namespace

View parseView(const std::string& text) {
  if (text == "polyeder" || text == "polyhedron") return View::Polyhedron;
  if (text == "inkugel" || text == "inner") return View::InnerSphere;
  if (text == "umkugel" || text == "outer") return View::OuterSphere;
  throw EGalleryError("--view: '" + text + "' ist keine Ansicht (polyeder, inkugel oder umkugel)");
}

std::string viewName(View view) {
  switch (view) {
    case View::Polyhedron:
      return "polyhedron";
    case View::InnerSphere:
      return "inner";
    case View::OuterSphere:
      return "outer";
  }
  return "polyhedron";
}

Options parseOptions(const std::vector<std::string>& args) {
  Options options;
  options.size = windowDrawingSize();
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    // The value of an option that takes one: the next argument, which must exist.
    const auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) {
        throw EGalleryError(arg + ": Wert fehlt");
      }
      return args[++i];
    };
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--type") {
      options.type = parseNumber(arg, value(), 0, kMaxPixels);
    } else if (arg == "--position") {
      options.position = parseNumber(arg, value(), 0, kMaxPixels);
    } else if (arg == "--view") {
      options.view = parseView(value());
    } else if (arg == "--marks") {
      options.marks = true;
    } else if (arg == "--size") {
      options.size = parseSize(value());
    } else if (arg == "--thumb") {
      options.thumbWidth = parseNumber(arg, value(), 1, kMaxPixels);
    } else if (arg == "--out") {
      options.out = value();
    } else if (arg == "--all") {
      options.allDir = value();
    } else if (arg == "--page") {
      options.page = value();
    } else {
      throw EGalleryError("Unbekannte Angabe '" + arg + "'");
    }
  }
  if (options.help) {
    return options;
  }
  const bool single = options.type || options.position || !options.out.empty();
  if (!options.allDir.empty()) {
    if (single) {
      throw EGalleryError("--all schließt --type, --position und --out aus");
    }
    return options;
  }
  if (!options.page.empty()) {
    throw EGalleryError("--page gilt nur zusammen mit --all");
  }
  if (options.type.has_value() == options.position.has_value()) {
    throw EGalleryError("Genau eine der Angaben --type oder --position ist nötig");
  }
  if (options.out.empty()) {
    throw EGalleryError("--out fehlt");
  }
  return options;
}

std::string usageText() {
  return "Aufruf:\n"
         "  korvelindra_gallery (--type N | --position N) [--view polyeder|inkugel|umkugel]\n"
         "                      [--marks] [--size BREITExHÖHE] [--thumb BREITE] --out DATEI.png\n"
         "  korvelindra_gallery --all ORDNER [--page SEITE.md] [--marks] [--size BREITExHÖHE]\n"
         "                      [--thumb BREITE]\n"
         "Zeichnet Körper mit dem Zeichner des Programms, so wie das Fenster sie nach der\n"
         "Auswahl in der Liste zeigt (Größe der Zeichenfläche: 634x663).\n"
         "  --type N       Körper mit der Typnummer N (0 bis 30)\n"
         "  --position N   Körper an Position N der Liste (0 bis 30)\n"
         "  --view         Polyeder allein, mit Inkugel oder in der Umkugel\n"
         "  --marks        Ecken markieren\n"
         "  --thumb BREITE Bild auf diese Breite verkleinert speichern\n"
         "  --all ORDNER   alle Körper in den drei Ansichten als PNG in ORDNER\n"
         "  --page SEITE   dazu eine Markdown-Seite mit einer Tabelle aller Bilder\n";
}

}  // namespace velkora::gallery
