// The main window's side of the folding net: showing and hiding the fold
// window, passing its stage and check box on, and the cut numbers over the
// picture.

#include "ui/fold_window.h"
#include "ui/main_window.h"

namespace velkora {

void TFVelkora::setFoldShown(bool shown) {
  guarded([this, shown] {
    foldAction_->setChecked(shown);
    if (!shown) {
      if (fold_ != nullptr) {
        fold_->setPlaying(false);
        fold_->hide();
      }
      controller_.endFold();
      updateViewButtons();
      zeichnen();
      return;
    }
    if (fold_ == nullptr) {
      fold_ = std::make_unique<FoldWindow>(this);
      connect(fold_.get(), &FoldWindow::stageChanged, this, [this](double f) { setFoldStage(f); });
      connect(fold_.get(), &FoldWindow::labelsChanged, this, [this](bool on) {
        controller_.setFoldLabels(on);
        zeichnen();
      });
      connect(&fold_->tool(), &ToolWindow::closed, this, [this] { setFoldShown(false); });
      connect(&fold_->player(), &SliderPlayer::stopped, this, [this] { describePicture(); });
      fold_->setReducedMotion(reducedMotion_);
    }
    try {
      controller_.beginFold();
    } catch (...) {
      foldAction_->setChecked(false);
      throw;
    }
    fold_->moveTo(0.0);
    updateViewButtons();
    zeichnen();
    fold_->tool().open();
  });
}

void TFVelkora::setFoldStage(double f) {
  guarded([this, f] {
    controller_.setFoldStage(f);
    drawFrame(fold_ != nullptr && fold_->player().ticking());
  });
}

void TFVelkora::showFoldLabels() {
  std::vector<PictureLabel> labels;
  const int scale = pixelScale();
  const double centreX = static_cast<double>(PB1.width() * scale / 2) / scale;
  const double centreY = static_cast<double>(PB1.height() * scale / 2) / scale;
  for (const FoldLabel& label : controller_.foldLabels()) {
    if (!label.visible) continue;
    labels.push_back(
        {QPointF(centreX + label.at.x, centreY + label.at.y), QString::number(label.label)});
  }
  PB1.setLabels(std::move(labels));
}

void TFVelkora::checkFold() {
  if (fold_ == nullptr || !fold_->isVisible() || controller_.folding()) return;
  // The net could not follow the solid on show: close the window and say why.
  const std::string problem = controller_.foldProblem();
  setFoldShown(false);
  if (!problem.empty()) throw Error(problem);
}

}  // namespace velkora
