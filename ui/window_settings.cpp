#include "ui/window_settings.h"

#include <array>

#include <QGuiApplication>
#include <QScreen>
#include <QSignalBlocker>

#include "translations/language.h"
#include "ui/main_window.h"
#include "ui/presentation_mode.h"
#include "ui/tool_windows.h"
#include "ui/window_menus.h"

namespace velkora {

void WindowSettings::use(SettingsStore* store) {
  store_ = store;
  choices_.reset();
  startGeometry_.reset();
  if (store == nullptr) return;
  const Settings settings = store->load();
  choices_ = settings.dialogs;
  language_ = settings.language;
  const StartChoices& start = settings.start;
  if (start.position) startPosition_ = *start.position;
  if (start.view) startView_ = *start.view;
  WindowControls& controls = window_.controls();
  if (start.marks) {
    const QSignalBlocker quiet(controls.CPunkte);
    controls.CPunkte.setChecked(*start.marks);
    window_.controller().setMarks(*start.marks);
  }
  // A step is taken only where it differs from the box's start value: the
  // first start's steps are not those its boxes show.
  const std::array<QSpinBox*, 3> spins{&controls.SpinEdit1, &controls.SpinEdit2,
                                       &controls.SpinEdit3};
  for (int axis = 0; axis < 3; ++axis) {
    const auto& step = start.steps[static_cast<std::size_t>(axis)];
    QSpinBox& spin = *spins[static_cast<std::size_t>(axis)];
    if (!step || *step == spin.value()) continue;
    const QSignalBlocker quiet(spin);
    spin.setValue(*step);
    window_.viewer().restoreStep(axis, spin.value());
  }
  if (start.geometry) {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
      areas << screen->availableGeometry();
    startGeometry_ = restorableGeometry(*start.geometry, window_.minimumSize(), areas);
    // Placed before the first showing, so that a maximised window returns to it.
    if (startGeometry_) window_.setGeometry(*startGeometry_);
  }
  if (start.maximized) window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
  if (start.lineWidth) window_.menus().setLineWidth(*start.lineWidth);
  if (start.reducedMotion) window_.menus().setReducedMotion(*start.reducedMotion);
  if (start.colourFaces) window_.menus().setColourFaces(*start.colourFaces);
}

Settings WindowSettings::current() const {
  Settings settings;
  settings.language = language_;
  if (choices_) settings.dialogs = *choices_;
  StartChoices& start = settings.start;
  const Qt::WindowStates state = window_.presentation().restorableState();
  start.maximized = state.testFlag(Qt::WindowMaximized);
  const bool enlarged = window_.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
  const QRect place = enlarged ? window_.normalGeometry() : window_.geometry();
  if (place.isValid()) start.geometry = place;
  if (window_.selectedPosition() >= 0) start.position = window_.selectedPosition();
  const WindowControls& controls = window_.controls();
  start.view = controls.checkedView();
  start.marks = controls.CPunkte.isChecked();
  start.steps = {controls.SpinEdit1.value(), controls.SpinEdit2.value(),
                 controls.SpinEdit3.value()};
  start.lineWidth = window_.lineWidth();
  start.reducedMotion = window_.tools().reducedMotion();
  start.colourFaces = window_.viewer().colourFaces();
  return settings;
}

void WindowSettings::save() const {
  if (store_ != nullptr) store_->save(current());
}

void WindowSettings::setStartSolid(int position, View view) {
  startPosition_ = position;
  startView_ = view;
}

void WindowSettings::setLanguage(const QString& code, bool remember) {
  useLanguage(code);
  if (remember) language_ = code;
  window_.menus().showLanguage(code);
}

QString WindowSettings::rememberedLanguage() const {
  if (!language_) return kGerman;
  return languageOfCode(*language_).value_or(kGerman);
}

}  // namespace velkora
