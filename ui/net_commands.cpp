// The window's paper-net commands: the options dialog, then the print preview
// or a save dialog for PDF, SVG or JSON. The net and its pages come from the
// nets libraries that the command line uses too.

#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "model/polyhedron.h"
#include "nets/layout.h"
#include "nets/net_paint.h"
#include "output/export_service.h"
#include "ui/main_window.h"
#include "ui/net_dialog.h"
#include "ui/save_dialog.h"

namespace velkora {

void TFVelkora::printNet() {
  guarded([this] {
    const int position = selectedPosition();
    const Polyhedron solid = polyhedronAt(state_.texts, position);
    const auto options = askNetOptions(this, solid, QStringLiteral("Netz drucken"));
    if (!options) return;
    const NetDocument net = buildNet(solid, solidNameAt(state_.texts, position), *options);

    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(pageSizeOf(options->paper));
    printer.setPageOrientation(net.paperWidthMm > net.paperHeightMm ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(QString::fromStdString(net.solid));
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("Netz drucken"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &net](QPrinter* target) { guarded([&] { velkora::printNet(*target, net); }); });
    preview.exec();
  });
}

void TFVelkora::saveNet() {
  guarded([this] {
    const int position = selectedPosition();
    const Polyhedron solid = polyhedronAt(state_.texts, position);
    const auto options = askNetOptions(this, solid, QStringLiteral("Netz speichern"));
    if (!options) return;
    QFileDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Netz speichern"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("PDF (*.pdf)"), QStringLiteral("SVG (*.svg)"),
                           QStringLiteral("JSON (*.json)")});
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QString name = Listbox1.currentItem() ? Listbox1.currentItem()->text() : QString();
    dialog.selectFile(suggestedName(name, QStringLiteral("pdf")));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
      dialog.setDefaultSuffix(
          filter.section(QStringLiteral("*."), 1).section(QLatin1Char(')'), 0, 0));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().front();
    const NetDocument net = buildNet(solid, solidNameAt(state_.texts, position), *options);
    velkora::exportNet(path, net);
  });
}

}  // namespace velkora
