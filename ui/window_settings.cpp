// The window's part in remembering the user: the stored start applied before
// the first showing, and the state it leaves with gathered for saving.

#include <array>

#include <QGuiApplication>
#include <QScreen>
#include <QSignalBlocker>

#include "ui/main_window.h"

namespace velkora {

void TFVelkora::useSettings(SettingsStore* store) {
  settings_ = store;
  choices_.reset();
  startGeometry_.reset();
  if (store == nullptr) return;
  const Settings settings = store->load();
  choices_ = settings.dialogs;
  language_ = settings.language;
  const StartChoices& start = settings.start;
  if (start.position) startPosition_ = *start.position;
  if (start.view) startView_ = *start.view;
  if (start.marks) {
    const QSignalBlocker quiet(CPunkte);
    CPunkte.setChecked(*start.marks);
    controller_.setMarks(*start.marks);
  }
  // A step is taken only where it differs from the box's start value: the
  // first start's steps are not those its boxes show.
  const std::array<QSpinBox*, 3> spins{&SpinEdit1, &SpinEdit2, &SpinEdit3};
  for (int axis = 0; axis < 3; ++axis) {
    const auto& step = start.steps[static_cast<std::size_t>(axis)];
    QSpinBox& spin = *spins[static_cast<std::size_t>(axis)];
    if (!step || *step == spin.value()) continue;
    const QSignalBlocker quiet(spin);
    spin.setValue(*step);
    controller_.restoreStep(axis, spin.value());
  }
  if (start.geometry) {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
      areas << screen->availableGeometry();
    startGeometry_ = restorableGeometry(*start.geometry, minimumSize(), areas);
    // Placed before the first showing, so that a maximised window returns to it.
    if (startGeometry_) setGeometry(*startGeometry_);
  }
  if (start.maximized) setWindowState(windowState() | Qt::WindowMaximized);
  if (start.lineWidth) setLineWidth(*start.lineWidth);
  if (start.reducedMotion) setReducedMotion(*start.reducedMotion);
}

Settings TFVelkora::currentSettings() const {
  Settings settings;
  settings.language = language_;
  if (choices_) settings.dialogs = *choices_;
  StartChoices& start = settings.start;
  const Qt::WindowStates state = presentation_ ? presentation_->windowState : windowState();
  start.maximized = state.testFlag(Qt::WindowMaximized);
  const bool enlarged = windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
  const QRect place = enlarged ? normalGeometry() : geometry();
  if (place.isValid()) start.geometry = place;
  if (selectedPosition() >= 0) start.position = selectedPosition();
  start.view = viewState().view;
  start.marks = CPunkte.isChecked();
  start.steps = {SpinEdit1.value(), SpinEdit2.value(), SpinEdit3.value()};
  start.lineWidth = lineWidth();
  start.reducedMotion = reducedMotion_;
  return settings;
}

}  // namespace velkora
