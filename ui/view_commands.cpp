// The window's view commands: zoom by keys and wheel, turning by keys, the
// start pose, the neighbouring solids, presentation mode and the control
// column. Each is a thin handler over the ViewerController.

#include "ui/main_window.h"

namespace velkora {

void TFVelkora::zoomSteps(int steps) {
  guarded([this, steps] {
    controller_.zoom(steps);
    if (steps != 0) zeichnen();
  });
}

void TFVelkora::wheelOverPicture(int angleDelta) {
  guarded([this, angleDelta] {
    if (controller_.wheel(angleDelta) != 0) zeichnen();
  });
}

void TFVelkora::turnBy(double a, double b, double c) {
  guarded([this, a, b, c] {
    controller_.turn(a, b, c);
    zeichnen();
  });
}

void TFVelkora::resetPose() {
  guarded([this] {
    // The same load as a pick from the list, but the animation runs on.
    B1C();
  });
}

void TFVelkora::stepSolid(int direction) {
  guarded([this, direction] {
    const int row = Listbox1.currentRow() + (direction > 0 ? 1 : -1);
    if (row >= 0 && row < Listbox1.count()) {
      // As a user's pick: LB1C stops the animation and loads the solid.
      Listbox1.setCurrentRow(row);
    }
  });
}

void TFVelkora::fitForPresentation() {
  const bool outer = viewState().view == View::OuterSphere;
  if (controller_.fitPresentation(outer, PB1.width(), PB1.height())) zeichnen();
}

void TFVelkora::setPresentation(bool on) {
  guarded([this, on] {
    if (on == inPresentation()) {
      presentationAction_->setChecked(on);
      return;
    }
    if (on) {
      presentation_ = PresentationMemory{windowState(), columnHidden_};
      controller_.beginPresentation();
      presentationAction_->setChecked(true);
      columnAction_->setEnabled(true);
      leavePresentationAction_->setEnabled(true);
      setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowFullScreen);
      placePanels();
      fitForPresentation();
      return;
    }
    const PresentationMemory memory = *presentation_;
    presentation_.reset();
    presentationAction_->setChecked(false);
    columnAction_->setEnabled(false);
    leavePresentationAction_->setEnabled(false);
    columnHidden_ = memory.columnHidden;
    columnAction_->setChecked(!columnHidden_);
    // The zoom of before, or, after another solid was loaded in the mode,
    // that solid without the mode's fitting.
    controller_.endPresentation();
    setWindowState(memory.windowState);
    placePanels();
    zeichnen();
  });
}

void TFVelkora::setColumnHidden(bool hidden) {
  guarded([this, hidden] {
    columnHidden_ = hidden;
    columnAction_->setChecked(!hidden);
    placePanels();
    if (inPresentation()) fitForPresentation();
  });
}

}  // namespace velkora
