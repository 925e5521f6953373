#include "cli/command_line.h"

#include <array>
#include <cmath>

#include <QCommandLineOption>
#include <QCommandLineParser>

#include "app_version.h"
#include "exports/export_service.h"
#include "solid_export/mesh_export.h"
#include "translations/language.h"

namespace velkora {

namespace {

const QCommandLineOption kSolid(
    QStringLiteral("solid"),
    QStringLiteral("The solid: list position 0-30 or its German or English name."),
    QStringLiteral("SOLID"));
const QCommandLineOption kView(QStringLiteral("view"),
                               QStringLiteral("The view: polyeder, inkugel or umkugel."),
                               QStringLiteral("VIEW"));
const QCommandLineOption kMarks(QStringLiteral("marks"), QStringLiteral("Mark the vertices."));
const QCommandLineOption kScale(
    QStringLiteral("scale"),
    QStringLiteral("Scale of a picture or an animation: 1, 2 or 4 times the drawing area."),
    QStringLiteral("N"));
const QCommandLineOption kExportPicture(
    QStringLiteral("export-picture"),
    QStringLiteral("Write the picture of the solid in its start pose as PNG and exit."),
    QStringLiteral("FILE.png"));
const QCommandLineOption kExportAnimation(
    QStringLiteral("export-animation"),
    QStringLiteral("Write an animation of the solid as GIF or WebP, by the suffix, looping "
                   "forever, and exit."),
    QStringLiteral("FILE"));
const QCommandLineOption kAnimate(
    QStringLiteral("animate"),
    QStringLiteral("What moves: spin (one turn about the vertical axis), morph (into the dual and "
                   "back), kaleidoscope (the point's tour) or fold (the paper net folding up and "
                   "opening again); default spin."),
    QStringLiteral("KIND"));
const QCommandLineOption kFrames(QStringLiteral("frames"),
                                 QStringLiteral("Frames of the animation, 2-720 (default 72)."),
                                 QStringLiteral("N"));
const QCommandLineOption kExportSolid(
    QStringLiteral("export-solid"),
    QStringLiteral("Write the solid as STL (binary), OBJ or OFF, by the suffix, and exit."),
    QStringLiteral("FILE"));
const QCommandLineOption kSizeMm(QStringLiteral("size-mm"),
                                 QStringLiteral("Circumscribed diameter of the exported solid in "
                                                "millimetres (default 60)."),
                                 QStringLiteral("D"));
const QCommandLineOption kProperties(QStringLiteral("properties"),
                                     QStringLiteral("Print the properties of the solid and exit."));
const QCommandLineOption kJson(QStringLiteral("json"),
                               QStringLiteral("With --properties: print one JSON object."));
const QCommandLineOption kExportNet(
    QStringLiteral("export-net"),
    QStringLiteral("Write a printable paper net as PDF, SVG or JSON, by the suffix, and exit."),
    QStringLiteral("FILE"));
const QCommandLineOption kPaper(QStringLiteral("paper"),
                                QStringLiteral("Paper of the net: a4, a3 or letter (default a4)."),
                                QStringLiteral("PAPER"));
const QCommandLineOption kEdgeMm(QStringLiteral("edge-mm"),
                                 QStringLiteral("Length of the longest edge of the net in "
                                                "millimetres (default: the largest that fits one "
                                                "page)."),
                                 QStringLiteral("X"));
const QCommandLineOption kNoTabs(
    QStringLiteral("no-tabs"), QStringLiteral("Draw the net without glue tabs (as --tabs none)."));
const QCommandLineOption kTabs(
    QStringLiteral("tabs"),
    QStringLiteral("Glue tabs of the net: one (one per cut edge pair, default), both (on both "
                   "edges of every pair, for thin paper) or none."),
    QStringLiteral("STYLE"));
const QCommandLineOption kOrientation(
    QStringLiteral("orientation"),
    QStringLiteral("Page orientation of the net: portrait, landscape or auto (default: the one "
                   "that gives the larger net)."),
    QStringLiteral("ORIENTATION"));
const QCommandLineOption kNoNumbers(QStringLiteral("no-numbers"),
                                    QStringLiteral("Leave out the numbers of the cut edges."));
// Page extras that are on or off: --X turns one on, --no-X off; the default
// holds when neither is given.
const QCommandLineOption kScaleBar(QStringLiteral("scale-bar"),
                                   QStringLiteral("Draw a 50 mm bar on every page of the net to "
                                                  "check the printed size (default)."));
const QCommandLineOption kNoScaleBar(QStringLiteral("no-scale-bar"),
                                     QStringLiteral("Leave out the 50 mm bar."));
const QCommandLineOption kFaceNumbers(
    QStringLiteral("face-numbers"),
    QStringLiteral("Print each face's number (its index in the catalogue + 1) inside it "
                   "(default)."));
const QCommandLineOption kNoFaceNumbers(QStringLiteral("no-face-numbers"),
                                        QStringLiteral("Leave out the face numbers."));
const QCommandLineOption kFoldAngles(
    QStringLiteral("fold-angles"),
    QStringLiteral("Print the solid's dihedral angle along each fold line."));
const QCommandLineOption kNoFoldAngles(QStringLiteral("no-fold-angles"),
                                       QStringLiteral("Leave out the fold angles (default)."));
const QCommandLineOption kExportSheet(
    QStringLiteral("export-sheet"),
    QStringLiteral("Write the worksheet of the solid (picture, properties, numbered faces and "
                   "net on A4 portrait) as PDF and exit."),
    QStringLiteral("FILE.pdf"));
const QCommandLineOption kExportBooklet(
    QStringLiteral("export-booklet"),
    QStringLiteral("Write the worksheets of all 31 solids behind a contents page as one PDF and "
                   "exit."),
    QStringLiteral("FILE.pdf"));
const QCommandLineOption kBlanks(
    QStringLiteral("blanks"),
    QStringLiteral("With --export-sheet or --export-booklet: leave the numbers of vertices, edges "
                   "and faces and the face kinds as boxes to fill in, and add an answer page."));
const QCommandLineOption kMorph(
    QStringLiteral("morph"),
    QStringLiteral("With an export or --properties: the solid on its way into its dual, at T from "
                   "0 (the solid) to 1 (the dual)."),
    QStringLiteral("T"));
const QCommandLineOption kFold(
    QStringLiteral("fold"),
    QStringLiteral("With --export-picture: the solid's paper net folded to F, from 0 (flat, "
                   "facing the viewer) to 1 (closed on the solid)."),
    QStringLiteral("F"));
const QCommandLineOption kWythoff(
    QStringLiteral("wythoff"),
    QStringLiteral("Instead of --solid, with an export or --properties: the kaleidoscope's solid "
                   "of family T, O or I at the weights of --at."),
    QStringLiteral("FAMILY"));
const QCommandLineOption kAt(
    QStringLiteral("at"),
    QStringLiteral("With --wythoff: the weights a,b,c of the triangle's corners (not negative, "
                   "not all 0)."),
    QStringLiteral("A,B,C"));
const QCommandLineOption kWythoffStops(
    QStringLiteral("wythoff-stops"),
    QStringLiteral("Print the weights at which the kaleidoscope of FAMILY (T, O or I) makes a "
                   "catalogue solid, one per line: a,b,c, list position and name; and exit."),
    QStringLiteral("FAMILY"));
const QCommandLineOption kMorphStops(
    QStringLiteral("morph-stops"),
    QStringLiteral("Print the stops of the solid's morph into its dual, one per line: T, list "
                   "position and name, separated by tabs; and exit."));

const QCommandLineOption kResetSettings(
    QStringLiteral("reset-settings"),
    QStringLiteral("Open the window as on a first start, ignoring and deleting the remembered "
                   "settings; the window remembers afresh when it closes."));

const QCommandLineOption kLang(
    QStringList{QStringLiteral("lang")},
    QStringLiteral("The language of the window and of the exported pages for this run: de "
                   "(German), en (English) or another built-in one. Without it the window speaks "
                   "the language chosen "
                   "in its Help menu, German at first, and exports are German."),
    QStringLiteral("LANG"));

void addOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      QStringLiteral("Viewer of the 31 convex polyhedra (Platonic, Archimedean, Catalan).\n"
                     "Without an export option the window opens."));
  parser.addHelpOption();
  parser.addVersionOption();
  for (const QCommandLineOption* option : {&kSolid,         &kView,
                                           &kMarks,         &kScale,
                                           &kExportPicture, &kExportAnimation,
                                           &kAnimate,       &kFrames,
                                           &kExportSolid,   &kSizeMm,
                                           &kProperties,    &kJson,
                                           &kExportNet,     &kPaper,
                                           &kOrientation,   &kEdgeMm,
                                           &kTabs,          &kNoTabs,
                                           &kNoNumbers,     &kScaleBar,
                                           &kNoScaleBar,    &kFaceNumbers,
                                           &kNoFaceNumbers, &kFoldAngles,
                                           &kNoFoldAngles,  &kExportSheet,
                                           &kExportBooklet, &kBlanks,
                                           &kMorph,         &kMorphStops,
                                           &kWythoff,       &kAt,
                                           &kWythoffStops,  &kFold,
                                           &kResetSettings, &kLang}) {
    parser.addOption(*option);
  }
}

// Folds a name for comparison: lower case, umlauts and sharp s spelt out.
QString foldName(const QString& text) {
  QString folded = text.trimmed().toLower();
  folded.replace(QChar(0xE4), QStringLiteral("ae"));
  folded.replace(QChar(0xF6), QStringLiteral("oe"));
  folded.replace(QChar(0xFC), QStringLiteral("ue"));
  folded.replace(QChar(0xDF), QStringLiteral("ss"));
  return folded;
}

// A number as people type it: with a decimal point or, as in German, a
// decimal comma ("40,5"). Digit grouping is not accepted.
double typedNumber(const QString& text, bool* ok) {
  QString plain = text.trimmed();
  if (plain.count(QLatin1Char(',')) == 1 && !plain.contains(QLatin1Char('.')))
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
  return plain.toDouble(ok);
}

double positiveNumber(const QCommandLineParser& parser, const QCommandLineOption& option) {
  bool ok = false;
  const QString text = parser.value(option);
  const double value = typedNumber(text, &ok);
  if (!ok || !std::isfinite(value) || value <= 0.0) {
    throw EUsageError("--" + option.names().front().toStdString() +
                      ": expected a positive number, got '" + text.toStdString() + "'");
  }
  return value;
}

// A morph parameter or fold stage: a number from 0 to 1.
double parseUnitNumber(const QString& text, const char* option) {
  bool ok = false;
  const double value = typedNumber(text, &ok);
  if (!ok || !(value >= 0.0 && value <= 1.0)) {
    throw EUsageError(std::string("--") + option + ": expected a number from 0 to 1, got '" +
                      text.toStdString() + "'");
  }
  return value;
}

WythoffFamily parseFamily(const QString& text, const char* option) {
  if (const auto family = wythoffFamilyOf(text.trimmed().toStdString())) return *family;
  throw EUsageError(std::string("--") + option + ": unknown family '" + text.toStdString() +
                    "' (T, O or I)");
}

// Three weights "a,b,c": numbers, none negative, not all 0.
WythoffWeights parseWeights(const QString& text) {
  const QStringList parts = text.split(QLatin1Char(','));
  std::array<double, 3> values{};
  bool ok = parts.size() == 3;
  for (int k = 0; ok && k < 3; ++k)
    values[static_cast<std::size_t>(k)] = parts[k].trimmed().toDouble(&ok);
  const std::optional<WythoffWeights> weights =
      ok ? normalisedWeights(values[0], values[1], values[2]) : std::nullopt;
  if (!weights) {
    throw EUsageError("--at: expected three weights a,b,c, none negative and not all 0, got '" +
                      text.toStdString() + "'");
  }
  return *weights;
}

View parseView(const QString& text) {
  const QString folded = text.toLower();
  if (folded == QStringLiteral("polyeder")) return View::Polyhedron;
  if (folded == QStringLiteral("inkugel")) return View::InnerSphere;
  if (folded == QStringLiteral("umkugel")) return View::OuterSphere;
  throw EUsageError("--view: unknown view '" + text.toStdString() +
                    "' (polyeder, inkugel or umkugel)");
}

int parseScale(const QString& text) {
  for (const int scale : {1, 2, 4}) {
    if (text == QString::number(scale)) return scale;
  }
  throw EUsageError("--scale: expected 1, 2 or 4, got '" + text.toStdString() + "'");
}

AnimationKind parseAnimate(const QString& text) {
  if (const auto kind = animationKindOf(text.trimmed().toStdString())) return *kind;
  std::string names;
  for (const AnimationKind kind : animationKinds())
    names += (names.empty() ? "" : ", ") + std::string(animationKindName(kind));
  throw EUsageError("--animate: unknown kind '" + text.toStdString() + "' (" + names + ")");
}

// A whole number of frames within 2-720.
int parseFrames(const QString& text) {
  bool ok = false;
  const int frames = text.trimmed().toInt(&ok);
  if (!ok || frames < kMinAnimationFrames || frames > kMaxAnimationFrames) {
    throw EUsageError("--frames: expected a whole number from " +
                      std::to_string(kMinAnimationFrames) + " to " +
                      std::to_string(kMaxAnimationFrames) + ", got '" + text.toStdString() + "'");
  }
  return frames;
}

Paper parsePaper(const QString& text) {
  if (const std::optional<Paper> paper = paperFromName(text)) return *paper;
  throw EUsageError("--paper: unknown paper '" + text.toStdString() + "' (a4, a3 or letter)");
}

Orientation parseOrientation(const QString& text) {
  const QString folded = text.toLower();
  if (folded == QStringLiteral("portrait")) return Orientation::Portrait;
  if (folded == QStringLiteral("landscape")) return Orientation::Landscape;
  if (folded == QStringLiteral("auto")) return Orientation::Best;
  throw EUsageError("--orientation: unknown orientation '" + text.toStdString() +
                    "' (portrait, landscape or auto)");
}

TabStyle parseTabStyle(const QString& text) {
  const QString folded = text.toLower();
  if (folded == QStringLiteral("one")) return TabStyle::One;
  if (folded == QStringLiteral("both")) return TabStyle::Both;
  if (folded == QStringLiteral("none")) return TabStyle::None;
  throw EUsageError("--tabs: unknown tab style '" + text.toStdString() + "' (one, both or none)");
}

// An on/off extra: on with --X, off with --no-X, fallback with neither.
bool onOrOff(const QCommandLineParser& parser, const QCommandLineOption& on,
             const QCommandLineOption& off, bool fallback) {
  const std::string name = on.names().front().toStdString();
  if (parser.isSet(on) && parser.isSet(off)) {
    throw EUsageError("give either --" + name + " or --no-" + name);
  }
  if (parser.isSet(on)) return true;
  if (parser.isSet(off)) return false;
  return fallback;
}

void requireSuffix(const QString& file, const char* option, const QStringList& allowed) {
  const QString suffix = file.section(QLatin1Char('.'), -1).toLower();
  if (file.contains(QLatin1Char('.')) && allowed.contains(suffix)) return;
  std::string list;
  for (const QString& candidate : allowed)
    list += (list.empty() ? "." : ", .") + candidate.toStdString();
  throw EUsageError(std::string("--") + option + ": '" + file.toStdString() +
                    "' needs one of the suffixes " + list);
}

// The one export the arguments ask for, if any.
CliAction chosenAction(const QCommandLineParser& parser) {
  CliAction action = CliAction::Window;
  int count = 0;
  const std::pair<const QCommandLineOption*, CliAction> actions[] = {
      {&kExportPicture, CliAction::ExportPicture}, {&kExportAnimation, CliAction::ExportAnimation},
      {&kExportSolid, CliAction::ExportSolid},     {&kProperties, CliAction::Properties},
      {&kExportNet, CliAction::ExportNet},         {&kExportSheet, CliAction::ExportSheet},
      {&kExportBooklet, CliAction::ExportBooklet}, {&kMorphStops, CliAction::MorphStops},
      {&kWythoffStops, CliAction::WythoffStops}};
  for (const auto& [option, value] : actions) {
    if (parser.isSet(*option)) {
      action = value;
      ++count;
    }
  }
  if (count > 1) {
    throw EUsageError(
        "give only one of --export-picture, --export-animation, --export-solid, --properties, "
        "--export-net, --export-sheet, --export-booklet, --morph-stops, --wythoff-stops");
  }
  return action;
}

// Options that belong to one action only are refused elsewhere, so that a typo
// in a combination does not go unnoticed.
void requireOnlyWith(const QCommandLineParser& parser, const QCommandLineOption& option,
                     bool allowed, const char* owner) {
  if (parser.isSet(option) && !allowed) {
    throw EUsageError("--" + option.names().front().toStdString() + " only works with " + owner);
  }
}

}  // namespace

int findSolid(const QString& text, const CatalogueTexts& texts) {
  const int count = static_cast<int>(texts.names.size());
  bool isNumber = false;
  const int position = text.trimmed().toInt(&isNumber);
  if (isNumber) {
    if (position < 0 || position >= count) {
      throw EUsageError("--solid: position " + text.toStdString() + " is outside 0-" +
                        std::to_string(count - 1));
    }
    return position;
  }
  const QString wanted = foldName(text);
  for (int candidate = 0; candidate < count && !wanted.isEmpty(); ++candidate) {
    const QString name = QString::fromStdString(solidNameAt(texts, candidate));
    if (foldName(name) == wanted) return candidate;
    if (foldName(englishText("Solid", name)) == wanted) return candidate;
    for (const QString& part : name.split(QLatin1Char(','))) {
      if (foldName(part) == wanted) return candidate;
    }
  }
  throw EUsageError("--solid: unknown solid '" + text.toStdString() +
                    "' (a list position 0-30 or a name such as Ikosaeder or Icosahedron)");
}

QStringList withoutQtOptions(const QStringList& arguments) {
  // Options of QGuiApplication and QApplication, with one dash or two; those
  // of the first list take the next argument as their value, or one after "=".
  static const QStringList kWithValue = {QStringLiteral("platform"),
                                         QStringLiteral("platformpluginpath"),
                                         QStringLiteral("platformtheme"),
                                         QStringLiteral("plugin"),
                                         QStringLiteral("qwindowgeometry"),
                                         QStringLiteral("geometry"),
                                         QStringLiteral("qwindowicon"),
                                         QStringLiteral("icon"),
                                         QStringLiteral("qwindowtitle"),
                                         QStringLiteral("title"),
                                         QStringLiteral("session"),
                                         QStringLiteral("display"),
                                         QStringLiteral("name"),
                                         QStringLiteral("style"),
                                         QStringLiteral("stylesheet"),
                                         QStringLiteral("qmljsdebugger"),
                                         QStringLiteral("visual"),
                                         QStringLiteral("ncols")};
  static const QStringList kFlags = {QStringLiteral("reverse"),    QStringLiteral("widgetcount"),
                                     QStringLiteral("nograb"),     QStringLiteral("dograb"),
                                     QStringLiteral("sync"),       QStringLiteral("cmap"),
                                     QStringLiteral("testability")};
  QStringList kept;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    QString name = argument;
    if (name.startsWith(QStringLiteral("--"))) {
      name.remove(0, 2);
    } else if (name.startsWith(QLatin1Char('-'))) {
      name.remove(0, 1);
    } else {
      kept << argument;
      continue;
    }
    const QString bare = name.section(QLatin1Char('='), 0, 0);
    if (kWithValue.contains(bare)) {
      if (!name.contains(QLatin1Char('='))) ++i;  // its value follows
      continue;
    }
    if (!kFlags.contains(name)) kept << argument;
  }
  return kept;
}

CliRequest parseCommandLine(const QStringList& arguments, const CatalogueTexts& texts) {
  QCommandLineParser parser;
  addOptions(parser);
  if (!parser.parse(QStringList{QStringLiteral("korvelindra")} + arguments)) {
    throw EUsageError(parser.errorText().toStdString());
  }
  CliRequest request;
  if (parser.isSet(QStringLiteral("help"))) {
    request.action = CliAction::Help;
    return request;
  }
  if (parser.isSet(QStringLiteral("version"))) {
    request.action = CliAction::Version;
    return request;
  }
  if (!parser.positionalArguments().isEmpty()) {
    throw EUsageError("unexpected argument '" + parser.positionalArguments().front().toStdString() +
                      "'");
  }
  request.action = chosenAction(parser);
  const bool stops = request.action == CliAction::WythoffStops;
  const bool booklet = request.action == CliAction::ExportBooklet;
  const bool exporting = request.action != CliAction::Window && !stops && !booklet;
  if (booklet && (parser.isSet(kSolid) || parser.isSet(kWythoff))) {
    throw EUsageError("--export-booklet writes every solid; give no --solid or --wythoff");
  }
  if (parser.isSet(kSolid) && parser.isSet(kWythoff)) {
    throw EUsageError("give either --solid or --wythoff");
  }
  const bool animation = request.action == CliAction::ExportAnimation;
  if (parser.isSet(kAnimate)) request.animate = parseAnimate(parser.value(kAnimate));
  // The kaleidoscope's tour moves the point itself: its family is enough.
  const bool tour = animation && request.animate == AnimationKind::Kaleidoscope;
  if (parser.isSet(kWythoff) && !parser.isSet(kAt) && !tour) {
    throw EUsageError("--wythoff needs --at a,b,c");
  }
  if (exporting && !parser.isSet(kSolid) && !parser.isSet(kWythoff)) {
    throw EUsageError("an export needs --solid or --wythoff");
  }
  if (request.action == CliAction::MorphStops && !parser.isSet(kSolid)) {
    throw EUsageError("--morph-stops needs --solid");
  }
  if (stops && parser.isSet(kSolid)) throw EUsageError("--wythoff-stops takes no --solid");
  if (stops) request.wythoff = parseFamily(parser.value(kWythoffStops), "wythoff-stops");
  if (parser.isSet(kWythoff)) request.wythoff = parseFamily(parser.value(kWythoff), "wythoff");
  if (parser.isSet(kAt)) request.at = parseWeights(parser.value(kAt));
  if (parser.isSet(kSolid)) request.position = findSolid(parser.value(kSolid), texts);
  if (parser.isSet(kView)) request.view = parseView(parser.value(kView));
  request.viewGiven = parser.isSet(kView);
  requireOnlyWith(parser, kResetSettings, request.action == CliAction::Window, "the window");
  request.resetSettings = parser.isSet(kResetSettings);
  if (parser.isSet(kLang)) {
    request.language = languageOfCode(parser.value(kLang));
    if (!request.language) {
      throw EUsageError("--lang: unknown language '" + parser.value(kLang).toStdString() + "' (" +
                        availableLanguages().join(QStringLiteral(", ")).toStdString() + ")");
    }
  }

  const bool picture = request.action == CliAction::ExportPicture;
  const bool solid = request.action == CliAction::ExportSolid;
  const bool net = request.action == CliAction::ExportNet;
  const bool sheet = request.action == CliAction::ExportSheet;
  const bool sheets = sheet || booklet;
  if (sheets && (parser.isSet(kPaper) || parser.isSet(kEdgeMm) || parser.isSet(kNoTabs))) {
    throw EUsageError(
        "--paper, --edge-mm and --no-tabs only work with --export-net; worksheets are A4 "
        "portrait with the net at the largest size that fits");
  }
  requireOnlyWith(parser, kView,
                  picture || animation || sheets || request.action == CliAction::Window,
                  "the window, --export-picture, --export-animation, --export-sheet or "
                  "--export-booklet");
  requireOnlyWith(parser, kMarks, picture || animation || sheets,
                  "--export-picture, --export-animation, --export-sheet or --export-booklet");
  requireOnlyWith(parser, kBlanks, sheets, "--export-sheet or --export-booklet");
  requireOnlyWith(parser, kScale, picture || animation, "--export-picture or --export-animation");
  requireOnlyWith(parser, kAnimate, animation, "--export-animation");
  requireOnlyWith(parser, kFrames, animation, "--export-animation");
  requireOnlyWith(parser, kSizeMm, solid, "--export-solid");
  requireOnlyWith(parser, kJson, request.action == CliAction::Properties, "--properties");
  requireOnlyWith(parser, kPaper, net, "--export-net");
  requireOnlyWith(parser, kEdgeMm, net, "--export-net");
  for (const QCommandLineOption* option :
       {&kNoTabs, &kTabs, &kOrientation, &kNoNumbers, &kScaleBar, &kNoScaleBar, &kFaceNumbers,
        &kNoFaceNumbers, &kFoldAngles, &kNoFoldAngles}) {
    requireOnlyWith(parser, *option, net, "--export-net");
  }
  const bool exportAction =
      picture || solid || net || sheet || request.action == CliAction::Properties;
  const bool spin = animation && request.animate == AnimationKind::Spin;
  requireOnlyWith(parser, kMorph, (exportAction || spin) && !parser.isSet(kWythoff),
                  "--export-picture, --export-solid, --export-net, --export-sheet, --properties "
                  "or a spinning --export-animation of a --solid");
  requireOnlyWith(parser, kWythoff, exportAction || spin || tour,
                  "--export-picture, --export-solid, --export-net, --export-sheet, --properties "
                  "or an --export-animation that spins or tours the kaleidoscope");
  requireOnlyWith(parser, kAt, parser.isSet(kWythoff) && !tour,
                  "--wythoff (not with --animate kaleidoscope, whose point moves by itself)");
  if (animation && request.animate == AnimationKind::Fold &&
      (request.view != View::Polyhedron || parser.isSet(kMarks))) {
    throw EUsageError(
        "--animate fold: the folding net is drawn without spheres and corner marks; leave out "
        "--view and --marks");
  }
  if (tour && request.view != View::Polyhedron) {
    throw EUsageError(
        "--view: the kaleidoscope's solids have no inner or outer sphere; only polyeder works "
        "with --animate kaleidoscope");
  }
  if (parser.isSet(kWythoff) && request.view != View::Polyhedron) {
    throw EUsageError(
        "--view: the kaleidoscope's solid has no inner or outer sphere; only "
        "polyeder works with --wythoff");
  }
  if (parser.isSet(kMorph)) request.morph = parseUnitNumber(parser.value(kMorph), "morph");
  requireOnlyWith(parser, kFold, picture, "--export-picture");
  if (parser.isSet(kFold)) {
    request.fold = parseUnitNumber(parser.value(kFold), "fold");
    if (request.view != View::Polyhedron || parser.isSet(kMarks)) {
      throw EUsageError(
          "--fold: the folding net is drawn without spheres and corner marks; leave out --view "
          "and --marks");
    }
  }
  if (request.morph && *request.morph > 0.0 && request.view != View::Polyhedron) {
    throw EUsageError(
        "--view: the solid on its way into its dual has no inner or outer sphere; "
        "only polyeder works with --morph above 0");
  }

  request.marks = parser.isSet(kMarks);
  if (parser.isSet(kFrames)) request.frames = parseFrames(parser.value(kFrames));
  if (parser.isSet(kScale)) request.scale = parseScale(parser.value(kScale));
  if (parser.isSet(kSizeMm)) {
    request.sizeMm = positiveNumber(parser, kSizeMm);
    if (request.sizeMm < kSmallestDiameterMm || request.sizeMm > kLargestDiameterMm) {
      throw EUsageError("--size-mm: " + parser.value(kSizeMm).toStdString() + " is outside " +
                        std::to_string(static_cast<int>(kSmallestDiameterMm)) + "-" +
                        std::to_string(static_cast<int>(kLargestDiameterMm)) + " mm");
    }
  }
  request.json = parser.isSet(kJson);
  if (parser.isSet(kPaper)) request.paper = parsePaper(parser.value(kPaper));
  if (parser.isSet(kEdgeMm)) request.edgeMm = positiveNumber(parser, kEdgeMm);
  if (parser.isSet(kOrientation))
    request.orientation = parseOrientation(parser.value(kOrientation));
  if (parser.isSet(kTabs)) request.tabStyle = parseTabStyle(parser.value(kTabs));
  if (parser.isSet(kNoTabs) && parser.isSet(kTabs) && request.tabStyle != TabStyle::None) {
    throw EUsageError("--no-tabs contradicts --tabs " + parser.value(kTabs).toStdString());
  }
  request.tabs = !parser.isSet(kNoTabs) && request.tabStyle != TabStyle::None;
  request.numbers = !parser.isSet(kNoNumbers);
  request.scaleBar = onOrOff(parser, kScaleBar, kNoScaleBar, true);
  request.faceNumbers = onOrOff(parser, kFaceNumbers, kNoFaceNumbers, true);
  request.foldAngles = onOrOff(parser, kFoldAngles, kNoFoldAngles, false);
  request.blanks = parser.isSet(kBlanks);

  if (picture) {
    request.file = parser.value(kExportPicture);
    requireSuffix(request.file, "export-picture", pictureSuffixes());
  } else if (animation) {
    request.file = parser.value(kExportAnimation);
    requireSuffix(request.file, "export-animation", animationSuffixes());
  } else if (solid) {
    request.file = parser.value(kExportSolid);
    requireSuffix(request.file, "export-solid", solidSuffixes());
  } else if (net) {
    request.file = parser.value(kExportNet);
    requireSuffix(request.file, "export-net", netSuffixes());
  } else if (sheet) {
    request.file = parser.value(kExportSheet);
    requireSuffix(request.file, "export-sheet", sheetSuffixes());
  } else if (booklet) {
    request.file = parser.value(kExportBooklet);
    requireSuffix(request.file, "export-booklet", sheetSuffixes());
  }
  return request;
}

QString helpText() {
  QCommandLineParser parser;
  addOptions(parser);
  QString text = parser.helpText();
  // The usage line names the program as it was started; name it as installed.
  const qsizetype usage = text.indexOf(QStringLiteral("Usage: "));
  const qsizetype options = text.indexOf(QStringLiteral(" [options]"), usage);
  if (usage >= 0 && options > usage) {
    text.replace(usage + 7, options - usage - 7, QStringLiteral("korvelindra"));
  }
  text += QStringLiteral(
      "\nExamples:\n"
      "  korvelindra --solid Ikosaeder --view umkugel\n"
      "  korvelindra --solid 3 --marks --scale 2 --export-picture ikosaeder.png\n"
      "  korvelindra --solid Ikosaeder --export-animation ikosaeder.gif --frames 36\n"
      "  korvelindra --solid Hexaeder --animate morph --export-animation hexaeder.webp\n"
      "  korvelindra --solid Kuboktaeder --export-solid kuboktaeder.stl --size-mm 80\n"
      "  korvelindra --solid Rhombendodekaeder --properties --json\n"
      "  korvelindra --solid Oktaederstumpf --export-net netz.pdf --paper a4\n"
      "  korvelindra --solid Ikosaeder --export-net netz.pdf --tabs both --fold-angles\n"
      "  korvelindra --solid Oktaeder --view inkugel --export-sheet oktaeder.pdf\n"
      "  korvelindra --export-booklet steckbriefe.pdf --blanks\n"
      "  korvelindra --solid Hexaeder --morph-stops\n"
      "  korvelindra --solid Hexaeder --morph 0.4 --export-picture halb.png\n"
      "  korvelindra --wythoff-stops O\n"
      "  korvelindra --wythoff O --at 1,1,1 --properties\n"
      "\nExit status: 0 success, 1 a file could not be written, 2 usage error,\n"
      "3 the built-in catalogue is damaged.\n");
  return text;
}

QString versionText() { return QStringLiteral("korvelindra %1\n").arg(QLatin1String(kVersion)); }

}  // namespace velkora
