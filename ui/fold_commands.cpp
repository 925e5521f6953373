// The main window's side of the folding net: showing and hiding the fold
// window, passing its stage and check box on, and the cut numbers over the
// picture.

#include <QKeySequence>

#include "ui/fold_window.h"
#include "ui/main_window.h"
#include "ui/shared_commands.h"
#include "ui/tool_window_place.h"

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
      fold_ = std::make_unique<FoldWindow>([this](double f) { setFoldStage(f); },
                                           [this](bool on) {
                                             controller_.setFoldLabels(on);
                                             zeichnen();
                                           },
                                           this);
      connect(fold_.get(), &FoldWindow::closed, this, [this] { setFoldShown(false); });
      fold_->setReducedMotion(reducedMotion_);
      shareCommands(*fold_, commands(),
                    {QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_Right),
                     QKeySequence(Qt::Key_Home), QKeySequence(Qt::Key_End),
                     QKeySequence(Qt::Key_PageUp), QKeySequence(Qt::Key_PageDown)});
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
    placeBesideMainWindow(*fold_, *this);
    fold_->show();
    fold_->raise();
  });
}

void TFVelkora::setFoldStage(double f) {
  guarded([this, f] {
    controller_.setFoldStage(f);
    zeichnen();
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
