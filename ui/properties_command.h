#pragma once
// The window's "Eigenschaften" command: makes the properties window on first
// use, lends it the main window's command keys, places it beside the main
// window, keeps it on the selected solid, and keeps the menu's check mark in
// step with it. The table itself is the PropertiesWindow's.

#include <memory>

#include "model/solid.h"
#include "ui/error_box.h"

class QAction;

namespace velkora {

class PropertiesWindow;
class TFVelkora;

class PropertiesCommand {
 public:
  // window, action and report must outlive the command; action is the checkable menu entry.
  PropertiesCommand(TFVelkora& window, QAction& action, const ErrorReporter& report);
  ~PropertiesCommand();
  PropertiesCommand(const PropertiesCommand&) = delete;
  PropertiesCommand& operator=(const PropertiesCommand&) = delete;

  // Shows the window with the selected solid beside the main window, or hides it.
  void setShown(bool shown);
  // After another solid was loaded: a shown window shows it too.
  void follow(const Solid& solid);
  // The window, once it was first shown; nullptr before.
  PropertiesWindow* window() const { return properties_.get(); }

 private:
  TFVelkora& window_;
  QAction& action_;
  const ErrorReporter& report_;
  std::unique_ptr<PropertiesWindow> properties_;
};

}  // namespace velkora
