#include "cli/command_line.h"

#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include "app_version.h"
#include "cli/said.h"
#include "exports/export_service.h"
#include "nets/net_options.h"
#include "solid_export/mesh_export.h"
#include "translations/language.h"

namespace velkora {

namespace {

// A usage error in the language of the run: text (German, marked for
// translation) with %1, %2, ... filled in by values.
template <typename... Values>
[[noreturn]] void refuse(const char* text, const Values&... values) {
  QString message = said(text);
  if constexpr (sizeof...(Values) > 0) message = message.arg(values...);
  throw EUsageError(message.toStdString());
}

// ---- The options

enum OptionId : int {
  kSolid,
  kView,
  kMarks,
  kColourFaces,
  kScale,
  kExportPicture,
  kExportAnimation,
  kAnimate,
  kFrames,
  kExportSolid,
  kSizeMm,
  kProperties,
  kJson,
  kExportNet,
  kPaper,
  kOrientation,
  kEdgeMm,
  kTabs,
  kNoTabs,
  kNoNumbers,
  kScaleBar,
  kNoScaleBar,
  kFaceNumbers,
  kNoFaceNumbers,
  kFoldAngles,
  kNoFoldAngles,
  kExportSheet,
  kExportBooklet,
  kBlanks,
  kMorph,
  kMorphStops,
  kWythoff,
  kAt,
  kWythoffStops,
  kSnub,
  kMirror,
  kJitterbug,
  kJitterbugStops,
  kRelations,
  kFold,
  kResetSettings,
  kLang,
  kOptionCount
};

// An option as --help lists it: its name, the name of its value (none for a
// switch) and what it does; both texts German, marked for translation.
struct OptionText {
  OptionId id;
  const char* name;
  const char* valueName;
  const char* description;
};

// In the order of --help.
constexpr OptionText kOptionTexts[] = {
    {kSolid, "solid", QT_TRANSLATE_NOOP("CommandLine", "KÖRPER"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Der Körper: Listenplatz 0-30 oder sein deutscher oder englischer Name.")},
    {kView, "view", QT_TRANSLATE_NOOP("CommandLine", "ANSICHT"),
     QT_TRANSLATE_NOOP("CommandLine", "Die Ansicht: polyeder, inkugel oder umkugel.")},
    {kMarks, "marks", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Die Ecken markieren.")},
    {kColourFaces, "colour-faces", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Mit --export-picture, --export-animation oder --export-sheet: jede "
                       "Fläche in der Farbe ihrer Art füllen (Flächen, die eine Drehung oder "
                       "Spiegelung des Körpers ineinander überführt, haben dieselbe Farbe).")},
    {kScale, "scale", "N",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Maßstab eines Bildes oder einer Animation: 1, 2 oder 4 mal die "
                       "Zeichenfläche.")},
    {kExportPicture, "export-picture", QT_TRANSLATE_NOOP("CommandLine", "DATEI.png"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Das Bild des Körpers in seiner Ausgangslage als PNG schreiben und "
                       "beenden.")},
    {kExportAnimation, "export-animation", QT_TRANSLATE_NOOP("CommandLine", "DATEI"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Eine Animation des Körpers als GIF oder WebP (nach der Endung) schreiben, "
                       "endlos wiederholt, und beenden.")},
    {kAnimate, "animate", QT_TRANSLATE_NOOP("CommandLine", "ART"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Was sich bewegt: spin (eine Drehung um die senkrechte Achse), morph (in "
                       "den dualen Körper und zurück), kaleidoscope (die Rundreise des Punkts) "
                       "oder fold (das Papiernetz faltet sich zusammen und öffnet sich wieder); "
                       "Vorgabe spin.")},
    {kFrames, "frames", "N",
     QT_TRANSLATE_NOOP("CommandLine", "Bilder der Animation, 2-720 (Vorgabe 72).")},
    {kExportSolid, "export-solid", QT_TRANSLATE_NOOP("CommandLine", "DATEI"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Den Körper als STL (binär), OBJ oder OFF (nach der Endung) schreiben und "
                       "beenden.")},
    {kSizeMm, "size-mm", "D",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Umkugeldurchmesser des exportierten Körpers in Millimetern (Vorgabe 60).")},
    {kProperties, "properties", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Die Eigenschaften des Körpers ausgeben und beenden.")},
    {kJson, "json", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Mit --properties: ein JSON-Objekt ausgeben.")},
    {kExportNet, "export-net", QT_TRANSLATE_NOOP("CommandLine", "DATEI"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Ein druckbares Papiernetz als PDF, SVG oder JSON (nach der Endung) "
                       "schreiben und beenden.")},
    {kPaper, "paper", QT_TRANSLATE_NOOP("CommandLine", "PAPIER"),
     QT_TRANSLATE_NOOP("CommandLine", "Papier des Netzes: a4, a3 oder letter (Vorgabe a4).")},
    {kOrientation, "orientation", QT_TRANSLATE_NOOP("CommandLine", "AUSRICHTUNG"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Seitenausrichtung des Netzes: portrait, landscape oder auto (Vorgabe: "
                       "die, die das größere Netz ergibt).")},
    {kEdgeMm, "edge-mm", "X",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Länge der längsten Kante des Netzes in Millimetern (Vorgabe: die größte, "
                       "mit der es auf eine Seite passt).")},
    {kTabs, "tabs", QT_TRANSLATE_NOOP("CommandLine", "STIL"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Klebelaschen des Netzes: one (eine je Paar geschnittener Kanten, "
                       "Vorgabe), both (an beiden Kanten jedes Paars, für dünnes Papier) oder "
                       "none.")},
    {kNoTabs, "no-tabs", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Das Netz ohne Klebelaschen zeichnen (wie --tabs none).")},
    {kNoNumbers, "no-numbers", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Die Nummern der geschnittenen Kanten weglassen.")},
    {kScaleBar, "scale-bar", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Auf jede Seite des Netzes einen 50-mm-Balken zeichnen, an dem sich die "
                       "gedruckte Größe prüfen lässt (Vorgabe).")},
    {kNoScaleBar, "no-scale-bar", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Den 50-mm-Balken weglassen.")},
    {kFaceNumbers, "face-numbers", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Die Nummer jeder Fläche (ihr Index im Katalog + 1) in sie drucken "
                       "(Vorgabe).")},
    {kNoFaceNumbers, "no-face-numbers", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Die Flächennummern weglassen.")},
    {kFoldAngles, "fold-angles", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "An jede Faltlinie den Flächenwinkel des Körpers dort drucken.")},
    {kNoFoldAngles, "no-fold-angles", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Die Faltwinkel weglassen (Vorgabe).")},
    {kExportSheet, "export-sheet", QT_TRANSLATE_NOOP("CommandLine", "DATEI.pdf"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Den Steckbrief des Körpers (Bild, Eigenschaften, nummerierte Flächen und "
                       "Netz auf A4 hoch) als PDF schreiben und beenden.")},
    {kExportBooklet, "export-booklet", QT_TRANSLATE_NOOP("CommandLine", "DATEI.pdf"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Die Steckbriefe aller 31 Körper hinter einer Inhaltsseite als ein PDF "
                       "schreiben und beenden.")},
    {kBlanks, "blanks", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Mit --export-sheet oder --export-booklet: die Anzahlen der Ecken, Kanten "
                       "und Flächen und die Flächenarten als Kästchen zum Ausfüllen lassen und "
                       "eine Lösungsseite anfügen.")},
    {kMorph, "morph", "T",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Mit einem Export oder --properties: der Körper auf seinem Weg in den "
                       "dualen, bei T von 0 (der Körper) bis 1 (der duale).")},
    {kMorphStops, "morph-stops", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Die Haltepunkte des Wegs des Körpers in seinen dualen ausgeben, einen je "
                       "Zeile: T, Listenplatz und Name, durch Tabulatoren getrennt; und beenden.")},
    {kWythoff, "wythoff", QT_TRANSLATE_NOOP("CommandLine", "FAMILIE"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Statt --solid, mit einem Export oder --properties: der Körper des "
                       "Kaleidoskops der Familie T, O oder I bei den Gewichten von --at; mit "
                       "--solid in Lage und Größe dieses Körpers, wie das Fenster ihn zeigt.")},
    {kAt, "at", "A,B,C",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Mit --wythoff: die Gewichte a,b,c der Ecken des Dreiecks (nicht negativ, "
                       "nicht alle 0).")},
    {kWythoffStops, "wythoff-stops", QT_TRANSLATE_NOOP("CommandLine", "FAMILIE"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Die Gewichte ausgeben, bei denen das Kaleidoskop der FAMILIE (T, O oder "
                       "I) einen Körper des Katalogs ergibt, einen je Zeile: a,b,c, Listenplatz "
                       "und Name; und beenden.")},
    {kSnub, "snub", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Mit --wythoff, --wythoff-stops oder --animate kaleidoscope: das "
                       "Kaleidoskop bildet den Punkt nur mit den Drehungen der Familie ab; die "
                       "Hülle ist abgeschrägt, ihr Haltepunkt im Innern das Ikosaeder (T), das "
                       "abgeschrägte Hexaeder (O) oder Dodekaeder (I).")},
    {kMirror, "mirror", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Mit --snub: der abgeschrägte Körper als Spiegelbild, in der anderen "
                       "Händigkeit als die des Katalogs.")},
    {kJitterbug, "jitterbug", "J",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Statt --solid, mit einem Export oder --properties: der Jitterbug bei J von "
                       "0 (das Kuboktaeder) bis 1 (das Oktaeder), dessen acht Dreiecke sich um "
                       "J mal 60 Grad gedreht haben.")},
    {kJitterbugStops, "jitterbug-stops", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Die Haltepunkte des Jitterbugs ausgeben, einen je Zeile: J, Listenplatz "
                       "und Name, durch Tabulatoren getrennt; und beenden.")},
    {kRelations, "relations", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Die Verwandtschaften der 31 Körper ausgeben, eine je Zeile: Listenplatz, "
                       "die Beziehung (dual, truncate, rectify, cantellate, omnitruncate, snub, "
                       "jitterbug) und Listenplatz, durch Tabulatoren getrennt; und beenden.")},
    {kFold, "fold", "F",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Mit --export-picture: das Papiernetz des Körpers bis F gefaltet, von 0 "
                       "(flach, dem Betrachter zugewandt) bis 1 (um den Körper geschlossen).")},
    {kResetSettings, "reset-settings", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Das Fenster wie beim ersten Start öffnen und die gemerkten Einstellungen "
                       "übergehen und löschen; beim Schließen merkt sich das Fenster alles neu.")},
    {kLang, "lang", QT_TRANSLATE_NOOP("CommandLine", "SPRACHE"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Die Sprache des Fensters und der exportierten Seiten für diesen Lauf: de "
                       "(Deutsch), en (Englisch) oder eine andere eingebaute. Ohne sie spricht "
                       "das Fenster die in seinem Menü Hilfe gewählte Sprache, zuerst Deutsch, "
                       "und Exporte sind deutsch.")},
};

// Every option's text stands at its OptionId.
constexpr bool inIdOrder() {
  for (std::size_t k = 0; k < std::size(kOptionTexts); ++k) {
    if (kOptionTexts[k].id != static_cast<OptionId>(k)) return false;
  }
  return std::size(kOptionTexts) == kOptionCount;
}
static_assert(inIdOrder());

// The options of one parse, with their texts in the language in use.
class Options {
 public:
  explicit Options(QCommandLineParser& parser) : parser_(parser) {
    parser.setApplicationDescription(
        said(QT_TRANSLATE_NOOP("CommandLine",
                               "Betrachter der 31 konvexen Polyeder (platonische, archimedische, "
                               "catalanische).\nOhne Export-Option öffnet sich das Fenster.")));
    parser.addHelpOption();
    parser.addVersionOption();
    options_.reserve(kOptionCount);
    for (const OptionText& text : kOptionTexts) {
      QCommandLineOption option(QString::fromLatin1(text.name), said(text.description));
      if (text.valueName != nullptr) option.setValueName(said(text.valueName));
      parser.addOption(option);
      options_.push_back(std::move(option));
    }
  }

  bool isSet(OptionId id) const { return parser_.isSet(options_[static_cast<std::size_t>(id)]); }
  QString value(OptionId id) const { return parser_.value(options_[static_cast<std::size_t>(id)]); }

 private:
  QCommandLineParser& parser_;
  std::vector<QCommandLineOption> options_;
};

QString dashed(OptionId id) {
  return QStringLiteral("--") +
         QString::fromLatin1(kOptionTexts[static_cast<std::size_t>(id)].name);
}

// ---- Values

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

double positiveNumber(const Options& options, OptionId id) {
  bool ok = false;
  const QString text = options.value(id);
  const double value = typedNumber(text, &ok);
  if (!ok || !std::isfinite(value) || value <= 0.0) {
    refuse(QT_TRANSLATE_NOOP("CommandLine", "%1: erwartet eine positive Zahl, nicht „%2“"),
           dashed(id), text);
  }
  return value;
}

// A morph parameter or fold stage: a number from 0 to 1.
double parseUnitNumber(const Options& options, OptionId id) {
  bool ok = false;
  const QString text = options.value(id);
  const double value = typedNumber(text, &ok);
  if (!ok || !(value >= 0.0 && value <= 1.0)) {
    refuse(QT_TRANSLATE_NOOP("CommandLine", "%1: erwartet eine Zahl von 0 bis 1, nicht „%2“"),
           dashed(id), text);
  }
  return value;
}

WythoffFamily parseFamily(const Options& options, OptionId id) {
  const QString text = options.value(id);
  if (const auto family = wythoffFamilyOf(text.trimmed().toStdString())) return *family;
  refuse(QT_TRANSLATE_NOOP("CommandLine", "%1: unbekannte Familie „%2“ (T, O oder I)"), dashed(id),
         text);
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
    refuse(QT_TRANSLATE_NOOP("CommandLine",
                             "--at: erwartet drei Gewichte a,b,c, keins negativ und nicht alle "
                             "0, nicht „%1“"),
           text);
  }
  return *weights;
}

View parseView(const QString& text) {
  const QString folded = text.toLower();
  if (folded == QStringLiteral("polyeder")) return View::Polyhedron;
  if (folded == QStringLiteral("inkugel")) return View::InnerSphere;
  if (folded == QStringLiteral("umkugel")) return View::OuterSphere;
  refuse(QT_TRANSLATE_NOOP("CommandLine",
                           "--view: unbekannte Ansicht „%1“ (polyeder, inkugel oder umkugel)"),
         text);
}

int parseScale(const QString& text) {
  for (const int scale : {1, 2, 4}) {
    if (text == QString::number(scale)) return scale;
  }
  refuse(QT_TRANSLATE_NOOP("CommandLine", "--scale: erwartet 1, 2 oder 4, nicht „%1“"), text);
}

AnimationKind parseAnimate(const QString& text) {
  if (const auto kind = animationKindOf(text.trimmed().toStdString())) return *kind;
  QStringList names;
  for (const AnimationKind kind : animationKinds())
    names << QString::fromLatin1(animationKindName(kind));
  refuse(QT_TRANSLATE_NOOP("CommandLine", "--animate: unbekannte Art „%1“ (%2)"), text,
         names.join(QStringLiteral(", ")));
}

// A whole number of frames within 2-720.
int parseFrames(const QString& text) {
  bool ok = false;
  const int frames = text.trimmed().toInt(&ok);
  if (!ok || frames < kMinAnimationFrames || frames > kMaxAnimationFrames) {
    refuse(QT_TRANSLATE_NOOP("CommandLine",
                             "--frames: erwartet eine ganze Zahl von %1 bis %2, nicht „%3“"),
           QString::number(kMinAnimationFrames), QString::number(kMaxAnimationFrames), text);
  }
  return frames;
}

Paper parsePaper(const QString& text) {
  if (const std::optional<Paper> paper = paperFromName(text)) return *paper;
  refuse(QT_TRANSLATE_NOOP("CommandLine", "--paper: unbekanntes Papier „%1“ (a4, a3 oder letter)"),
         text);
}

Orientation parseOrientation(const QString& text) {
  if (const std::optional<Orientation> orientation = orientationNamed(text.toStdString()))
    return *orientation;
  refuse(QT_TRANSLATE_NOOP("CommandLine",
                           "--orientation: unbekannte Ausrichtung „%1“ (portrait, landscape oder "
                           "auto)"),
         text);
}

TabStyle parseTabStyle(const QString& text) {
  if (const std::optional<TabStyle> style = tabStyleNamed(text.toStdString())) return *style;
  refuse(QT_TRANSLATE_NOOP("CommandLine",
                           "--tabs: unbekannte Art von Laschen „%1“ (one, both oder none)"),
         text);
}

// An on/off extra: on with --X, off with --no-X, fallback with neither.
bool onOrOff(const Options& options, OptionId on, OptionId off, bool fallback) {
  if (options.isSet(on) && options.isSet(off)) {
    refuse(QT_TRANSLATE_NOOP("CommandLine", "entweder %1 oder %2 angeben"), dashed(on),
           dashed(off));
  }
  if (options.isSet(on)) return true;
  if (options.isSet(off)) return false;
  return fallback;
}

void requireSuffix(const QString& file, OptionId option, const QStringList& allowed) {
  const QString suffix = file.section(QLatin1Char('.'), -1).toLower();
  if (file.contains(QLatin1Char('.')) && allowed.contains(suffix)) return;
  QStringList list;
  for (const QString& candidate : allowed)
    list << QStringLiteral(".") + candidate;
  refuse(QT_TRANSLATE_NOOP("CommandLine", "%1: „%2“ braucht eine der Endungen %3"), dashed(option),
         file, list.join(QStringLiteral(", ")));
}

// ---- The rules: which options go with what

// What a run does, finer than its action where the rules differ: an
// animation by what moves in it. The rules below name sets of tasks.
enum Task : unsigned {
  kWindowTask = 1u << 0,
  kPictureTask = 1u << 1,
  kSpinTask = 1u << 2,
  kMorphAnimationTask = 1u << 3,
  kTourTask = 1u << 4,
  kFoldAnimationTask = 1u << 5,
  kSolidTask = 1u << 6,
  kPropertiesTask = 1u << 7,
  kNetTask = 1u << 8,
  kSheetTask = 1u << 9,
  kBookletTask = 1u << 10,
  kMorphStopsTask = 1u << 11,
  kWythoffStopsTask = 1u << 12,
  kJitterbugStopsTask = 1u << 13,
  kRelationsTask = 1u << 14,
};
using Tasks = unsigned;

constexpr Tasks kAnimationTasks = kSpinTask | kMorphAnimationTask | kTourTask | kFoldAnimationTask;
constexpr Tasks kSheetTasks = kSheetTask | kBookletTask;
// The exports of one solid that a morph's or the kaleidoscope's solid can stand in for.
constexpr Tasks kShapeTasks = kPictureTask | kSolidTask | kNetTask | kSheetTask | kPropertiesTask;
constexpr Tasks kAllTasks = (1u << 14) - 1;

Task taskOf(CliAction action, AnimationKind animate) {
  switch (action) {
    case CliAction::ExportPicture:
      return kPictureTask;
    case CliAction::ExportAnimation:
      switch (animate) {
        case AnimationKind::Morph:
          return kMorphAnimationTask;
        case AnimationKind::Kaleidoscope:
          return kTourTask;
        case AnimationKind::Fold:
          return kFoldAnimationTask;
        case AnimationKind::Spin:
          break;
      }
      return kSpinTask;
    case CliAction::ExportSolid:
      return kSolidTask;
    case CliAction::Properties:
      return kPropertiesTask;
    case CliAction::ExportNet:
      return kNetTask;
    case CliAction::ExportSheet:
      return kSheetTask;
    case CliAction::ExportBooklet:
      return kBookletTask;
    case CliAction::MorphStops:
      return kMorphStopsTask;
    case CliAction::WythoffStops:
      return kWythoffStopsTask;
    case CliAction::JitterbugStops:
      return kJitterbugStopsTask;
    case CliAction::Relations:
      return kRelationsTask;
    case CliAction::Window:
    case CliAction::Help:
    case CliAction::Version:
      break;
  }
  return kWindowTask;
}

// Which solid an action works on.
enum class Subject {
  Optional,        // the window: --solid or the remembered one
  SolidOrWythoff,  // an export of one solid: --solid, --wythoff or --jitterbug
  Solid,           // a catalogue solid only
  NotSolid,        // a family of the kaleidoscope, no --solid
  None,            // every solid or none: no --solid, --wythoff or --jitterbug
};

// An action: the option that asks for it, the formats of the file it writes
// (none: it prints), the solid it needs and what it says when that is missing.
struct ActionRule {
  OptionId option;
  CliAction action;
  std::optional<ExportKind> file;
  Subject subject;
  const char* subjectMessage;
};

const char* const kExportNeedsSolid =
    QT_TRANSLATE_NOOP("CommandLine", "ein Export braucht --solid, --wythoff oder --jitterbug");

const ActionRule kActionRules[] = {
    {kExportPicture, CliAction::ExportPicture, ExportKind::Picture, Subject::SolidOrWythoff,
     kExportNeedsSolid},
    {kExportAnimation, CliAction::ExportAnimation, ExportKind::Animation, Subject::SolidOrWythoff,
     kExportNeedsSolid},
    {kExportSolid, CliAction::ExportSolid, ExportKind::Solid, Subject::SolidOrWythoff,
     kExportNeedsSolid},
    {kProperties, CliAction::Properties, std::nullopt, Subject::SolidOrWythoff, kExportNeedsSolid},
    {kExportNet, CliAction::ExportNet, ExportKind::Net, Subject::SolidOrWythoff, kExportNeedsSolid},
    {kExportSheet, CliAction::ExportSheet, ExportKind::Sheet, Subject::SolidOrWythoff,
     kExportNeedsSolid},
    {kExportBooklet, CliAction::ExportBooklet, ExportKind::Sheet, Subject::None,
     QT_TRANSLATE_NOOP("CommandLine",
                       "--export-booklet schreibt jeden Körper; kein --solid, --wythoff oder "
                       "--jitterbug angeben")},
    {kMorphStops, CliAction::MorphStops, std::nullopt, Subject::Solid,
     QT_TRANSLATE_NOOP("CommandLine", "--morph-stops braucht --solid")},
    {kWythoffStops, CliAction::WythoffStops, std::nullopt, Subject::NotSolid,
     QT_TRANSLATE_NOOP("CommandLine", "--wythoff-stops nimmt kein --solid")},
    {kJitterbugStops, CliAction::JitterbugStops, std::nullopt, Subject::None,
     QT_TRANSLATE_NOOP("CommandLine",
                       "--jitterbug-stops nimmt kein --solid, --wythoff oder --jitterbug")},
    {kRelations, CliAction::Relations, std::nullopt, Subject::None,
     QT_TRANSLATE_NOOP("CommandLine",
                       "--relations nimmt kein --solid, --wythoff oder --jitterbug")},
};

}  // namespace

bool asksForNoWindow(const QStringList& arguments) {
  for (const QString& argument : arguments) {
    const QString option = argument.section(QLatin1Char('='), 0, 0);
    // Qt's help and version options, in all their spellings.
    for (const char* name : {"--help", "-h", "-?", "--help-all", "--version", "-v"}) {
      if (option == QLatin1String(name)) return true;
    }
    for (const ActionRule& rule : kActionRules) {
      if (option == dashed(rule.option)) return true;
    }
  }
  return false;
}

namespace {

const ActionRule kWindowRule{kOptionCount, CliAction::Window, std::nullopt, Subject::Optional,
                             nullptr};

// An option that goes only with some tasks (or with any task that the
// option orWith is given for), and then not with the option excludedBy or
// only with the option needed; owner (marked for translation) says which
// ones. Checked in this order: the first rule broken is told.
struct OptionRule {
  OptionId option;
  Tasks tasks;
  const char* owner;
  OptionId excludedBy = kOptionCount;
  OptionId needed = kOptionCount;
  OptionId orWith = kOptionCount;
};

const char* const kNetOwner = "--export-net";
const char* const kMorphOwner =
    QT_TRANSLATE_NOOP("CommandLine",
                      "--export-picture, --export-solid, --export-net, --export-sheet, "
                      "--properties oder einer drehenden --export-animation eines --solid");
const OptionRule kOptionRules[] = {
    {kResetSettings, kWindowTask, QT_TRANSLATE_NOOP("CommandLine", "dem Fenster")},
    {kView, kWindowTask | kPictureTask | kAnimationTasks | kSheetTasks,
     QT_TRANSLATE_NOOP("CommandLine",
                       "dem Fenster, --export-picture, --export-animation, --export-sheet oder "
                       "--export-booklet")},
    {kMarks, kPictureTask | kAnimationTasks | kSheetTasks,
     QT_TRANSLATE_NOOP("CommandLine",
                       "--export-picture, --export-animation, --export-sheet oder "
                       "--export-booklet")},
    {kColourFaces, kPictureTask | kAnimationTasks | kSheetTask,
     QT_TRANSLATE_NOOP("CommandLine", "--export-picture, --export-animation oder --export-sheet")},
    {kBlanks, kSheetTasks,
     QT_TRANSLATE_NOOP("CommandLine", "--export-sheet oder --export-booklet")},
    {kScale, kPictureTask | kAnimationTasks,
     QT_TRANSLATE_NOOP("CommandLine", "--export-picture oder --export-animation")},
    {kAnimate, kAnimationTasks, "--export-animation"},
    {kFrames, kAnimationTasks, "--export-animation"},
    {kSizeMm, kSolidTask, "--export-solid"},
    {kJson, kPropertiesTask, "--properties"},
    {kPaper, kNetTask, kNetOwner},
    {kEdgeMm, kNetTask, kNetOwner},
    {kNoTabs, kNetTask, kNetOwner},
    {kTabs, kNetTask, kNetOwner},
    {kOrientation, kNetTask, kNetOwner},
    {kNoNumbers, kNetTask, kNetOwner},
    {kScaleBar, kNetTask, kNetOwner},
    {kNoScaleBar, kNetTask, kNetOwner},
    {kFaceNumbers, kNetTask, kNetOwner},
    {kNoFaceNumbers, kNetTask, kNetOwner},
    {kFoldAngles, kNetTask, kNetOwner},
    {kNoFoldAngles, kNetTask, kNetOwner},
    {kMorph, kShapeTasks | kSpinTask, kMorphOwner, kWythoff},
    {kMorph, kShapeTasks | kSpinTask, kMorphOwner, kJitterbug},
    {kWythoff, kShapeTasks | kSpinTask | kTourTask,
     QT_TRANSLATE_NOOP("CommandLine",
                       "--export-picture, --export-solid, --export-net, --export-sheet, "
                       "--properties oder einer --export-animation, die das Kaleidoskop dreht "
                       "oder seinen Punkt wandern lässt")},
    {kAt, kAllTasks & ~kTourTask,
     QT_TRANSLATE_NOOP("CommandLine",
                       "--wythoff (nicht mit --animate kaleidoscope, dessen Punkt von selbst "
                       "wandert)"),
     kOptionCount, kWythoff},
    // The tasks of --wythoff come with it; the tour and the stops take a family of their own.
    {kSnub, kTourTask | kWythoffStopsTask,
     QT_TRANSLATE_NOOP("CommandLine", "--wythoff, --wythoff-stops oder --animate kaleidoscope"),
     kOptionCount, kOptionCount, kWythoff},
    {kMirror, 0, "--snub", kOptionCount, kOptionCount, kSnub},
    {kJitterbug, kShapeTasks | kSpinTask,
     QT_TRANSLATE_NOOP("CommandLine",
                       "--export-picture, --export-solid, --export-net, --export-sheet, "
                       "--properties oder einer drehenden --export-animation")},
    {kFold, kPictureTask, "--export-picture"},
};

// The pictures that show no spheres (and, with marksToo, no corner marks
// either): the folding net's and those of the solids that lie between the
// catalogue's.
struct PlainPictureRule {
  bool (*applies)(Task task, const Options& options, const CliRequest& request);
  bool marksToo;
  const char* message;
};

const PlainPictureRule kPlainPictureRules[] = {
    {[](Task task, const Options&, const CliRequest&) { return task == kFoldAnimationTask; }, true,
     QT_TRANSLATE_NOOP("CommandLine",
                       "--animate fold: das Faltnetz wird ohne Kugeln und Eckmarken gezeichnet; "
                       "--view und --marks weglassen")},
    {[](Task task, const Options&, const CliRequest&) { return task == kTourTask; }, false,
     QT_TRANSLATE_NOOP("CommandLine",
                       "--view: die Körper des Kaleidoskops haben keine In- und keine Umkugel; "
                       "mit --animate kaleidoscope geht nur polyeder")},
    {[](Task, const Options& options, const CliRequest&) { return options.isSet(kWythoff); }, false,
     QT_TRANSLATE_NOOP("CommandLine",
                       "--view: der Körper des Kaleidoskops hat keine In- und keine Umkugel; mit "
                       "--wythoff geht nur polyeder")},
    {[](Task, const Options& options, const CliRequest&) { return options.isSet(kJitterbug); },
     false,
     QT_TRANSLATE_NOOP("CommandLine",
                       "--view: der Körper des Jitterbugs hat keine In- und keine Umkugel; mit "
                       "--jitterbug geht nur polyeder")},
    {[](Task, const Options&, const CliRequest& request) { return request.fold.has_value(); }, true,
     QT_TRANSLATE_NOOP("CommandLine",
                       "--fold: das Faltnetz wird ohne Kugeln und Eckmarken gezeichnet; --view "
                       "und --marks weglassen")},
    {[](Task, const Options&, const CliRequest& request) {
       return request.morph && *request.morph > 0.0;
     },
     false,
     QT_TRANSLATE_NOOP("CommandLine",
                       "--view: der Körper auf dem Weg in seinen dualen hat keine In- und keine "
                       "Umkugel; mit --morph über 0 geht nur polyeder")},
};

// The first rules above need no value parsed.
constexpr std::size_t kPlainPicturesByOptions = 4;

// The one action the arguments ask for: the window when none.
const ActionRule& chosenAction(const Options& options) {
  const ActionRule* chosen = &kWindowRule;
  int count = 0;
  for (const ActionRule& rule : kActionRules) {
    if (options.isSet(rule.option)) {
      chosen = &rule;
      ++count;
    }
  }
  if (count > 1) {
    refuse(QT_TRANSLATE_NOOP("CommandLine",
                             "nur eine von --export-picture, --export-animation, --export-solid, "
                             "--properties, --export-net, --export-sheet, --export-booklet, "
                             "--morph-stops, --wythoff-stops, --jitterbug-stops, --relations "
                             "angeben"));
  }
  return *chosen;
}

// The solid the action needs: a catalogue solid by --solid, the
// kaleidoscope's by --wythoff (with weights unless its point tours), the
// jitterbug's by --jitterbug, or none.
void requireSubject(const Options& options, const ActionRule& rule, Task task) {
  const bool solid = options.isSet(kSolid);
  const bool wythoff = options.isSet(kWythoff);
  const bool jitterbug = options.isSet(kJitterbug);
  if (rule.subject == Subject::None && (solid || wythoff || jitterbug)) refuse(rule.subjectMessage);
  // With --solid an export shows the kaleidoscope's solid over that solid,
  // as the window shows it; the tour takes its family from one or the other.
  if (solid && wythoff && (task == kTourTask || task == kWindowTask))
    refuse(QT_TRANSLATE_NOOP("CommandLine", "entweder --solid oder --wythoff angeben"));
  if (jitterbug && (solid || wythoff)) {
    refuse(QT_TRANSLATE_NOOP("CommandLine",
                             "--jitterbug beginnt immer beim Kuboktaeder; kein --solid oder "
                             "--wythoff angeben"));
  }
  if (wythoff && !options.isSet(kAt) && task != kTourTask) {
    refuse(QT_TRANSLATE_NOOP("CommandLine", "--wythoff braucht --at a,b,c"));
  }
  const bool needsSolid = rule.subject == Subject::SolidOrWythoff || rule.subject == Subject::Solid;
  if (needsSolid && !solid && !wythoff && !jitterbug) refuse(kExportNeedsSolid);
  if (rule.subject == Subject::Solid && !solid) refuse(rule.subjectMessage);
  if (rule.subject == Subject::NotSolid && solid) refuse(rule.subjectMessage);
}

// The rules of kOptionRules, the one of --fold alone with foldOnly (it is
// told after what the folding animation and the kaleidoscope refuse).
void requireRules(const Options& options, Task task, bool foldOnly) {
  if (!foldOnly && (task & kSheetTasks) != 0 &&
      (options.isSet(kPaper) || options.isSet(kEdgeMm) || options.isSet(kNoTabs))) {
    refuse(QT_TRANSLATE_NOOP("CommandLine",
                             "--paper, --edge-mm und --no-tabs gehen nur mit --export-net; "
                             "Steckbriefe sind A4 hoch, mit dem Netz so groß, wie es passt"));
  }
  for (const OptionRule& rule : kOptionRules) {
    if (!options.isSet(rule.option) || (rule.option == kFold) != foldOnly) continue;
    const bool allowed =
        ((rule.tasks & task) != 0 || (rule.orWith != kOptionCount && options.isSet(rule.orWith))) &&
        !(rule.excludedBy != kOptionCount && options.isSet(rule.excludedBy)) &&
        !(rule.needed != kOptionCount && !options.isSet(rule.needed));
    if (!allowed) {
      refuse(QT_TRANSLATE_NOOP("CommandLine", "%1 geht nur mit %2"), dashed(rule.option),
             said(rule.owner));
    }
  }
}

}  // namespace

int findSolid(const QString& text, const CatalogueTexts& texts) {
  const int count = static_cast<int>(texts.names.size());
  bool isNumber = false;
  const int position = text.trimmed().toInt(&isNumber);
  if (isNumber) {
    if (position < 0 || position >= count) {
      refuse(QT_TRANSLATE_NOOP("CommandLine", "--solid: Listenplatz %1 liegt nicht in 0-%2"), text,
             QString::number(count - 1));
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
  refuse(QT_TRANSLATE_NOOP("CommandLine",
                           "--solid: unbekannter Körper „%1“ (ein Listenplatz 0-30 oder ein Name "
                           "wie Ikosaeder oder Icosahedron)"),
         text);
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

std::optional<QString> languageOfArguments(const QStringList& arguments) {
  std::optional<QString> found;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QStringLiteral("--")) break;
    if (argument == QStringLiteral("--lang") || argument == QStringLiteral("-lang")) {
      if (i + 1 < arguments.size()) found = languageOfCode(arguments[++i]);
    } else if (argument.startsWith(QStringLiteral("--lang=")) ||
               argument.startsWith(QStringLiteral("-lang="))) {
      found = languageOfCode(argument.section(QLatin1Char('='), 1));
    }
  }
  return found;
}

CliRequest parseCommandLine(const QStringList& arguments, const CatalogueTexts& texts) {
  QCommandLineParser parser;
  const Options options(parser);
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
    refuse(QT_TRANSLATE_NOOP("CommandLine", "unerwartetes Argument „%1“"),
           parser.positionalArguments().front());
  }
  const ActionRule& action = chosenAction(options);
  request.action = action.action;
  if (options.isSet(kAnimate)) request.animate = parseAnimate(options.value(kAnimate));
  const Task task = taskOf(request.action, request.animate);
  requireSubject(options, action, task);

  if (options.isSet(kWythoffStops)) request.wythoff = parseFamily(options, kWythoffStops);
  if (options.isSet(kWythoff)) request.wythoff = parseFamily(options, kWythoff);
  if (options.isSet(kAt)) request.at = parseWeights(options.value(kAt));
  request.snub = options.isSet(kSnub);
  request.mirror = options.isSet(kMirror);
  if (options.isSet(kSolid)) request.position = findSolid(options.value(kSolid), texts);
  if (options.isSet(kView)) request.view = parseView(options.value(kView));
  request.viewGiven = options.isSet(kView);
  request.resetSettings = options.isSet(kResetSettings);
  if (options.isSet(kLang)) {
    request.language = languageOfCode(options.value(kLang));
    if (!request.language) {
      refuse(QT_TRANSLATE_NOOP("CommandLine", "--lang: unbekannte Sprache „%1“ (%2)"),
             options.value(kLang), availableLanguages().join(QStringLiteral(", ")));
    }
  }

  requireRules(options, task, false);
  request.marks = options.isSet(kMarks);
  request.colourFaces = options.isSet(kColourFaces);
  // The plain pictures that follow from the action and the options alone
  // come before --fold's value, those that follow from --fold and --morph after.
  const auto requirePlainPictures = [&](std::size_t from, std::size_t to) {
    for (std::size_t k = from; k < to; ++k) {
      const PlainPictureRule& rule = kPlainPictureRules[k];
      if (rule.applies(task, options, request) &&
          (request.view != View::Polyhedron || (rule.marksToo && request.marks))) {
        refuse(rule.message);
      }
    }
  };
  requirePlainPictures(0, kPlainPicturesByOptions);
  if (options.isSet(kMorph)) request.morph = parseUnitNumber(options, kMorph);
  if (options.isSet(kJitterbug)) request.jitterbug = parseUnitNumber(options, kJitterbug);
  requireRules(options, task, true);
  if (options.isSet(kFold)) request.fold = parseUnitNumber(options, kFold);
  requirePlainPictures(kPlainPicturesByOptions, std::size(kPlainPictureRules));
  if (request.colourFaces && (task == kFoldAnimationTask || request.fold)) {
    refuse(QT_TRANSLATE_NOOP("CommandLine",
                             "--colour-faces: das Faltnetz hat seine eigenen Farben; mit --fold "
                             "und --animate fold weglassen"));
  }

  if (options.isSet(kFrames)) request.frames = parseFrames(options.value(kFrames));
  if (options.isSet(kScale)) request.scale = parseScale(options.value(kScale));
  if (options.isSet(kSizeMm)) {
    request.sizeMm = positiveNumber(options, kSizeMm);
    if (request.sizeMm < kSmallestDiameterMm || request.sizeMm > kLargestDiameterMm) {
      refuse(QT_TRANSLATE_NOOP("CommandLine", "--size-mm: %1 liegt nicht in %2-%3 mm"),
             options.value(kSizeMm), QString::number(static_cast<int>(kSmallestDiameterMm)),
             QString::number(static_cast<int>(kLargestDiameterMm)));
    }
  }
  request.json = options.isSet(kJson);
  if (options.isSet(kPaper)) request.paper = parsePaper(options.value(kPaper));
  if (options.isSet(kEdgeMm)) request.edgeMm = positiveNumber(options, kEdgeMm);
  if (options.isSet(kOrientation))
    request.orientation = parseOrientation(options.value(kOrientation));
  if (options.isSet(kTabs)) request.tabStyle = parseTabStyle(options.value(kTabs));
  if (options.isSet(kNoTabs) && options.isSet(kTabs) && request.tabStyle != TabStyle::None) {
    refuse(QT_TRANSLATE_NOOP("CommandLine", "--no-tabs widerspricht --tabs %1"),
           options.value(kTabs));
  }
  request.tabs = !options.isSet(kNoTabs) && request.tabStyle != TabStyle::None;
  request.numbers = !options.isSet(kNoNumbers);
  request.scaleBar = onOrOff(options, kScaleBar, kNoScaleBar, true);
  request.faceNumbers = onOrOff(options, kFaceNumbers, kNoFaceNumbers, true);
  request.foldAngles = onOrOff(options, kFoldAngles, kNoFoldAngles, false);
  request.blanks = options.isSet(kBlanks);

  if (action.file) {
    request.file = options.value(action.option);
    requireSuffix(request.file, action.option, exportSuffixes(*action.file));
  }
  return request;
}

QString helpText() {
  QCommandLineParser parser;
  const Options known(parser);
  QString text = parser.helpText();
  // The usage line names the program as it was started; name it as installed.
  // Qt's own texts, as its parser translates them (not ours to translate).
  static const char* const kQtParser = "QCommandLineParser";
  static const char* const kUsage = "Usage: %1";
  static const char* const kOptionsMark = "[options]";
  const QString usage = QCoreApplication::translate(kQtParser, kUsage);
  const QString prefix = usage.left(usage.indexOf(QStringLiteral("%1")));
  const QString optionsMark =
      QLatin1Char(' ') + QCoreApplication::translate(kQtParser, kOptionsMark);
  const qsizetype options = text.indexOf(optionsMark);
  if (text.startsWith(prefix) && options > prefix.size()) {
    text.replace(prefix.size(), options - prefix.size(), QStringLiteral("korvelindra"));
  }
  text += QLatin1Char('\n') + said(QT_TRANSLATE_NOOP("CommandLine", "Beispiele:")) +
          QStringLiteral(
              "\n"
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
              "  korvelindra --wythoff-stops I --snub\n"
              "  korvelindra --jitterbug-stops\n"
              "  korvelindra --relations\n"
              "  korvelindra --jitterbug 0.5 --export-picture jitterbug.png\n"
              "\n") +
          said(QT_TRANSLATE_NOOP("CommandLine",
                                 "Rückgabewert: 0 Erfolg, 1 eine Datei ließ sich nicht schreiben, "
                                 "2 Aufruffehler,\n3 der eingebaute Katalog ist beschädigt.")) +
          QLatin1Char('\n');
  return text;
}

QString versionText() { return QStringLiteral("korvelindra %1\n").arg(QLatin1String(kVersion)); }

}  // namespace velkora
