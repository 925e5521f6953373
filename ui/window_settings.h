#pragma once
// The window's part in remembering the user and in its start: the solid and
// view it opens with, the stored start applied before the first showing
// (marks, steps, place, line width, reduced motion, language), the dialogs'
// remembered choices, and the state it leaves with gathered for saving.

#include <optional>

#include <QRect>
#include <QString>

#include "render/frame.h"
#include "ui/settings_store.h"

namespace velkora {

class TFVelkora;

class WindowSettings {
 public:
  // window must outlive the settings.
  explicit WindowSettings(TFVelkora& window) : window_(window) {}

  // Remembers the user through store (null: not at all; it must outlive the
  // window): takes the stored solid, view, marks, steps and window place as
  // the start (before the first showing; setStartSolid after it overrides),
  // keeps the dialogs' choices and saves everything when the window closes.
  void use(SettingsStore* store);
  // What would be saved now, and saving it (nothing without a store).
  Settings current() const;
  void save() const;
  // The dialogs' choices to start from and to update, or null when the window
  // remembers nothing (then every dialog opens with its own defaults).
  DialogChoices* rememberedChoices() { return choices_ ? &*choices_ : nullptr; }

  // Opens with this list entry (-1: the usual one) and view instead of the
  // default ones (command line); must be called before the window is first shown.
  void setStartSolid(int position, View view);
  int startPosition() const { return startPosition_; }
  View startView() const { return startView_; }
  // A remembered place, checked against the screens.
  const std::optional<QRect>& startGeometry() const { return startGeometry_; }

  // Speaks the language of code (an available one) from now on; remember
  // keeps it for the next start (the menu's choice), otherwise it holds for
  // this run (the command line's).
  void setLanguage(const QString& code, bool remember);
  // The available language remembered from the last run, or German.
  QString rememberedLanguage() const;

 private:
  TFVelkora& window_;
  SettingsStore* store_ = nullptr;
  std::optional<DialogChoices> choices_;
  std::optional<QString> language_;
  std::optional<QRect> startGeometry_;
  int startPosition_ = -1;
  View startView_ = View::Polyhedron;
};

}  // namespace velkora
