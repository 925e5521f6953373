#include "ui/print_command.h"

#include <QCoreApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "exports/export_service.h"
#include "model/polyhedron.h"
#include "nets/layout.h"
#include "nets/net_paint.h"
#include "ui/main_window.h"
#include "ui/net_dialog.h"
#include "ui/settings_store.h"

namespace velkora {

void PrintCommand::printNet() {
  const Solid& solid = window_.controller().shownSolid();
  const auto options = askNetOptions(&window_, solid.geometry,
                                     QCoreApplication::translate("Korvelindra", "Netz drucken"),
                                     netChoices(window_.rememberedChoices()));
  if (!options) return;
  const NetDocument net = buildNet(solid, *options);

  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(pageSizeOf(options->paper));
  printer.setPageOrientation(net.paperWidthMm > net.paperHeightMm ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait);
  printer.setFullPage(true);
  printer.setDocName(QString::fromStdString(net.solid));
  QPrintPreviewDialog preview(&printer, &window_);
  preview.setWindowTitle(QCoreApplication::translate("Korvelindra", "Netz drucken"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [this, &net](QPrinter* target) {
                     runGuarded(report_, [&] { velkora::printNet(*target, net); });
                   });
  preview.exec();
}

}  // namespace velkora
