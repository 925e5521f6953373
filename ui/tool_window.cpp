#include "ui/tool_window.h"

#include <QEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

#include "ui/shared_commands.h"
#include "ui/window_placement.h"

namespace velkora {

ToolWindow::ToolWindow(QWidget& window, QList<QKeySequence> ownKeys)
    : QObject(&window), window_(window), ownKeys_(std::move(ownKeys)) {
  setObjectName(QStringLiteral("ToolWindow"));
  window_.installEventFilter(this);
}

QList<QWidget*> ToolWindow::openToolWindows(const QWidget& mainWindow, const QWidget* except) {
  QList<QWidget*> open;
  for (const ToolWindow* tool :
       mainWindow.findChildren<ToolWindow*>(QString(), Qt::FindChildrenRecursively)) {
    if (&tool->window_ != except && tool->window_.isVisible()) open.append(&tool->window_);
  }
  return open;
}

void ToolWindow::open() {
  QWidget* main = window_.parentWidget() != nullptr ? window_.parentWidget()->window() : nullptr;
  // An open window stays where the user has put it.
  if (main != nullptr && !window_.isVisible()) {
    if (!commandsLent_) shareCommands(window_, main->actions(), ownKeys_);
    commandsLent_ = true;
    if (const QScreen* screen = main->screen()) {
      // A window not yet shown has no frame; the main window's is the best guess.
      QSize frame = window_.frameGeometry().size() - window_.size();
      if (frame.height() <= 0) frame = main->frameGeometry().size() - main->size();
      if (frame.height() <= 0) frame = QSize(0, 32);
      QList<QRect> taken;
      for (const QWidget* other : openToolWindows(*main, &window_))
        taken.append(other->frameGeometry());
      const Placement placement = placeBeside(main->frameGeometry(), window_.size(), frame,
                                              screen->availableGeometry(), taken);
      if (placement.shrunk) window_.resize(placement.clientSize);
      window_.move(placement.framePosition);
    }
  }
  window_.show();
  window_.raise();
}

bool ToolWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_) {
    switch (event->type()) {
      case QEvent::LanguageChange:
        texts_.renew();
        break;
      case QEvent::Close:
        emit closed();
        break;
      case QEvent::KeyPress: {
        // A key that reaches the window itself is one none of its controls took.
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
          window_.close();
          return true;
        }
        break;
      }
      default:
        break;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace velkora
