#pragma once
// The program's command line: what the user asked for (the window, help,
// version, or one headless export) with its checked values. Parsing only;
// messages in the language in use. Nothing is loaded or written here.

#include <optional>

#include <QString>
#include <QStringList>

#include "animation/animation_frames.h"
#include "base/errors.h"
#include "exports/export_formats.h"
#include "kaleidoscope/wythoff.h"
#include "model/solid_catalogue.h"
#include "nets/net_types.h"
#include "render/frame.h"
#include "solid_export/mesh_export.h"
#include "translations/language.h"

namespace velkora {

// An unknown option, an unknown solid, a bad value or a combination that makes no sense.
class EUsageError : public Error {
 public:
  using Error::Error;
};

enum class CliAction {
  Window,
  Help,
  Version,
  ExportPicture,
  ExportSolid,
  Properties,
  ExportNet,
  ExportSheet,
  ExportBooklet,
  MorphStops,
  WythoffStops,
  JitterbugStops,
  Relations,
  ExportAnimation
};

struct CliRequest {
  CliAction action = CliAction::Window;
  std::optional<int> position;  // list position of --solid
  View view = View::Polyhedron;
  bool viewGiven = false;           // --view was given
  bool resetSettings = false;       // --reset-settings: the window starts as on a first start
  std::optional<QString> language;  // --lang: the code of the language of this run
  bool marks = false;
  bool colourFaces = false;  // --colour-faces: faces in the tints of their kinds
  int scale = 1;
  QString file;                        // the export's target
  double sizeMm = kDefaultDiameterMm;  // --size-mm: circumscribed diameter of an exported solid
  bool json = false;
  Paper paper = Paper::A4;
  std::optional<double> edgeMm;
  Orientation orientation = Orientation::Best;  // --orientation (auto: Best)
  bool tabs = true;                             // false with --no-tabs or --tabs none
  TabStyle tabStyle = TabStyle::One;            // --tabs
  bool numbers = true;                          // cut numbers; --no-numbers
  bool scaleBar = true;                         // --scale-bar / --no-scale-bar
  bool faceNumbers = true;                      // --face-numbers / --no-face-numbers
  bool foldAngles = false;                      // --fold-angles / --no-fold-angles
  bool blanks = false;          // --blanks: worksheets leave the counts to be filled in
  std::optional<double> morph;  // --morph: the exports show the morph into the dual at this t
  std::optional<double> fold;   // --fold: the picture shows the solid's net folded this far
  // --wythoff with --at, or --wythoff-stops: the kaleidoscope's family and weights.
  std::optional<WythoffFamily> wythoff;
  std::optional<WythoffWeights> at;
  bool snub = false;    // --snub: the copies of the point under the family's rotations alone
  bool mirror = false;  // --mirror: with --snub, in the other hand
  // --jitterbug: the exports show the jitterbug's solid at this J instead of a --solid.
  std::optional<double> jitterbug;
  AnimationKind animate = AnimationKind::Spin;  // --animate: what moves in --export-animation
  int frames = kDefaultAnimationFrames;         // --frames
};

// The arguments after the program name without the options that Qt's
// application object takes for itself (-platform offscreen, -style=fusion,
// --reverse, ...), so that the program's own can be checked before that
// object exists and before a display is opened.
QStringList withoutQtOptions(const QStringList& arguments);

// The language that --lang names among arguments, if it names a built-in one:
// the run speaks it from its first message on, before the arguments are checked.
std::optional<QString> languageOfArguments(const QStringList& arguments);

// Parses the arguments after the program name. Throws EUsageError naming
// the offending option or value.
CliRequest parseCommandLine(const QStringList& arguments, const CatalogueTexts& texts);

// Whether the arguments ask for something that needs no window (help,
// version, an export, a print of stops), by the same table parseCommandLine
// reads: to be checked before any application object exists, so that no
// display is opened for it.
bool asksForNoWindow(const QStringList& arguments);

// The list position of a solid given as a position 0..n-1 or a name: letter
// case ignored, ae/oe/ue/ss accepted for ä/ö/ü/ß, and either part of a name
// with a comma ("Würfel" for "Hexaeder, Würfel"). Throws EUsageError.
int findSolid(const QString& text, const CatalogueTexts& texts);

// The text printed for --help, and for --version ("korvelindra 1.1.0").
QString helpText();
QString versionText();

}  // namespace velkora
