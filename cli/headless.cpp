#include "cli/headless.h"

#include <memory>
#include <span>
#include <vector>

#include <QCoreApplication>
#include "base/errors.h"
#include "catalogue/errors.h"
#include "cli/said.h"
#include "exports/export_service.h"
#include "exports/save_file.h"
#include "jitterbug/jitterbug.h"
#include "jitterbug/jitterbug_solid.h"
#include "kaleidoscope/kaleidoscope_family.h"
#include "kaleidoscope/kaleidoscope_solid.h"
#include "model/errors.h"
#include "model/polyhedron.h"
#include "model/solid.h"
#include "morph/dual_morph.h"
#include "morph/morph_solid.h"
#include "nets/layout.h"
#include "properties/face_orbits.h"
#include "properties/properties.h"
#include "properties/properties_text.h"
#include "relations/relation_map.h"
#include "render/design_size.h"
#include "render/face_tints.h"
#include "text/number_text.h"

namespace velkora {

namespace {

void printStops(const Solid& solid, const CatalogueTexts& texts, QTextStream& out) {
  const DualMorph morph(solid.geometry);
  for (const SolidStop& stop : morphStops(morph, readAllSolids(texts))) {
    out << QString::fromStdString(fixedText(stop.t, 7)) << '\t' << stop.position << '\t'
        << QString::fromStdString(stop.name) << '\n';
  }
}

// What the exports work on: the solid itself, or with --morph above 0 its
// morph's solid at that t, with its model in the start pose.
struct ExportSubject {
  Solid solid;
  std::unique_ptr<Model> model;
};

// The copies of the point that --snub (and --mirror) ask for.
WythoffCopies copiesOf(const CliRequest& request) {
  if (!request.snub) return WythoffCopies::Reflections;
  return request.mirror ? WythoffCopies::MirroredRotations : WythoffCopies::Rotations;
}

void printKaleidoscopeStops(WythoffFamily family, WythoffCopies copies, const CatalogueTexts& texts,
                            QTextStream& out) {
  const Kaleidoscope kaleidoscope(family);
  for (const KaleidoscopeStop& stop :
       kaleidoscopeStops(kaleidoscope, readAllSolids(texts), copies)) {
    out << QString::fromStdString(fixedText(stop.weights.a, 7) + "," +
                                  fixedText(stop.weights.b, 7) + "," + fixedText(stop.weights.c, 7))
        << '\t' << stop.position << '\t' << QString::fromStdString(stop.name) << '\n';
  }
}

void printJitterbugStops(const CatalogueTexts& texts, QTextStream& out) {
  for (const JitterbugStop& stop : jitterbugStops(readAllSolids(texts))) {
    out << QString::fromStdString(fixedText(stop.j, 7)) << '\t' << stop.position << '\t'
        << QString::fromStdString(stop.name) << '\n';
  }
}

ExportSubject subjectOf(const CliRequest& request, const CatalogueTexts& texts) {
  if (request.jitterbug) {
    // In the pose and size of the cuboctahedron it starts from, as a morph is.
    const std::vector<Solid> catalogue = readAllSolids(texts);
    const std::vector<JitterbugStop> stops = jitterbugStops(catalogue);
    const Solid& start = jitterbugStart(catalogue, stops);
    ExportSubject subject{jitterbugSolid(start, *request.jitterbug, stops), startModel(start)};
    placeShape(*subject.model, subject.solid.geometry, start, *subject.model);
    return subject;
  }
  if (request.wythoff) {
    const Kaleidoscope kaleidoscope(*request.wythoff);
    const WythoffWeights weights = request.at.value_or(WythoffWeights{});
    const WythoffCopies copies = copiesOf(request);
    Solid shape =
        kaleidoscopeSolid(kaleidoscope, weights,
                          kaleidoscopeStops(kaleidoscope, readAllSolids(texts), copies), copies);
    if (request.position) {
      // Over a picked solid, as the window shows it: its farthest vertex
      // where that solid's is, in that solid's start pose.
      const Solid over = readSolid(texts, *request.position);
      scaleToReach(shape.geometry, over.geometry);
      ExportSubject subject{std::move(shape), startModel(over)};
      placeShape(*subject.model, subject.solid.geometry, over, *subject.model);
      return subject;
    }
    ExportSubject subject{std::move(shape), std::make_unique<Model>()};
    placeStartShape(*subject.model, subject.solid.geometry);
    return subject;
  }
  ExportSubject subject{readSolid(texts, request.position.value_or(-1)), nullptr};
  subject.model = startModel(subject.solid);
  if (!request.morph || *request.morph <= 0.0) return subject;
  const double t = *request.morph;
  const DualMorph morph(subject.solid.geometry);
  const std::vector<SolidStop> stops = morphStops(morph, readAllSolids(texts));
  Solid shape = morphedSolid(subject.solid, morph, t, stops);
  placeShape(*subject.model, shape.geometry, subject.solid, *subject.model);
  subject.solid = std::move(shape);
  return subject;
}

// The view the request asks for, for a picture of model; with --jitterbug
// the turning triangles in the first tint of the kinds and the opening faces
// in the second, as the window and --animate jitterbug show them, else with
// --colour-faces the faces' kinds; the tints kept in tints for as long as the
// view is used.
ViewState requestedView(const CliRequest& request, const Model& model,
                        std::vector<std::uint32_t>& tints) {
  ViewState view{request.view, request.marks};
  if (request.jitterbug) {
    tints.clear();
    for (const bool turning : jitterbugShape(*request.jitterbug).turning)
      tints.push_back(kindTint(turning ? 0 : 1));
    view.faceTints = tints;
  } else if (request.colourFaces) {
    tints = tintsOfKinds(faceOrbits(polyhedronOf(model)).kindOfFace);
    view.faceTints = tints;
  }
  return view;
}

// What an animation shows: the request's solid in its start pose, with the
// family whose tour the kaleidoscope runs (--wythoff's, or that of the
// solid's symmetry).
AnimationScene animationScene(const CliRequest& request, const CatalogueTexts& texts,
                              std::span<const Solid> catalogue) {
  ExportSubject subject{};
  if (request.animate == AnimationKind::Jitterbug) {
    // The jitterbug's own solid, the cuboctahedron, in its start pose.
    const Solid& start = jitterbugStart(catalogue, jitterbugStops(catalogue));
    subject = ExportSubject{start, startModel(start)};
  } else {
    subject = subjectOf(request, texts);
  }
  AnimationScene scene{std::move(subject.solid), std::move(subject.model),
                       ViewState{request.view, request.marks}, request.wythoff, copiesOf(request)};
  scene.colourFaces = request.colourFaces;
  if (request.animate == AnimationKind::Kaleidoscope && !scene.family) {
    scene.family = kaleidoscopeFamilyOf(scene.solid, catalogue);
    if (!scene.family) {
      throw EUsageError(
          said(QT_TRANSLATE_NOOP("CommandLine",
                                 "--animate kaleidoscope: %1 gehört zu keiner der Familien T, O "
                                 "und I des Kaleidoskops"))
              .arg(QString::fromStdString(scene.solid.name))
              .toStdString());
    }
  }
  return scene;
}

void run(const CliRequest& request, const CatalogueTexts& texts, QTextStream& out) {
  switch (request.action) {
    case CliAction::ExportPicture: {
      const ExportSubject subject = subjectOf(request, texts);
      if (request.fold) {
        exportFoldPicture(request.file, subject.solid, *subject.model, *request.fold,
                          QSize(kDrawingWidth, kDrawingHeight), request.scale);
        break;
      }
      std::vector<std::uint32_t> tints;
      exportPicture(request.file, *subject.model, requestedView(request, *subject.model, tints),
                    QSize(kDrawingWidth, kDrawingHeight), request.scale);
      break;
    }
    case CliAction::ExportAnimation: {
      const std::vector<Solid> catalogue = readAllSolids(texts);
      AnimationFrames frames(request.animate, animationScene(request, texts, catalogue),
                             request.frames, catalogue);
      exportAnimation(request.file, frames, QSize(kDrawingWidth, kDrawingHeight), request.scale);
      break;
    }
    case CliAction::ExportSolid: {
      const ExportSubject subject = subjectOf(request, texts);
      exportSolid(request.file, subject.solid, polyhedronOf(*subject.model), request.sizeMm);
      break;
    }
    case CliAction::Properties: {
      const ExportSubject subject = subjectOf(request, texts);
      const SolidProperties properties = computeProperties(subject.solid, readAllSolids(texts));
      out << QString::fromStdString(request.json ? propertiesJson(properties)
                                                 : propertiesTable(properties));
      if (request.json) out << '\n';
      break;
    }
    case CliAction::ExportNet: {
      NetOptions options;
      options.paper = request.paper;
      options.orientation = request.orientation;
      options.edgeMm = request.edgeMm;
      options.tabs = request.tabs;
      options.tabStyle = request.tabStyle;
      options.numbers = request.numbers;
      options.scaleBar = request.scaleBar;
      options.faceNumbers = request.faceNumbers;
      options.foldAngles = request.foldAngles;
      exportNet(request.file, buildNet(subjectOf(request, texts).solid, options));
      break;
    }
    case CliAction::ExportSheet: {
      const ExportSubject subject = subjectOf(request, texts);
      std::vector<std::uint32_t> tints;
      exportWorksheet(request.file, subject.solid, *subject.model,
                      requestedView(request, *subject.model, tints), readAllSolids(texts),
                      request.blanks);
      break;
    }
    case CliAction::ExportBooklet:
      exportBooklet(request.file, readAllSolids(texts), ViewState{request.view, request.marks},
                    request.blanks);
      break;
    case CliAction::WythoffStops:
      printKaleidoscopeStops(request.wythoff.value_or(WythoffFamily::O), copiesOf(request), texts,
                             out);
      break;
    case CliAction::MorphStops:
      printStops(readSolid(texts, request.position.value_or(-1)), texts, out);
      break;
    case CliAction::JitterbugStops:
      printJitterbugStops(texts, out);
      break;
    case CliAction::Relations:
      for (const Relation& relation : relationMap(readAllSolids(texts))) {
        out << relation.from << '\t' << QLatin1String(relationKey(relation.kind).data()) << '\t'
            << relation.to << '\n';
      }
      break;
    case CliAction::Window:
    case CliAction::Help:
    case CliAction::Version:
      break;
  }
}

}  // namespace

bool isCatalogueFault(const std::exception& error) {
  return dynamic_cast<const EResNotFound*>(&error) != nullptr ||
         dynamic_cast<const EDecompressionError*>(&error) != nullptr ||
         dynamic_cast<const EInputTooLarge*>(&error) != nullptr ||
         dynamic_cast<const EConvertError*>(&error) != nullptr ||
         dynamic_cast<const ECatalogueError*>(&error) != nullptr ||
         dynamic_cast<const ESolidNotFound*>(&error) != nullptr ||
         dynamic_cast<const EInvalidSolid*>(&error) != nullptr;
}

int reportUsageError(const std::exception& error, QTextStream& err) {
  err << "korvelindra: " << QString::fromUtf8(error.what()) << '\n'
      << said(QT_TRANSLATE_NOOP("CommandLine", "Die Optionen nennt 'korvelindra --help'.")) << '\n';
  return kExitUsage;
}

int reportFailure(const std::exception& error, QTextStream& err) {
  if (isCatalogueFault(error)) {
    err << "korvelindra: "
        << said(QT_TRANSLATE_NOOP("CommandLine", "der eingebaute Katalog ist beschädigt: %1"))
               .arg(QString::fromUtf8(error.what()))
        << '\n';
    return kExitCatalogue;
  }
  err << "korvelindra: " << QString::fromUtf8(error.what()) << '\n';
  return kExitWriteFailed;
}

int runHeadless(const CliRequest& request, const CatalogueTexts& texts, QTextStream& out,
                QTextStream& err) {
  try {
    run(request, texts, out);
    out.flush();
    return kExitSuccess;
  } catch (const EWriteError& error) {
    err << "korvelindra: "
        << said(QT_TRANSLATE_NOOP("CommandLine", "%1 lässt sich nicht schreiben: %2"))
               .arg(error.path(), error.reason())
        << '\n';
    return kExitWriteFailed;
  } catch (const EUsageError& error) {
    err << "korvelindra: " << QString::fromUtf8(error.what()) << '\n';
    return kExitUsage;
  } catch (const ENetError& error) {
    const QString option = request.action == CliAction::ExportNet
                               ? QStringLiteral("--export-net")
                               : said(QT_TRANSLATE_NOOP("CommandLine", "das Netz"));
    err << "korvelindra: " << option << ": " << QString::fromUtf8(error.what()) << '\n';
    return kExitUsage;
  } catch (const std::exception& error) {
    return reportFailure(error, err);
  }
}

}  // namespace velkora
