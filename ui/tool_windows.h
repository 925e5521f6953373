#pragma once
// The main window's tool windows (morph, kaleidoscope, fold, properties,
// help), made on first use and kept. Showing or hiding one is a command to
// the viewer core, which knows which tool may be open with which; after each
// change the windows follow what the core says: opened, closed, their stops
// shown again, the properties on the solid on show. A window's controls go
// back to the core as commands, at the guarded boundary.

#include <memory>

#include <QObject>

#include "kaleidoscope/wythoff.h"
#include "ui/error_box.h"

class QAction;

namespace velkora {

class FoldWindow;
class HelpWindow;
class KaleidoscopeWindow;
class MorphWindow;
class PropertiesCommand;
class PropertiesWindow;
class TFVelkora;
class Viewer;

class ToolWindows : public QObject {
  Q_OBJECT

 public:
  // window and report must outlive the tool windows.
  ToolWindows(TFVelkora& window, const ErrorReporter& report);
  ~ToolWindows() override;

  // The menu's check marks, kept in step with the tools; properties is the
  // properties command's own. Called once, after the menus are built.
  void useActions(QAction& properties, QAction& morph, QAction& kaleidoscope, QAction& fold);

  void setPropertiesShown(bool shown);
  // Hiding the morph or kaleidoscope returns to the picked solid; opening one closes the other.
  void setMorphShown(bool shown);
  void setKaleidoscopeShown(bool shown);
  // Showing the fold shows the net of the solid on show, flat; a solid
  // without a net reports why and the window stays closed.
  void setFoldShown(bool shown);
  void showHelp();
  // The windows' steps, as their controls send them.
  void setMorphParameter(double t);
  void setKaleidoscopeFamily(WythoffFamily family);
  void setKaleidoscopeWeights(WythoffWeights weights);
  void setFoldStage(double f);
  // Reduced motion: the morph and fold windows' "Abspielen" steps instead of playing.
  void setReducedMotion(bool on);
  bool reducedMotion() const { return reducedMotion_; }

  // After the core told a change: the windows follow which tools are open and
  // what they offer; the properties follow the solid on show.
  void followTools();
  void followSolid();

  MorphWindow* morphWindow() const { return morph_.get(); }
  KaleidoscopeWindow* kaleidoscopeWindow() const { return kaleidoscope_.get(); }
  FoldWindow* foldWindow() const { return fold_.get(); }
  PropertiesWindow* propertiesWindow() const;

 private:
  void makeMorphWindow();
  void makeKaleidoscopeWindow();
  void makeFoldWindow();
  void guarded(const std::function<void()>& body) { runGuarded(report_, body); }

  TFVelkora& window_;
  Viewer& viewer_;
  const ErrorReporter& report_;
  bool reducedMotion_ = false;
  QAction* morphAction_ = nullptr;
  QAction* kaleidoscopeAction_ = nullptr;
  QAction* foldAction_ = nullptr;
  std::unique_ptr<PropertiesCommand> properties_;
  std::unique_ptr<MorphWindow> morph_;
  std::unique_ptr<KaleidoscopeWindow> kaleidoscope_;
  std::unique_ptr<FoldWindow> fold_;
  std::unique_ptr<HelpWindow> help_;
  // The core's counts of paths, families and nets when the windows last showed them.
  int morphPathShown_ = -1;
  int kaleidoscopeRoundShown_ = -1;
  int foldRoundShown_ = -1;
};

}  // namespace velkora
