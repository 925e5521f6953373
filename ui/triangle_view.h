#pragma once
// The kaleidoscope's triangle drawn large: its corners A, B, C, the stops as
// labelled dots, and the generator point that the user drags or moves with the
// arrow keys. The point snaps to a stop within a few pixels unless Shift is
// held. Positions are barycentric weights of the corners. Stop labels keep
// clear of each other, the corner letters, the dots and the widget's border.

#include <array>
#include <functional>
#include <vector>

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>

#include "kaleidoscope/wythoff.h"

namespace velkora {

class TriangleView : public QWidget {
  Q_OBJECT

 public:
  static constexpr double kSnapPixels = 8.0;
  static constexpr double kKeyStep = 0.02;  // weight moved by one arrow key press

  struct Mark {
    WythoffWeights weights;
    QString label;
  };

  explicit TriangleView(std::function<void(WythoffWeights)> moved, QWidget* parent = nullptr);

  void setMarks(std::vector<Mark> marks);
  const std::vector<Mark>& marks() const { return marks_; }
  // Puts the point at weights (as given) and reports it.
  void setWeights(WythoffWeights weights);
  WythoffWeights weights() const { return weights_; }
  // Puts the point at weights without reporting it.
  void placeQuietly(WythoffWeights weights);

  // Where weights are drawn, and the weights of a place (outside the
  // triangle: its nearest point in it). With snap, a place within
  // kSnapPixels of a mark is that mark.
  QPointF pointOf(WythoffWeights weights) const;
  WythoffWeights weightsAt(QPointF place, bool snap) const;

  // A stop label as drawn: its text in font, within box (widget pixels).
  struct PlacedLabel {
    QString text;
    QFont font;
    QRectF box;
  };
  // Where the labels of marks() go at the widget's present size and font, in
  // the order of marks(): beside its dot, clear of the other labels, the
  // corner letters, the dots and the border; set smaller where no place at
  // full size is free. Only where nothing fits at the smallest size does a
  // label overlap something (it still stays inside the widget).
  std::vector<PlacedLabel> placedLabels() const;
  // The boxes of the corner letters A, B, C.
  std::array<QRectF, 3> letterBoxes() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  QSize sizeHint() const override { return {360, 320}; }

 private:
  void showToolTip();
  std::array<QPointF, 3> corners() const;

  std::function<void(WythoffWeights)> moved_;
  std::vector<Mark> marks_;
  WythoffWeights weights_;
};

}  // namespace velkora
