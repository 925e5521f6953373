#pragma once
// Playing a slider back and forth: a "Abspielen"/"Anhalten" button and the
// 10 ms timer that moves the slider by a 200th of its range per tick towards
// the end it runs to, turning there. With reduced motion the button does not
// start the timer but moves the slider by a tenth of its range per press,
// turning at the same ends. The morph and fold windows play their sliders with it.

#include <QObject>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace velkora {

class SliderPlayer : public QObject {
  Q_OBJECT

 public:
  static constexpr int kTickMs = 10;
  static constexpr int kStepsPerWay = 200;   // 2 s from one end to the other
  static constexpr int kPressesPerWay = 10;  // with reduced motion

  // Plays slider; button starts and stops it and shows which it will do.
  // Both must outlive the player.
  SliderPlayer(QSlider& slider, QPushButton& button);

  bool playing() const { return timer_.isActive(); }
  void setPlaying(bool on);
  // Whether the slider is being moved by a play tick just now (its
  // valueChanged is a tick's, not a user's or a step's).
  bool ticking() const { return ticking_; }
  // The button's caption in the language in use.
  void showCaption();
  // One tick: the slider moves one step and turns at either end.
  void tick();
  // Reduced motion: presses step (stopping a play that runs) instead of playing.
  void setStepwise(bool on);
  bool stepwise() const { return stepwise_; }
  // One press with reduced motion: a tenth of the range, turning at either end.
  void step();

 signals:
  // The play has stopped (button, setPlaying or stepwise).
  void stopped();

 private:
  QSlider& slider_;
  QPushButton& button_;
  QTimer timer_;
  int direction_ = 1;
  bool stepwise_ = false;
  bool ticking_ = false;

  // Moves the slider by parts of its range in the current direction, turning at either end.
  void advance(int parts);
};

}  // namespace velkora
