#pragma once
// A horizontal slider that marks given positions (the stops of a morph) with
// a tick above and below its groove, so that a stop can be seen and hit.

#include <vector>

#include <QSlider>

namespace velkora {

class StopSlider : public QSlider {
  Q_OBJECT

 public:
  explicit StopSlider(QWidget* parent = nullptr);

  // Slider values to mark; repaints.
  void setMarks(std::vector<int> values);
  const std::vector<int>& marks() const { return marks_; }
  // The x coordinate of a value's mark in the widget.
  int markX(int value) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<int> marks_;
};

}  // namespace velkora
