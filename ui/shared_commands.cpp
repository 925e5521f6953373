#include "ui/shared_commands.h"

#include <QAction>
#include <QWidget>

namespace velkora {

namespace {

bool sharesAKey(const QAction& action, const QList<QKeySequence>& keys) {
  for (const QKeySequence& key : action.shortcuts()) {
    if (keys.contains(key)) return true;
  }
  return false;
}

}  // namespace

void shareCommands(QWidget& toolWindow, const QList<QAction*>& commands,
                   const QList<QKeySequence>& ownKeys) {
  // The commands keep their window shortcut context: an action added to a
  // second window is active whenever either window is the active one.
  for (QAction* action : commands) {
    if (!action->shortcuts().isEmpty() && !sharesAKey(*action, ownKeys)) {
      toolWindow.addAction(action);
    }
  }
}

}  // namespace velkora
