#pragma once
// Lends the main window's commands to a tool window (properties, help, ...),
// so that their keys work while that window has the focus, as they do in the
// main window. Keys the tool window uses itself stay with it.

#include <QKeySequence>
#include <QList>

class QAction;
class QWidget;

namespace velkora {

// Adds every command with a key to toolWindow, except those with a key in
// ownKeys. A key reaches a command before the focused control's own key
// handling (a table's Ctrl+PgUp/PgDn), unless that control claims it as a
// shortcut of its own (a line edit's editing keys). toolWindow must be a
// window of its own.
void shareCommands(QWidget& toolWindow, const QList<QAction*>& commands,
                   const QList<QKeySequence>& ownKeys = {});

}  // namespace velkora
