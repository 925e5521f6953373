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

#include "ui/live_texts.h"
#include "ui/slider_player.h"

namespace velkora {

class FoldWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSteps = 1000;  // slider positions from flat to closed

  // setStage is called with every new stage, setLabels with the state of
  // the "Kantennummern" check box.
  FoldWindow(std::function<void(double)> setStage, std::function<void(bool)> setLabels,
             QWidget* parent = nullptr);

  // Moves to stage f as the user would.
  void moveTo(double f);
  double stage() const { return static_cast<double>(slider_.value()) / kSteps; }
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
  void showStage();
  // The play button's description and tooltip, which say whether it steps.
  void showPlayDescription();

  std::function<void(double)> setStage_;
  std::function<void(bool)> setLabels_;
  QLabel stageText_;
  QSlider slider_;
  QPushButton play_;
  QCheckBox labels_;
  SliderPlayer player_;
  LiveTexts texts_;
};

}  // namespace velkora
