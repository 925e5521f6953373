#include "output/headless.h"

#include <memory>

#include "catalogue/errors.h"
#include "model/errors.h"
#include "model/load.h"
#include "model/polyhedron.h"
#include "nets/layout.h"
#include "nets/net_json.h"
#include "nets/net_paint.h"
#include "output/picture.h"
#include "output/save_file.h"
#include "properties/errors.h"
#include "properties/properties.h"
#include "properties/properties_text.h"
#include "render/design_size.h"
#include "solid_export/mesh_export.h"

namespace velkora {

namespace {

QByteArray bytesOf(const std::string& text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// The solid as right after it is picked in the window: start pose and size.
std::unique_ptr<Model> startModel(const CatalogueTexts& texts, int position) {
  auto model = std::make_unique<Model>();
  loadSolidAt(*model, texts, position);
  return model;
}

Paper paperOf(CliPaper paper) {
  switch (paper) {
    case CliPaper::A3:
      return Paper::A3;
    case CliPaper::Letter:
      return Paper::Letter;
    case CliPaper::A4:
      break;
  }
  return Paper::A4;
}

QByteArray netBytes(const CliRequest& request, const CatalogueTexts& texts, int position) {
  NetOptions options;
  options.paper = paperOf(request.paper);
  options.edgeMm = request.edgeMm;
  options.tabs = request.tabs;
  const NetDocument net =
      buildNet(polyhedronAt(texts, position), solidNameAt(texts, position), options);
  const QString suffix = request.file.section(QLatin1Char('.'), -1).toLower();
  if (suffix == QStringLiteral("pdf")) return netPdf(net);
  if (suffix == QStringLiteral("svg")) return netSvg(net);
  return bytesOf(netJson(net));
}

void run(const CliRequest& request, const CatalogueTexts& texts, QTextStream& out) {
  const int position = request.position.value_or(-1);
  switch (request.action) {
    case CliAction::ExportPicture: {
      const auto model = startModel(texts, position);
      const QImage picture = composePicture(*model, ViewState{request.view, request.marks},
                                            QSize(kDrawingWidth, kDrawingHeight), request.scale);
      saveFileAtomically(request.file, pngBytes(picture));
      break;
    }
    case CliAction::ExportSolid: {
      const auto format = meshFormatFromPath(request.file.toStdString());
      const auto model = startModel(texts, position);
      saveFileAtomically(request.file,
                         bytesOf(meshFileBytes(polyhedronOf(*model), format.value(), request.sizeMm,
                                               solidNameAt(texts, position))));
      break;
    }
    case CliAction::Properties: {
      const SolidProperties properties = computeProperties(texts, position);
      out << QString::fromStdString(request.json ? propertiesJson(properties)
                                                 : propertiesTable(properties));
      if (request.json) out << '\n';
      break;
    }
    case CliAction::ExportNet:
      saveFileAtomically(request.file, netBytes(request, texts, position));
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
         dynamic_cast<const EDegenerateSolid*>(&error) != nullptr;
}

int runHeadless(const CliRequest& request, const CatalogueTexts& texts, QTextStream& out,
                QTextStream& err) {
  try {
    run(request, texts, out);
    out.flush();
    return kExitSuccess;
  } catch (const EWriteError& error) {
    err << "korvelindra: cannot write " << error.path() << ": " << error.reason() << '\n';
    return kExitWriteFailed;
  } catch (const ENetError& error) {
    err << "korvelindra: --export-net: " << QString::fromUtf8(error.what()) << '\n';
    return kExitUsage;
  } catch (const std::exception& error) {
    if (isCatalogueFault(error)) {
      err << "korvelindra: the built-in catalogue is damaged: " << QString::fromUtf8(error.what())
          << '\n';
      return kExitCatalogue;
    }
    err << "korvelindra: " << QString::fromUtf8(error.what()) << '\n';
    return kExitWriteFailed;
  }
}

}  // namespace velkora
