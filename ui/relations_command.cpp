#include "ui/relations_command.h"

#include <QAction>
#include <QScreen>

#include "jitterbug/jitterbug_solid.h"
#include "ui/main_window.h"
#include "ui/relations_window.h"
#include "ui/tool_windows.h"

namespace velkora {

RelationsCommand::RelationsCommand(TFVelkora& window, QAction& action, const ErrorReporter& report)
    : window_(window), action_(action), report_(report) {}

RelationsCommand::~RelationsCommand() = default;

void RelationsCommand::setShown(bool shown) {
  action_.setChecked(shown);
  if (!shown) {
    if (map_ != nullptr) map_->hide();
    return;
  }
  if (map_ == nullptr) {
    map_ = std::make_unique<RelationsWindow>([this] { return window_.controller().catalogue(); },
                                             &window_);
    QObject::connect(map_.get(), &RelationsWindow::positionPicked, &action_,
                     [this](int position) { window_.selectPosition(position); });
    QObject::connect(map_.get(), &RelationsWindow::pathChosen, &action_,
                     [this](const Relation& relation) {
                       runGuarded(report_, [this, &relation] { showPath(relation); });
                     });
    QObject::connect(&map_->tool(), &ToolWindow::closed, &action_,
                     [this] { action_.setChecked(false); });
  }
  const bool wasVisible = map_->isVisible();
  map_->tool().open();
  // In presentation mode the map opens large, so that the back of the room
  // reads its names; the user's own size holds once it is open.
  const QScreen* screen = window_.screen();
  if (!wasVisible && window_.viewer().inPresentation() && screen != nullptr) {
    const QRect room = screen->availableGeometry();
    QRect large(QPoint(), room.size() * 0.9);
    large.moveCenter(room.center());
    map_->setGeometry(large);
  }
}

void RelationsCommand::showPath(const Relation& relation) {
  window_.selectPosition(relation.from);
  ToolWindows& tools = window_.tools();
  Viewer& viewer = window_.viewer();
  switch (relation.kind) {
    case RelationKind::Dual:
      tools.setShown(Tool::Morph, true);
      break;
    case RelationKind::Jitterbug:
      // The jitterbug opens on its own solid, at the stop the line leads to.
      tools.setShown(Tool::Jitterbug, true);
      for (const JitterbugStop& stop : viewer.controller().jitterbugStops()) {
        if (stop.position == relation.to) viewer.setJitterbugParameter(stop.j);
      }
      tools.followTools();
      break;
    case RelationKind::Truncate:
    case RelationKind::Rectify:
    case RelationKind::Cantellate:
    case RelationKind::Omnitruncate:
    case RelationKind::Snub:
      tools.setShown(Tool::Kaleidoscope, true);
      viewer.setKaleidoscopeSnub(relation.kind == RelationKind::Snub, false);
      viewer.setKaleidoscopeFamily(relation.family);
      viewer.setKaleidoscopeWeights(relation.at);
      tools.followTools();
      break;
  }
}

}  // namespace velkora
