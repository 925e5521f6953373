#include "ui/export_commands.h"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QProgressDialog>
#include <QSpinBox>

#include "animation/animation_frames.h"
#include "exports/export_service.h"
#include "exports/picture.h"
#include "exports/save_file.h"
#include "kaleidoscope/kaleidoscope_family.h"
#include "model/polyhedron.h"
#include "nets/layout.h"
#include "solid_export/mesh_export.h"
#include "ui/main_window.h"
#include "ui/net_dialog.h"
#include "ui/save_dialog.h"
#include "ui/settings_store.h"

namespace velkora {

namespace {

// The default suffix follows the chosen filter, so the file name decides the format.
void followFilterSuffix(QFileDialog& dialog) {
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& filter) {
                     dialog.setDefaultSuffix(
                         filter.section(QStringLiteral("*."), 1).section(QLatin1Char(')'), 0, 0));
                   });
}

}  // namespace

void ExportCommands::savePicture() {
  QFileDialog dialog(&window_);
  setUpSaveDialog(dialog, QCoreApplication::translate("Korvelindra", "Bild speichern"),
                  exportFilters(ExportKind::Picture), exportSuffixes(ExportKind::Picture).front());
  DialogChoices* remembered = window_.rememberedChoices();
  openInRememberedFolder(dialog, remembered, "picture");
  dialog.selectFile(
      suggestedName(window_.selectedName(), exportSuffixes(ExportKind::Picture).front()));
  auto* scale = new QComboBox(&dialog);
  scale->setObjectName(QStringLiteral("PictureScale"));
  const QSize size = window_.pictureSize();
  for (const int k : kPictureScales) {
    scale->addItem(QCoreApplication::translate("Korvelindra", "%1-fach (%2 × %3 Pixel)")
                       .arg(k)
                       .arg(size.width() * k)
                       .arg(size.height() * k),
                   k);
  }
  if (remembered != nullptr) {
    scale->setCurrentIndex(std::max(0, scale->findData(remembered->pictureScale)));
  }
  addDialogRow(dialog, QCoreApplication::translate("Korvelindra", "Größe:"), scale);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  if (remembered != nullptr) remembered->pictureScale = scale->currentData().toInt();
  rememberFolder(remembered, "picture", dialog.selectedFiles().front());
  savePictureTo(dialog.selectedFiles().front(), scale->currentData().toInt());
}

QImage ExportCommands::shownPicture(int scale) {
  ViewerController& controller = window_.controller();
  // While the net folds, the picture is the net as it stands.
  if (controller.folding()) {
    return composeFoldPicture(*controller.foldingNet(), controller.shownModel(),
                              controller.foldStage(), window_.pictureSize(), scale,
                              controller.lineWidth());
  }
  // The picture as the window shows it, lines as wide as there.
  ViewState view = window_.shownViewState();
  view.lineWidth = controller.lineWidth();
  return composePicture(controller.shownModel(), view, window_.pictureSize(), scale);
}

void ExportCommands::savePictureTo(const QString& path, int scale) {
  saveFileAtomically(path, pngBytes(shownPicture(scale)));
}

void ExportCommands::copyPicture() { QApplication::clipboard()->setImage(shownPicture(1)); }

void ExportCommands::saveAnimation() {
  QFileDialog dialog(&window_);
  setUpSaveDialog(dialog, QCoreApplication::translate("Korvelindra", "Animation speichern"),
                  exportFilters(ExportKind::Animation),
                  exportSuffixes(ExportKind::Animation).front());
  DialogChoices* remembered = window_.rememberedChoices();
  openInRememberedFolder(dialog, remembered, "animation");
  dialog.selectFile(
      suggestedName(window_.selectedName(), exportSuffixes(ExportKind::Animation).front()));
  auto* kind = new QComboBox(&dialog);
  kind->setObjectName(QStringLiteral("AnimationKind"));
  for (const AnimationKind each : animationKinds()) {
    const std::string label(animationKindLabel(each));
    kind->addItem(QCoreApplication::translate("Animation", label.c_str()), static_cast<int>(each));
  }
  auto* frames = new QSpinBox(&dialog);
  frames->setObjectName(QStringLiteral("AnimationFrames"));
  frames->setRange(kMinAnimationFrames, kMaxAnimationFrames);
  frames->setValue(kDefaultAnimationFrames);
  if (remembered != nullptr) {
    kind->setCurrentIndex(std::max(0, kind->findData(static_cast<int>(remembered->animationKind))));
    frames->setValue(remembered->animationFrames);
  }
  addDialogRow(dialog, QCoreApplication::translate("Korvelindra", "Bewegung:"), kind);
  addDialogRow(dialog, QCoreApplication::translate("Korvelindra", "Bilder:"), frames);
  followFilterSuffix(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  if (remembered != nullptr) {
    remembered->animationKind = static_cast<AnimationKind>(kind->currentData().toInt());
    remembered->animationFrames = frames->value();
  }
  rememberFolder(remembered, "animation", dialog.selectedFiles().front());
  saveAnimationTo(dialog.selectedFiles().front(),
                  static_cast<AnimationKind>(kind->currentData().toInt()), frames->value());
}

bool ExportCommands::saveAnimationTo(const QString& path, AnimationKind kind, int frames) {
  ViewerController& controller = window_.controller();
  // The morph and the tour start from the picked solid; a spin turns what is
  // on show, and the net that folds is that of what is on show.
  AnimationScene scene;
  if (kind == AnimationKind::Spin || kind == AnimationKind::Fold) {
    scene.solid = controller.shownSolid();
    scene.start = std::make_shared<const Model>(controller.shownModel());
    scene.view = window_.shownViewState();
  } else {
    scene.solid = velkora::shownSolid(controller.state());
    scene.start = std::make_shared<const Model>(controller.state().model);
    scene.view = window_.viewState();
  }
  if (kind == AnimationKind::Kaleidoscope) {
    scene.family = controller.kaleidoscope() != nullptr
                       ? controller.kaleidoscope()->family()
                       : kaleidoscopeFamilyOf(scene.solid, controller.catalogue());
    // The open kaleidoscope's snub tours the snub's stops.
    if (controller.kaleidoscope() != nullptr) scene.copies = controller.kaleidoscopeCopies();
  }
  AnimationFrames animation(kind, std::move(scene), frames, controller.catalogue());

  QProgressDialog progress(
      QCoreApplication::translate("Korvelindra", "Die Animation wird gespeichert …"),
      QCoreApplication::translate("Korvelindra", "Abbrechen"), 0, frames, &window_);
  progress.setObjectName(QStringLiteral("AnimationProgress"));
  progress.setWindowTitle(QCoreApplication::translate("Korvelindra", "Animation speichern"));
  progress.setAccessibleName(progress.windowTitle());
  progress.setAccessibleDescription(
      QCoreApplication::translate("SaveDialog", "Fortschritt beim Speichern der Animation."));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(500);
  progress.setAutoReset(false);
  progress.setValue(0);
  return exportAnimation(path, animation, window_.pictureSize(), 1, [&progress](int done, int) {
    progress.setValue(done);
    return !progress.wasCanceled();
  });
}

void ExportCommands::exportSolid() {
  QFileDialog dialog(&window_);
  setUpSaveDialog(dialog, QCoreApplication::translate("Korvelindra", "Körper exportieren"),
                  exportFilters(ExportKind::Solid), exportSuffixes(ExportKind::Solid).front());
  DialogChoices* remembered = window_.rememberedChoices();
  openInRememberedFolder(dialog, remembered, "solid");
  dialog.selectFile(
      suggestedName(window_.selectedName(), exportSuffixes(ExportKind::Solid).front()));
  auto* pose = new QComboBox(&dialog);
  pose->setObjectName(QStringLiteral("SolidPose"));
  pose->addItem(QCoreApplication::translate("Korvelindra", "aktuelle Lage"), true);
  pose->addItem(QCoreApplication::translate("Korvelindra", "Ausgangslage"), false);
  auto* size = new QDoubleSpinBox(&dialog);
  size->setObjectName(QStringLiteral("SolidSize"));
  size->setRange(1.0, 10000.0);
  size->setDecimals(1);
  size->setSuffix(QStringLiteral(" mm"));
  size->setValue(kDefaultDiameterMm);
  if (remembered != nullptr) {
    pose->setCurrentIndex(remembered->solidCurrentPose ? 0 : 1);
    size->setValue(remembered->solidSizeMm);
  }
  addDialogRow(dialog, QCoreApplication::translate("Korvelindra", "Lage:"), pose);
  addDialogRow(dialog, QCoreApplication::translate("Korvelindra", "Umkugeldurchmesser:"), size);
  followFilterSuffix(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  if (remembered != nullptr) {
    remembered->solidCurrentPose = pose->currentData().toBool();
    remembered->solidSizeMm = size->value();
  }
  rememberFolder(remembered, "solid", dialog.selectedFiles().front());
  exportSolidTo(dialog.selectedFiles().front(), pose->currentData().toBool(), size->value());
}

void ExportCommands::exportSolidTo(const QString& path, bool currentPose, double diameterMm) {
  ViewerController& controller = window_.controller();
  const Solid& solid = controller.shownSolid();
  velkora::exportSolid(
      path, solid,
      currentPose ? polyhedronOf(controller.shownModel()) : controller.shownStartPose(),
      diameterMm);
}

void ExportCommands::saveNet() {
  const Solid& solid = window_.controller().shownSolid();
  DialogChoices* remembered = window_.rememberedChoices();
  const auto options = askNetOptions(&window_, solid.geometry,
                                     QCoreApplication::translate("Korvelindra", "Netz speichern"),
                                     netChoices(remembered));
  if (!options) return;
  QFileDialog dialog(&window_);
  dialog.setWindowTitle(QCoreApplication::translate("Korvelindra", "Netz speichern"));
  describeSaveDialog(dialog, dialog.windowTitle());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(exportFilters(ExportKind::Net));
  dialog.setDefaultSuffix(exportSuffixes(ExportKind::Net).front());
  openInRememberedFolder(dialog, remembered, "net");
  dialog.selectFile(suggestedName(window_.selectedName(), exportSuffixes(ExportKind::Net).front()));
  followFilterSuffix(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().front();
  rememberFolder(remembered, "net", path);
  exportNet(path, buildNet(solid, *options));
}

}  // namespace velkora
