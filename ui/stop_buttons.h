#pragma once
// The stop buttons of a tool window (the morph's and the kaleidoscope's): a
// grid of push buttons two to a row, one per stop, made anew for every path
// or family. The buttons' texts are the window's; this owns only the grid.

#include <functional>

#include <QPushButton>
#include <QString>
#include <QWidget>

namespace velkora {

class StopButtons : public QWidget {
  Q_OBJECT

 public:
  explicit StopButtons(QWidget* parent = nullptr);

  // count buttons named prefix0, prefix1, ...; pressing button k calls pressed(k).
  void setButtons(int count, const QString& prefix, const std::function<void(int)>& pressed);
  int count() const { return count_; }
  // Button k (0 <= k < count()).
  QPushButton& button(int k) const;

 private:
  int count_ = 0;
  QString prefix_;
};

}  // namespace velkora
