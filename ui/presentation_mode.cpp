#include "ui/presentation_mode.h"

#include <QAction>
#include <QMenuBar>

#include "ui/main_window.h"
#include "ui/window_menus.h"

namespace velkora {

void PresentationMode::setPresentation(bool on) {
  WindowMenus& menus = window_.menus();
  Viewer& viewer = window_.viewer();
  if (on == viewer.inPresentation()) {
    menus.presentationAction().setChecked(on);
    return;
  }
  if (on) {
    memory_ = Memory{window_.windowState(), columnHidden_};
    viewer.setPresentation(true);
    menus.presentationAction().setChecked(true);
    menus.columnAction().setEnabled(true);
    menus.leavePresentationAction().setEnabled(true);
    window_.setWindowState((window_.windowState() & ~Qt::WindowMinimized) | Qt::WindowFullScreen);
    placePanels();
    viewer.fitPresentation();
    return;
  }
  const Memory memory = *memory_;
  memory_.reset();
  menus.presentationAction().setChecked(false);
  menus.columnAction().setEnabled(false);
  menus.leavePresentationAction().setEnabled(false);
  columnHidden_ = memory.columnHidden;
  menus.columnAction().setChecked(!columnHidden_);
  viewer.setPresentation(false);
  window_.setWindowState(memory.windowState);
  placePanels();
  viewer.draw();
}

void PresentationMode::setColumnHidden(bool hidden) {
  columnHidden_ = hidden;
  window_.menus().columnAction().setChecked(!hidden);
  placePanels();
  if (window_.viewer().inPresentation()) window_.viewer().fitPresentation();
}

Qt::WindowStates PresentationMode::restorableState() const {
  return memory_ ? memory_->windowState : window_.windowState();
}

void PresentationMode::placePanels() {
  // Presentation mode hides the menu bar; its shortcuts stay with the window.
  QMenuBar& bar = window_.menuBarWidget();
  const int top = window_.viewer().inPresentation() ? 0 : bar.sizeHint().height();
  bar.setGeometry(0, 0, window_.width(), top);
  bar.setVisible(top > 0);
  window_.controls().place(window_.size(), top, columnHidden_);
}

}  // namespace velkora
