#pragma once
// The "Verwandlung" window: a slider for the morph parameter t of the solid on
// show, its stops as named buttons, a play button that runs the morph from 0
// to 1 and back on the 10 ms timer, the names of both ends and of the stop
// the slider is at, and the "Berührpunkte" check box. It only passes these
// on; the main window draws.

#include <functional>
#include <vector>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "ui/slider_player.h"
#include "ui/tool_window.h"
#include "ui/viewer_tool.h"

#include "morph/morph_solid.h"
#include "ui/stop_buttons.h"
#include "ui/stop_slider.h"

namespace velkora {

class MorphWindow : public QWidget, public ViewerTool {
  Q_OBJECT

 public:
  static constexpr int kSteps = 1000;  // slider positions from t = 0 to t = 1

  // Sends t, the touch marks and the end of a play to viewer; errors go to report.
  MorphWindow(Viewer& viewer, const ErrorReporter& report, QWidget* parent);

  // Shows the path of a solid: its stops (ends included) and t = 0.
  void showPath(const std::vector<SolidStop>& stops);
  // Moves to t as the user would (stops the play when asked).
  void moveTo(double t);
  double parameter() const;
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
  // A new path of the core (a pick, the opening) is shown at t = 0; a closed
  // morph stops its play.
  void follow() override;

 signals:
  // Every new t, and the state of the "Berührpunkte" check box.
  void parameterChanged(double t);
  void touchMarksChanged(bool on);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The stops' names and numbers in the language in use.
  void describePath();
  void showStopName();
  // The play button's description and tooltip, which say whether it steps.
  void showPlayDescription();

  Viewer& viewer_;
  int pathShown_ = -1;  // the core's count of paths when this one was shown
  std::vector<SolidStop> stops_;
  QLabel ends_;
  StopSlider slider_;
  QLabel stopName_;
  StopButtons stopButtons_;
  QPushButton play_;
  QCheckBox touchMarks_;
  SliderPlayer player_;
  ToolWindow tool_;  // the tool window's common parts, its texts among them
};

}  // namespace velkora
