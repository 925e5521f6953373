#pragma once
// The "Jitterbug" window: a slider for j, the turn of the Kuboktaeder's eight
// triangles (j x 60 degrees), its stops (Kuboktaeder, Ikosaeder, Oktaeder) as
// marks and named buttons, "Abspielen" on the 10 ms timer as the morph's,
// and the name of the stop the slider is at. The two tints of the picture
// (turning triangles, opening faces) are named under the slider. It only
// passes the values on; the viewer core draws.

#include <vector>

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "jitterbug/jitterbug_solid.h"
#include "ui/slider_player.h"
#include "ui/stop_buttons.h"
#include "ui/stop_slider.h"
#include "ui/tool_window.h"
#include "ui/viewer_tool.h"

namespace velkora {

class JitterbugWindow : public QWidget, public ViewerTool {
  Q_OBJECT

 public:
  static constexpr int kSteps = 1000;  // slider positions from j = 0 to j = 1

  JitterbugWindow(Viewer& viewer, const ErrorReporter& report, QWidget* parent);

  // Moves to j as the user would.
  void moveTo(double j);
  double parameter() const;
  SliderPlayer& player() { return player_; }
  void setReducedMotion(bool on) override { player_.setStepwise(on); }
  ToolWindow& tool() override { return tool_; }
  QWidget& window() override { return *this; }
  // A new round of the core (the opening, a pick of the Kuboktaeder) is shown
  // at j = 0; a closed jitterbug stops its play.
  void follow() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void showStops();
  void describe();
  void showStopName();

  Viewer& viewer_;
  int roundShown_ = -1;
  std::vector<JitterbugStop> stops_;
  StopSlider slider_;
  QLabel stopName_;
  QLabel tints_;
  StopButtons stopButtons_;
  QPushButton play_;
  SliderPlayer player_;
  ToolWindow tool_;
};

}  // namespace velkora
