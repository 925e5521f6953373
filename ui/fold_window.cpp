#include "ui/fold_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "viewer/viewer.h"

namespace velkora {

FoldWindow::FoldWindow(Viewer& viewer, const ErrorReporter& report, QWidget* parent)
    : QWidget(parent, Qt::Window),
      viewer_(viewer),
      player_(slider_, play_),
      tool_(*this, {QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_Right),
                    QKeySequence(Qt::Key_Home), QKeySequence(Qt::Key_End),
                    QKeySequence(Qt::Key_PageUp), QKeySequence(Qt::Key_PageDown)}) {
  setObjectName(QStringLiteral("NetzFalten"));
  slider_.setObjectName(QStringLiteral("FoldSlider"));
  slider_.setOrientation(Qt::Horizontal);
  slider_.setRange(0, kSteps);
  slider_.setPageStep(kSteps / 10);
  stageText_.setObjectName(QStringLiteral("FoldStage"));
  play_.setObjectName(QStringLiteral("FoldPlay"));
  labels_.setObjectName(QStringLiteral("FoldLabels"));
  tool_.texts().add([this] {
    player_.showCaption();
    setWindowTitle(tr("Netz falten"));
    slider_.setToolTip(tr("Links liegt das Netz flach, rechts ist der Körper geschlossen."));
    labels_.setText(tr("&Kantennummern"));
    labels_.setToolTip(
        tr("Zeigt an den Schnittkanten die Nummern des gedruckten Netzes: Kanten mit gleicher "
           "Nummer werden zusammengeklebt."));
    showStage();
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(&stageText_);
  layout->addWidget(&slider_);
  auto* row = new QHBoxLayout;
  row->addWidget(&play_);
  row->addStretch();
  row->addWidget(&labels_);
  layout->addLayout(row);
  resize(360, 120);

  connect(&slider_, &QSlider::valueChanged, this, [this](int) {
    showStage();
    emit stageChanged(stage());
  });
  connect(&labels_, &QCheckBox::toggled, this, &FoldWindow::labelsChanged);
  showStage();
  tool_.texts().add([this] { applyAccessibleTexts(); });

  connect(this, &FoldWindow::stageChanged, this, [this, &report](double f) {
    runGuarded(report, [this, f] { viewer_.setFoldStage(f, player_.ticking()); });
  });
  connect(this, &FoldWindow::labelsChanged, this, [this, &report](bool on) {
    runGuarded(report, [this, on] { viewer_.setFoldLabels(on); });
  });
  connect(&player_, &SliderPlayer::stopped, this,
          [this, &report] { runGuarded(report, [this] { viewer_.playStopped(); }); });
}

void FoldWindow::follow() {
  if (!viewer_.toolOpen(Tool::Fold)) {
    setPlaying(false);
    return;
  }
  if (viewer_.foldRounds() == roundShown_) return;
  roundShown_ = viewer_.foldRounds();
  moveTo(0.0);
}

void FoldWindow::applyAccessibleTexts() {
  setAccessibleName(tr("Netz falten"));
  setAccessibleDescription(
      tr("Faltet das Netz des gezeigten Körpers im Bild: ein Regler von flach bis "
         "geschlossen, Abspielen und die Kantennummern."));
  stageText_.setAccessibleName(tr("Faltstufe"));
  stageText_.setAccessibleDescription(tr("Wie weit das Netz gefaltet ist."));
  slider_.setAccessibleName(tr("Faltstufe"));
  slider_.setAccessibleDescription(
      tr("Links liegt das Netz flach, rechts ist der Körper "
         "geschlossen."));
  play_.setAccessibleName(tr("Abspielen"));
  showPlayDescription();
  labels_.setAccessibleDescription(
      tr("Zeigt die Nummern der Schnittkanten; gleiche Nummern werden zusammengeklebt."));
}

void FoldWindow::setReducedMotion(bool on) {
  player_.setStepwise(on);
  showPlayDescription();
}

void FoldWindow::showPlayDescription() {
  const QString text =
      reducedMotion()
          ? tr("Bewegung reduziert: jeder Druck faltet ein Zehntel weiter, an den Enden "
               "kehrt es um.")
          : tr("Faltet das Netz zum Körper und öffnet es wieder.");
  play_.setAccessibleDescription(text);
  play_.setToolTip(text);
}

void FoldWindow::moveTo(double f) {
  const int value = static_cast<int>(std::lround(std::clamp(f, 0.0, 1.0) * kSteps));
  if (value == slider_.value()) {
    emit stageChanged(stage());
    return;
  }
  slider_.setValue(value);
}

void FoldWindow::showStage() {
  const int percent = static_cast<int>(std::lround(stage() * 100.0));
  stageText_.setText(percent == 0     ? tr("Das Netz liegt flach.")
                     : percent == 100 ? tr("Der Körper ist geschlossen.")
                                      : tr("Gefaltet zu %1 %").arg(percent));
}

void FoldWindow::closeEvent(QCloseEvent* event) {
  setPlaying(false);
  event->accept();
}

}  // namespace velkora
