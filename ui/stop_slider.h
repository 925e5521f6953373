#pragma once
// A horizontal slider over a parameter from 0 to 1 that marks given
// positions (the stops of a morph or of the jitterbug) with a tick above and
// below its groove, so that a stop can be seen and hit, and that gives a
// stop's own parameter when its handle is at the stop's position.

#include <vector>

#include <QSlider>
#include <QString>
#include <QStringList>

namespace velkora {

class StopSlider : public QSlider {
  Q_OBJECT

 public:
  explicit StopSlider(QWidget* parent = nullptr);

  // The parameters of the stops (each from 0 to 1), marked at their nearest
  // of the slider's steps; repaints.
  void setStops(std::vector<double> parameters);
  // The parameter at the handle: a stop's own where the handle is at that
  // stop's mark, else the value over the maximum.
  double parameter() const;
  // Moves the handle to the step nearest parameter (clamped to 0 to 1); when
  // it is there already, valueChanged is emitted all the same, so that
  // asking for a stop always shows it.
  void moveTo(double parameter);
  // The stop whose parameter is parameter (within 1e-9), or -1.
  int stopAt(double parameter) const;
  // Where the handle is, as the windows say it: "t = 0,250", followed by
  // ": " and the stop's name from names (one per stop) when it is at a stop.
  QString positionText(QChar letter, const QStringList& names) const;

  // The marked slider values, in the order of the stops.
  const std::vector<int>& marks() const { return marks_; }
  // The x coordinate of a value's mark in the widget.
  int markX(int value) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int stepOf(double parameter) const;
  void setMarks(std::vector<int> values);

  std::vector<int> marks_;
  std::vector<double> stops_;
};

}  // namespace velkora
