#include "ui/properties_command.h"

#include <QAction>

#include "ui/main_window.h"
#include "ui/properties_window.h"

namespace velkora {

PropertiesCommand::PropertiesCommand(TFVelkora& window, QAction& action,
                                     const ErrorReporter& report)
    : window_(window), action_(action), report_(report) {}

PropertiesCommand::~PropertiesCommand() = default;

void PropertiesCommand::setShown(bool shown) {
  action_.setChecked(shown);
  if (!shown) {
    if (properties_ != nullptr) properties_->hide();
    return;
  }
  if (properties_ == nullptr) {
    // The reporter is called through the window, which may have been given another since.
    properties_ = std::make_unique<PropertiesWindow>(
        [this] { return window_.controller().catalogue(); },
        [this](const QString& text) { report_(text); }, &window_);
    QObject::connect(properties_.get(), &PropertiesWindow::positionPicked, &action_,
                     [this](int position) { window_.selectPosition(position); });
    // The first face's kind, or the first vertex, as a Ctrl+click on them would pick them.
    QObject::connect(properties_.get(), &PropertiesWindow::askedAbout, &action_,
                     [this](bool vertex) {
                       runGuarded(report_, [this, vertex] {
                         if (vertex) {
                           window_.viewer().pickVertexByIndex(0);
                         } else {
                           window_.viewer().pickFaceByIndex(0);
                         }
                       });
                     });
    QObject::connect(&properties_->tool(), &ToolWindow::closed, &action_,
                     [this] { action_.setChecked(false); });
  }
  properties_->showSolid(window_.controller().shownSolid());
  // A question asked before the window opened shows at once.
  properties_->showPick(window_.pickLine());
  properties_->tool().open();
}

void PropertiesCommand::follow(const Solid& solid) {
  if (properties_ != nullptr && properties_->isVisible()) properties_->showSolid(solid);
}

}  // namespace velkora
