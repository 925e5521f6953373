#include "ui/tool_windows.h"

#include <QAction>

#include "ui/fold_window.h"
#include "ui/help_window.h"
#include "ui/kaleidoscope_window.h"
#include "ui/main_window.h"
#include "ui/morph_window.h"
#include "ui/properties_command.h"
#include "ui/properties_window.h"
#include "ui/relations_command.h"

namespace velkora {

ToolWindows::ToolWindows(TFVelkora& window, const ErrorReporter& report)
    : QObject(&window), window_(window), viewer_(window.viewer()), report_(report) {}

ToolWindows::~ToolWindows() = default;

void ToolWindows::add(Tool tool, QAction& action, ViewerToolMaker make) {
  tools_.push_back(Entry{tool, &action, std::move(make), nullptr});
}

ToolWindows::Entry* ToolWindows::entryOf(Tool tool) {
  for (Entry& entry : tools_) {
    if (entry.tool == tool) return &entry;
  }
  return nullptr;
}

ViewerTool* ToolWindows::windowOf(Tool tool) const {
  for (const Entry& entry : tools_) {
    if (entry.tool == tool) return entry.window.get();
  }
  return nullptr;
}

void ToolWindows::setShown(Tool tool, bool shown) {
  runGuarded(report_, [this, tool, shown] {
    Entry* entry = entryOf(tool);
    if (entry == nullptr) return;
    entry->action->setChecked(shown);
    if (!shown) {
      viewer_.closeTool(tool);
      return;
    }
    if (entry->window == nullptr) {
      entry->window = entry->make(viewer_, report_, window_);
      entry->window->setReducedMotion(reducedMotion_);
      connect(&entry->window->tool(), &ToolWindow::closed, this,
              [this, tool] { setShown(tool, false); });
    }
    try {
      viewer_.openTool(tool);
    } catch (...) {
      entry->action->setChecked(false);
      throw;
    }
  });
}

void ToolWindows::useProperties(QAction& action) {
  properties_ = std::make_unique<PropertiesCommand>(window_, action, report_);
}

void ToolWindows::setPropertiesShown(bool shown) {
  runGuarded(report_, [this, shown] { properties_->setShown(shown); });
}

void ToolWindows::useRelations(QAction& action) {
  relations_ = std::make_unique<RelationsCommand>(window_, action, report_);
}

void ToolWindows::setRelationsShown(bool shown) {
  runGuarded(report_, [this, shown] { relations_->setShown(shown); });
}

void ToolWindows::showHelp() {
  runGuarded(report_, [this] {
    if (help_ == nullptr) help_ = std::make_unique<HelpWindow>(window_.commands(), &window_);
    help_->tool().open();
  });
}

void ToolWindows::setReducedMotion(bool on) {
  reducedMotion_ = on;
  for (Entry& entry : tools_) {
    if (entry.window != nullptr) entry.window->setReducedMotion(on);
  }
}

void ToolWindows::followTools() {
  for (Entry& entry : tools_) {
    const bool open = viewer_.toolOpen(entry.tool);
    entry.action->setChecked(open);
    ViewerTool* tool = entry.window.get();
    if (tool == nullptr) continue;
    tool->follow();
    if (open && !tool->window().isVisible()) tool->tool().open();
    if (!open && tool->window().isVisible()) tool->window().hide();
  }
}

void ToolWindows::followSolid() {
  if (properties_ != nullptr) properties_->follow(viewer_.controller().shownSolid());
}

MorphWindow* ToolWindows::morphWindow() const {
  return dynamic_cast<MorphWindow*>(windowOf(Tool::Morph));
}

KaleidoscopeWindow* ToolWindows::kaleidoscopeWindow() const {
  return dynamic_cast<KaleidoscopeWindow*>(windowOf(Tool::Kaleidoscope));
}

FoldWindow* ToolWindows::foldWindow() const {
  return dynamic_cast<FoldWindow*>(windowOf(Tool::Fold));
}

PropertiesWindow* ToolWindows::propertiesWindow() const { return properties_->window(); }

}  // namespace velkora
