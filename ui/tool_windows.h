#pragma once
// The main window's tool windows, made on first use and kept: one per tool
// of the viewer core (morph, kaleidoscope, fold: each a ViewerTool), the
// properties and the help. Showing or hiding a core tool is a command to the
// core, which knows which tool may be open with which; after each change the
// windows follow what the core says (opened, closed, their stops shown
// again, the menu's check marks) and the properties follow the solid on show.

#include <memory>
#include <vector>

#include <QObject>

#include "ui/error_box.h"
#include "ui/viewer_tool.h"
#include "viewer/viewer.h"

class QAction;

namespace velkora {

class FoldWindow;
class HelpWindow;
class KaleidoscopeWindow;
class MorphWindow;
class PropertiesCommand;
class PropertiesWindow;
class RelationsCommand;
class RelationsWindow;
class TFVelkora;

class ToolWindows : public QObject {
  Q_OBJECT

 public:
  // window and report must outlive the tool windows.
  ToolWindows(TFVelkora& window, const ErrorReporter& report);
  ~ToolWindows() override;

  // A core tool's window, made by make on first showing; action is its
  // checkable menu entry, kept in step with the core.
  void add(Tool tool, QAction& action, ViewerToolMaker make);
  // Shows or hides a core tool's window. Opening the morph or kaleidoscope
  // closes the other; a solid without a net reports why and the fold stays closed.
  void setShown(Tool tool, bool shown);
  void setMorphShown(bool shown) { setShown(Tool::Morph, shown); }
  void setKaleidoscopeShown(bool shown) { setShown(Tool::Kaleidoscope, shown); }
  void setFoldShown(bool shown) { setShown(Tool::Fold, shown); }
  // The properties window; action is its menu entry.
  void useProperties(QAction& action);
  void setPropertiesShown(bool shown);
  // The map of the relations; action is its menu entry.
  void useRelations(QAction& action);
  void setRelationsShown(bool shown);
  RelationsCommand* relations() const { return relations_.get(); }
  void showHelp();
  // Reduced motion: the windows' "Abspielen" steps instead of playing.
  void setReducedMotion(bool on);
  bool reducedMotion() const { return reducedMotion_; }

  // After the core told a change: the windows follow which tools are open and
  // what they offer; the properties follow the solid on show.
  void followTools();
  void followSolid();

  // A tool's window once it was first shown; null before.
  ViewerTool* windowOf(Tool tool) const;
  MorphWindow* morphWindow() const;
  KaleidoscopeWindow* kaleidoscopeWindow() const;
  FoldWindow* foldWindow() const;
  PropertiesWindow* propertiesWindow() const;

 private:
  struct Entry {
    Tool tool;
    QAction* action;
    ViewerToolMaker make;
    std::unique_ptr<ViewerTool> window;
  };
  Entry* entryOf(Tool tool);

  TFVelkora& window_;
  Viewer& viewer_;
  const ErrorReporter& report_;
  bool reducedMotion_ = false;
  std::vector<Entry> tools_;
  std::unique_ptr<PropertiesCommand> properties_;
  std::unique_ptr<RelationsCommand> relations_;
  std::unique_ptr<HelpWindow> help_;
};

}  // namespace velkora
