#pragma once
// The "Netz falten" window: a slider for the fold stage of the net on show
// (0 flat, 1 closed), a play button that folds it up and opens it again on
// the 10 ms timer, and the "Kantennummern" check box that shows the printed
// net's cut numbers on the faces. It only passes these on; the main window
// draws.

#include <functional>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QWidget>

#include "ui/slider_player.h"
#include "ui/tool_window.h"
#include "ui/viewer_tool.h"

namespace velkora {

class FoldWindow : public QWidget, public ViewerTool {
  Q_OBJECT

 public:
  static constexpr int kSteps = 1000;  // slider positions from flat to closed

  // Sends the stage, the cut numbers and the end of a play to viewer; errors go to report.
  FoldWindow(Viewer& viewer, const ErrorReporter& report, QWidget* parent);

  // Moves to stage f as the user would.
  void moveTo(double f);
  double stage() const { return static_cast<double>(slider_.value()) / kSteps; }
  bool playing() const { return player_.playing(); }
  void setPlaying(bool on) { player_.setPlaying(on); }
  // One play tick (see SliderPlayer::tick).
  void playTick() { player_.tick(); }
  // The player of the slider: whether a tick moves it, and when a play stops.
  SliderPlayer& player() { return player_; }
  // With reduced motion "Abspielen" steps instead of playing (SliderPlayer::setStepwise).
  void setReducedMotion(bool on) override;
  bool reducedMotion() const { return player_.stepwise(); }
  // The window's accessible names and descriptions; again after a change of language.
  void applyAccessibleTexts();
  // Opening beside the main window, Esc, the language and the closing report.
  ToolWindow& tool() override { return tool_; }
  QWidget& window() override { return *this; }
  // A net the core began anew lies flat; a closed fold stops its play.
  void follow() override;

 signals:
  // Every new stage, and the state of the "Kantennummern" check box.
  void stageChanged(double f);
  void labelsChanged(bool on);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void showStage();
  // The play button's description and tooltip, which say whether it steps.
  void showPlayDescription();

  Viewer& viewer_;
  int roundShown_ = -1;  // the core's count of nets begun when this one was shown
  QLabel stageText_;
  QSlider slider_;
  QPushButton play_;
  QCheckBox labels_;
  SliderPlayer player_;
  ToolWindow tool_;  // the tool window's common parts, its texts among them
};

}  // namespace velkora
