#pragma once
// Puts a tool window (properties, help) beside the main window on the main
// window's screen, shrunk to the screen's available area where it is larger.
// The geometry is placeBeside's; this only reads and sets the widgets.

class QWidget;

namespace velkora {

// Moves and, where needed, shrinks tool; call before it is first shown or
// whenever it is shown again.
void placeBesideMainWindow(QWidget& tool, const QWidget& mainWindow);

}  // namespace velkora
