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

#include "ui/live_texts.h"
#include "ui/slider_player.h"

#include "morph/morph_solid.h"
#include "ui/stop_slider.h"

namespace velkora {

class MorphWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSteps = 1000;  // slider positions from t = 0 to t = 1

  // setParameter is called with every new t, setTouchMarks with the state of
  // the "Berührpunkte" check box.
  MorphWindow(std::function<void(double)> setParameter, std::function<void(bool)> setTouchMarks,
              QWidget* parent = nullptr);

  // Shows the path of a solid: its stops (ends included) and t = 0.
  void showPath(const std::vector<SolidStop>& stops);
  // Moves to t as the user would (stops the play when asked).
  void moveTo(double t);
  double parameter() const;
  bool playing() const { return player_.playing(); }
  void setPlaying(bool on) { player_.setPlaying(on); }
  // One play tick (see SliderPlayer::tick).
  void playTick() { player_.tick(); }
  // With reduced motion "Abspielen" steps instead of playing (SliderPlayer::setStepwise).
  void setReducedMotion(bool on);
  bool reducedMotion() const { return player_.stepwise(); }
  // The window's accessible names and descriptions; again after a change of language.
  void applyAccessibleTexts();

 signals:
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The stops' names and numbers in the language in use.
  void describePath();
  void showStopName();
  // The play button's description and tooltip, which say whether it steps.
  void showPlayDescription();

  std::function<void(double)> setParameter_;
  std::function<void(bool)> setTouchMarks_;
  std::vector<SolidStop> stops_;
  QLabel ends_;
  StopSlider slider_;
  QLabel stopName_;
  QWidget stopButtons_;
  QPushButton play_;
  QCheckBox touchMarks_;
  SliderPlayer player_;
  LiveTexts texts_;
};

}  // namespace velkora
