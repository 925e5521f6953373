#include "output/headless.h"

#include "base/errors.h"
#include "catalogue/errors.h"
#include "model/errors.h"
#include "model/solid.h"
#include "nets/layout.h"
#include "output/export_service.h"
#include "output/save_file.h"
#include "properties/properties.h"
#include "properties/properties_text.h"
#include "render/design_size.h"

namespace velkora {

namespace {

void run(const CliRequest& request, const CatalogueTexts& texts, QTextStream& out) {
  const bool exports = request.action != CliAction::Window && request.action != CliAction::Help &&
                       request.action != CliAction::Version;
  if (!exports) return;
  // The one reading of the chosen solid; everything below works on it.
  const Solid solid = readSolid(texts, request.position.value_or(-1));
  switch (request.action) {
    case CliAction::ExportPicture:
      exportPicture(request.file, *startModel(solid), ViewState{request.view, request.marks},
                    QSize(kDrawingWidth, kDrawingHeight), request.scale);
      break;
    case CliAction::ExportSolid:
      exportSolid(request.file, solid, startPoseOf(solid), request.sizeMm);
      break;
    case CliAction::Properties: {
      const SolidProperties properties = computeProperties(solid, readAllSolids(texts));
      out << QString::fromStdString(request.json ? propertiesJson(properties)
                                                 : propertiesTable(properties));
      if (request.json) out << '\n';
      break;
    }
    case CliAction::ExportNet: {
      NetOptions options;
      options.paper = request.paper;
      options.edgeMm = request.edgeMm;
      options.tabs = request.tabs;
      exportNet(request.file, buildNet(solid, options));
      break;
    }
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
