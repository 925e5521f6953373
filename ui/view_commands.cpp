// The window's view commands: zoom by keys and wheel, turning by keys, the
// start pose, the neighbouring solids, presentation mode and the control
// column. Each is a thin handler over the model and motion functions.

#include <algorithm>
#include <cmath>

#include "model/rotation.h"
#include "model/zoom.h"
#include "ui/main_window.h"

namespace velkora {

namespace {

// The part of the drawing area's shorter side that the picture fills in presentation mode.
constexpr double kPresentationFill = 0.9;

}  // namespace

void TFVelkora::zoomSteps(int steps) {
  guarded([this, steps] {
    const double factor = steps > 0 ? kEnlargeFactor : kShrinkFactor;
    for (int k = 0; k < std::abs(steps); ++k) {
      zoomModel(state_.model, factor);
    }
    if (steps != 0) zeichnen();
  });
}

void TFVelkora::wheelOverPicture(int angleDelta) {
  guarded([this, angleDelta] { zoomSteps(wheelNotches(wheel_, angleDelta)); });
}

void TFVelkora::turnBy(double a, double b, double c) {
  guarded([this, a, b, c] {
    drehen(state_.model, a, b, c);
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
  const double side = std::min(PB1.width(), PB1.height());
  if (side <= 0) return;
  const bool outer = viewState().view == View::OuterSphere;
  presentationFit_ *= zoomToRadius(state_.model, outer, kPresentationFill * side / 2.0);
  zeichnen();
}

void TFVelkora::setPresentation(bool on) {
  guarded([this, on] {
    if (on == inPresentation()) {
      presentationAction_->setChecked(on);
      return;
    }
    if (on) {
      presentation_ =
          PresentationMemory{windowState(), state_.model.scale, columnHidden_, loadCount_};
      presentationFit_ = 1.0;
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
    if (loadCount_ == memory.loadCount && state_.model.scale > 0.0) {
      zoomModel(state_.model, memory.scale / state_.model.scale);
    } else if (presentationFit_ > 0.0) {
      zoomModel(state_.model, 1.0 / presentationFit_);
    }
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
