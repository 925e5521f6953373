#pragma once
// Presentation mode as the window shows it: full screen without the menu bar
// (its shortcuts stay), the control column hidden or shown by F10, and the
// panels placed for either; the fit of the solid to the screen is the viewer
// core's. Leaving the mode restores the window's state and column.

#include <optional>

#include <Qt>

namespace velkora {

class TFVelkora;
class WindowMenus;

class PresentationMode {
 public:
  // window must outlive the mode.
  explicit PresentationMode(TFVelkora& window) : window_(window) {}

  void setPresentation(bool on);
  void setColumnHidden(bool hidden);
  bool columnHidden() const { return columnHidden_; }
  // The window state to remember for the next start: that of before the mode.
  Qt::WindowStates restorableState() const;
  // Places the menu bar and the panels for the window's size and mode.
  void placePanels();

 private:
  // What the mode changed in the window, to be restored when it ends.
  struct Memory {
    Qt::WindowStates windowState;
    bool columnHidden = false;
  };

  TFVelkora& window_;
  bool columnHidden_ = false;
  std::optional<Memory> memory_;
};

}  // namespace velkora
