// The window's file commands: saving and copying the picture, exporting the
// solid, the properties window. The dialogs only collect a file name and
// options; the work is done by the output, render and export libraries that
// the command line uses too, and every file is written atomically.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QMessageBox>

#include "model/polyhedron.h"
#include "output/export_service.h"
#include "output/picture.h"
#include "solid_export/mesh_export.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/properties_window.h"
#include "ui/save_dialog.h"
#include "ui/shared_commands.h"
#include "ui/tool_window_place.h"

namespace velkora {

void TFVelkora::savePicture() {
  guarded([this] {
    QFileDialog dialog(this);
    setUpSaveDialog(dialog, QStringLiteral("Bild speichern"),
                    {QStringLiteral("PNG-Bilder (*.png)")}, QStringLiteral("png"));
    const QString name = Listbox1.currentItem() ? Listbox1.currentItem()->text() : QString();
    dialog.selectFile(suggestedName(name, QStringLiteral("png")));
    auto* scale = new QComboBox(&dialog);
    scale->setObjectName(QStringLiteral("PictureScale"));
    for (const int k : kPictureScales) {
      scale->addItem(QStringLiteral("%1-fach (%2 × %3 Pixel)")
                         .arg(k)
                         .arg(PB1.width() * k)
                         .arg(PB1.height() * k),
                     k);
    }
    addDialogRow(dialog, QStringLiteral("Größe:"), scale);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    savePictureTo(dialog.selectedFiles().front(), scale->currentData().toInt());
  });
}

void TFVelkora::savePictureTo(const QString& path, int scale) {
  guarded(
      [this, &path, scale] { exportPicture(path, state_.model, viewState(), PB1.size(), scale); });
}

void TFVelkora::copyPicture() {
  guarded([this] {
    QApplication::clipboard()->setImage(composePicture(state_.model, viewState(), PB1.size(), 1));
  });
}

void TFVelkora::exportSolid() {
  guarded([this] {
    QFileDialog dialog(this);
    setUpSaveDialog(dialog, QStringLiteral("Körper exportieren"),
                    {QStringLiteral("STL, binär (*.stl)"), QStringLiteral("Wavefront OBJ (*.obj)"),
                     QStringLiteral("OFF (*.off)")},
                    QStringLiteral("stl"));
    const QString name = Listbox1.currentItem() ? Listbox1.currentItem()->text() : QString();
    dialog.selectFile(suggestedName(name, QStringLiteral("stl")));
    auto* pose = new QComboBox(&dialog);
    pose->setObjectName(QStringLiteral("SolidPose"));
    pose->addItem(QStringLiteral("aktuelle Lage"), true);
    pose->addItem(QStringLiteral("Ausgangslage"), false);
    auto* size = new QDoubleSpinBox(&dialog);
    size->setObjectName(QStringLiteral("SolidSize"));
    size->setRange(1.0, 10000.0);
    size->setDecimals(1);
    size->setSuffix(QStringLiteral(" mm"));
    size->setValue(kDefaultDiameterMm);
    addDialogRow(dialog, QStringLiteral("Lage:"), pose);
    addDialogRow(dialog, QStringLiteral("Umkugeldurchmesser:"), size);
    // The default suffix follows the chosen filter, so the file name decides the format.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
      dialog.setDefaultSuffix(
          filter.section(QStringLiteral("*."), 1).section(QLatin1Char(')'), 0, 0));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    exportSolidTo(dialog.selectedFiles().front(), pose->currentData().toBool(), size->value());
  });
}

void TFVelkora::exportSolidTo(const QString& path, bool currentPose, double diameterMm) {
  guarded([this, &path, currentPose, diameterMm] {
    const int position = selectedPosition();
    const Polyhedron solid =
        currentPose ? polyhedronOf(state_.model) : startPoseSolid(state_.texts, position);
    velkora::exportSolid(path, solid, diameterMm, solidNameAt(state_.texts, position));
  });
}

void TFVelkora::setPropertiesShown(bool shown) {
  guarded([this, shown] {
    propertiesAction_->setChecked(shown);
    if (!shown) {
      if (properties_ != nullptr) properties_->hide();
      return;
    }
    if (properties_ == nullptr) {
      properties_ = std::make_unique<PropertiesWindow>(
          state_.texts, [this](int position) { Listbox1.setCurrentRow(position); }, reportError_,
          this);
      connect(properties_.get(), &PropertiesWindow::closed, this,
              [this] { propertiesAction_->setChecked(false); });
      shareCommands(*properties_, commands());
    }
    properties_->showSolid(selectedPosition());
    placeBesideMainWindow(*properties_, *this);
    properties_->show();
    properties_->raise();
  });
}

void TFVelkora::showHelp() {
  guarded([this] { showHelpWindow(this, commands()); });
}

void TFVelkora::showAbout() {
  guarded([this] { QMessageBox::about(this, QStringLiteral("Über Korvelindra"), aboutText()); });
}

}  // namespace velkora
