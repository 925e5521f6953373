#pragma once
// TFVelkora, the program's one window: it builds and places its controls,
// keeps the ViewerState and the frame buffers, and wires every control to a
// thin handler that calls the model, motion and render functions. Every
// handler catches errors at its boundary and hands them to the error reporter.

#include <functional>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QWidget>

#include "render/design_size.h"
#include "render/frame.h"
#include "ui/error_box.h"
#include "ui/interval_timer.h"
#include "ui/paint_box.h"
#include "ui/viewer_state.h"

namespace velkora {

inline constexpr int kControlColumnWidth = 240;
inline constexpr int kClientWidth = kDrawingWidth + kControlColumnWidth;
inline constexpr int kClientHeight = kDrawingHeight;
inline constexpr int kAnimationInterval = 10;   // milliseconds per tick

class TFVelkora : public QWidget {
  Q_OBJECT

 public:
  // An empty reporter means the standard error box.
  explicit TFVelkora(ErrorReporter reporter = {}, QWidget* parent = nullptr);
  ~TFVelkora() override;
  TFVelkora(const TFVelkora&) = delete;
  TFVelkora& operator=(const TFVelkora&) = delete;

  void setErrorReporter(ErrorReporter reporter);

  ViewerState& state() { return state_; }
  const ViewerState& state() const { return state_; }
  const FrameBuffers& frameBuffers() const { return buffers_; }
  const IntervalTimer& animationTimer() const { return Timer1; }

  // Loads both catalogues and sets the initial steps, markPoints and formReady.
  void FormCreate();
  // Fills the list from the name list, selects entry 3 quietly, stops the timer.
  void FormShow();
  // Frees the catalogues and stops the timer.
  void FormDestroy();
  // List selection: stops the animation, sets the captions by position, loads.
  void LB1C();
  // Loads the selected list entry into the model and draws it.
  void B1C();
  // Composes a frame of the current model at PB1's size and shows it.
  void zeichnen();
  // Check box: takes its state into markPoints and redraws.
  void CB1C();
  // Rotation button: starts (10 ms) or stops the animation; draws nothing.
  void B2C();
  // Animation tick: one rotation step, then a frame.
  void T1Tim();
  // Spin edit changed: sets the step of the sender's axis; turns once and draws.
  void t6C(const QObject* sender);
  // Zoom button: enlarges (Speed2) or shrinks (Speed3) the picture and draws.
  void S8C(const QObject* sender);
  // Mouse press on PB1: a left press starts a drag and shows the move cursor.
  void PB1MD(Qt::MouseButton button, QPoint position);
  // Mouse move on PB1: during a drag turns the model by one degree per pixel.
  void PB1MM(QPoint position);
  // Mouse release on PB1: ends any drag and restores the cursor.
  void PB1MU(Qt::MouseButton button, QPoint position);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildControls();
  void wireControls();
  void placePanels();
  void centreOnScreen();
  void setMoveCursor(bool on);
  ViewState viewState() const;
  // Runs body; any exception ends it and goes to the error reporter.
  void guarded(const std::function<void()>& body);

  ViewerState state_;
  FrameBuffers buffers_;
  ErrorReporter reportError_;
  bool shownBefore_ = false;
  bool moveCursorShown_ = false;

  // Controls: each panel is declared before its children, so that members
  // are destroyed children first.
  QWidget Panel1{this};
  QWidget Panel2{&Panel1};
  QWidget Panel4{&Panel2};
  QWidget Panel3{&Panel1};
  QWidget Panel5{&Panel3};
  PaintBox PB1{&Panel5};
  QListWidget Listbox1{&Panel4};
  QRadioButton RadioB1{&Panel4};
  QRadioButton RadioB2{&Panel4};
  QRadioButton RadioB3{&Panel4};
  QPushButton Button1{&Panel4};
  QToolButton Speed2{&Panel4};
  QToolButton Speed3{&Panel4};
  QLabel Label1{&Panel4};
  QSpinBox SpinEdit1{&Panel4};
  QLabel Label2{&Panel4};
  QSpinBox SpinEdit2{&Panel4};
  QLabel Label3{&Panel4};
  QSpinBox SpinEdit3{&Panel4};
  QCheckBox CPunkte{&Panel4};
  IntervalTimer Timer1{[this] { T1Tim(); }};
};

}  // namespace velkora
