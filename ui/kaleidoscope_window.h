#pragma once
// The "Kaleidoskop" window: the family choice, the triangle with its stops
// and the draggable point, the name of the solid at a stop, a button per stop
// that picks that solid in the main list, and a tour that moves the point
// along the sides and through the inside past every stop. It passes the
// choices on; the main window draws.

#include <functional>
#include <vector>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "kaleidoscope/kaleidoscope_solid.h"
#include "ui/live_texts.h"
#include "ui/triangle_view.h"

namespace velkora {

class KaleidoscopeWindow : public QWidget {
  Q_OBJECT

 public:
  struct Actions {
    std::function<void(WythoffFamily)> chooseFamily;
    std::function<void(WythoffWeights)> moveTo;
    std::function<void(int)> pickPosition;
  };

  explicit KaleidoscopeWindow(Actions actions, QWidget* parent = nullptr);

  // Shows family's triangle and stops; the point goes to corner A quietly.
  void showFamily(WythoffFamily family, const std::vector<KaleidoscopeStop>& stops);
  TriangleView& triangle() { return triangle_; }

  bool touring() const { return timer_.isActive(); }
  void setTouring(bool on);
  // One tour step: the point moves 1/100 of the way between two stops.
  void tourTick();
  // The window's accessible names and descriptions; again after a change of language.
  void applyAccessibleTexts();

 signals:
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The stops' names on the triangle and the buttons, in the language in use.
  void nameStops();
  void showStopName(WythoffWeights weights);

  Actions actions_;
  std::vector<KaleidoscopeStop> stops_;
  std::vector<WythoffWeights> tour_;  // the stops in the tour's order, back to the start
  std::size_t leg_ = 0;
  int stepInLeg_ = 0;
  QComboBox family_;
  TriangleView triangle_;
  QLabel stopName_;
  QWidget stopButtons_;
  QPushButton tourButton_;
  QTimer timer_;
  LiveTexts texts_;
};

}  // namespace velkora
