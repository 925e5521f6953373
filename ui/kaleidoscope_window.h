#pragma once
// The "Kaleidoskop" window: the family choice, the snub and its mirror image,
// the triangle with its stops and the draggable point, the name of the solid
// at a stop, a button per stop that picks that solid in the main list, and a
// tour past every stop. It passes the choices on; the main window draws.

#include <functional>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "kaleidoscope/kaleidoscope_solid.h"
#include "ui/live_texts.h"
#include "ui/stop_buttons.h"
#include "ui/tool_window.h"
#include "ui/triangle_view.h"
#include "ui/viewer_tool.h"

namespace velkora {

class KaleidoscopeWindow : public QWidget, public ViewerTool {
  Q_OBJECT

 public:
  // Sends the family, the point and the picks of stops to viewer; errors go to report.
  KaleidoscopeWindow(Viewer& viewer, const ErrorReporter& report, QWidget* parent);

  // Shows family's triangle and stops; the point goes to start quietly.
  void showFamily(WythoffFamily family, const std::vector<KaleidoscopeStop>& stops,
                  WythoffWeights start);
  TriangleView& triangle() { return triangle_; }

  bool touring() const { return timer_.isActive(); }
  void setTouring(bool on);
  // One tour step: the point moves 1/100 of the way between two stops.
  void tourTick();
  // The window's accessible names and descriptions; again after a change of language.
  void applyAccessibleTexts();
  // Opening beside the main window, Esc, the language and the closing report.
  ToolWindow& tool() override { return tool_; }
  QWidget& window() override { return *this; }
  // A family or snub choice the core began anew is shown with its stops and
  // starting point, the snub's boxes as the core has them; a closed
  // kaleidoscope stops its tour.
  void follow() override;
  // The tour keeps its pace: reduced motion concerns the players' "Abspielen".
  void setReducedMotion(bool /*on*/) override {}

 signals:
  // The family chosen, every new place of the point, and a stop's button
  // pressed (the list position of its solid).
  void familyChosen(WythoffFamily family);
  void weightsChanged(WythoffWeights weights);
  void positionPicked(int position);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The stops' names on the triangle and the buttons, in the language in use.
  void nameStops();
  void showStopName(WythoffWeights weights);
  // The snub's boxes as the core has the choice.
  void showSnubChoice();

  Viewer& viewer_;
  int roundShown_ = -1;  // the core's count of families begun when this one was shown
  std::vector<KaleidoscopeStop> stops_;
  std::vector<WythoffWeights> tour_;  // the stops in the tour's order, back to the start
  std::size_t leg_ = 0;
  int stepInLeg_ = 0;
  QComboBox family_;
  QCheckBox snub_;
  QCheckBox mirror_;  // on only with snub_
  TriangleView triangle_;
  QLabel stopName_;
  StopButtons stopButtons_;
  QPushButton tourButton_;
  QTimer timer_;
  ToolWindow tool_;  // the tool window's common parts, its texts among them
};

}  // namespace velkora
