#pragma once
// PB1, the drawing surface. Its paint event only copies the finished picture
// (a Bitmap wrapped as a QImage, not copied); its mouse, wheel and resize
// events are passed on as signals; short labels (the folding net's cut
// numbers) can be set to be written over it. On a touch screen a finger held
// still asks as Ctrl+click does. It takes the focus by Tab only,
// never by a click, shows a frame while it has it from the keyboard, and passes the arrow keys
// on. No rule of the program lives here.

#include <vector>

#include <QPoint>
#include <QPointF>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "render/bitmap.h"

namespace velkora {

// A text centred on a point of the surface (logical pixels).
struct PictureLabel {
  QPointF at;
  QString text;
};

class PaintBox : public QWidget {
  Q_OBJECT

 public:
  // How far from the edge the focus frame reaches, in logical pixels.
  static constexpr int kFocusFrameReach = 3;

  explicit PaintBox(QWidget* parent = nullptr);
  // Whether the focus frame is drawn: the keyboard gave the picture the focus.
  bool focusFrameShown() const { return focusShown_ && hasFocus(); }

  // The picture to show; it must stay alive while set. nullptr shows white.
  void setPicture(const Bitmap* picture);
  // Device pixels per logical pixel of the picture (1 at 100 %). A picture
  // composed at a larger scale than the screen's is shown smoothly reduced.
  void setPictureScale(int scale);
  // Labels written over the picture until the next call; empty for none.
  void setLabels(std::vector<PictureLabel> labels);
  const std::vector<PictureLabel>& labels() const { return labels_; }

 signals:
  void pressed(Qt::MouseButton button, QPoint position);
  // A left press with Ctrl held: a question about the face or vertex there, no
  // drag. On a touch screen a finger held still for the platform's press-and-
  // hold time: its press has been released at its place first, and its later
  // moves and its lift are passed over.
  void pickPressed(QPoint position);
  // Esc without modifiers; the key still goes on to the window.
  void escapePressed();
  void moved(QPoint position);
  void released(Qt::MouseButton button, QPoint position);
  void resized();
  void wheeled(int angleDelta);  // vertical wheel turn in eighths of a degree
  // An arrow key (Qt::Key_Left, _Right, _Up, _Down) while it has the focus; fine with Shift.
  void arrowPressed(int key, bool fine);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  const Bitmap* picture_ = nullptr;
  int pictureScale_ = 1;
  bool focusShown_ = false;  // the focus came from the keyboard (F6, Tab or Shift+Tab)
  std::vector<PictureLabel> labels_;
  QTimer hold_;        // runs while a finger is down and has not moved away
  QPoint holdAt_;      // where that finger came down
  bool held_ = false;  // the hold has asked; the finger's moves and lift are its own
};

}  // namespace velkora
