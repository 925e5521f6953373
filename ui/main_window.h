#pragma once
// TFVelkora, the program's one window: a thin front end over the viewer
// core. It holds the controls (WindowControls), the menus (WindowMenus), the
// file commands, the tool windows, presentation mode and the settings, and
// its handlers (the original window's names) turn control events into the
// core's commands; one listener shows what the core says changed. Every
// handler catches errors at its boundary and hands them to the error reporter.

#include <memory>

#include <QList>
#include <QMenuBar>
#include <QString>
#include <QWidget>

#include "render/design_size.h"
#include "render/frame.h"
#include "ui/error_box.h"
#include "ui/interval_timer.h"
#include "ui/live_texts.h"
#include "ui/settings_store.h"
#include "ui/window_controls.h"
#include "viewer/viewer.h"

class QAction;

namespace velkora {

inline constexpr int kClientWidth = kDrawingWidth + kControlColumnWidth;
inline constexpr int kClientHeight = kDrawingHeight;
inline constexpr int kAnimationInterval = 10;  // milliseconds per tick

class FileCommands;
class PresentationMode;
class PropertiesWindow;
class ToolWindows;
class WindowMenus;
class WindowSettings;

class TFVelkora : public QWidget {
  Q_OBJECT

 public:
  // An empty reporter means the standard error box.
  explicit TFVelkora(ErrorReporter reporter = {}, QWidget* parent = nullptr);
  ~TFVelkora() override;
  TFVelkora(const TFVelkora&) = delete;
  TFVelkora& operator=(const TFVelkora&) = delete;

  void setErrorReporter(ErrorReporter reporter);

  // The core and the window's parts.
  Viewer& viewer() { return viewer_; }
  ViewerController& controller() { return viewer_.controller(); }
  ViewerState& state() { return viewer_.controller().state(); }
  const ViewerState& state() const { return viewer_.controller().state(); }
  const FrameBuffers& frameBuffers() const { return viewer_.frameBuffers(); }
  WindowControls& controls() { return controls_; }
  const WindowControls& controls() const { return controls_; }
  WindowMenus& menus() { return *menus_; }
  FileCommands& files() { return *files_; }
  ToolWindows& tools() { return *tools_; }
  PresentationMode& presentation() { return *presentation_; }
  const PresentationMode& presentation() const { return *presentation_; }
  WindowSettings& settings() { return *settings_; }
  const IntervalTimer& animationTimer() const { return Timer1; }
  // The client area below the menu bar that holds the drawing area and the controls.
  const QWidget& clientArea() const { return controls_.Panel1; }
  const QMenuBar& menuBar() const { return menuBar_; }
  QMenuBar& menuBarWidget() { return menuBar_; }
  // The window's commands that have a shortcut or a menu entry, in menu order.
  QList<QAction*> commands() const;

  // What the picture shows and how: the view the buttons ask for with the
  // mark flag, the one drawn, the pixel scale, the drawing area's size.
  ViewState viewState() const { return viewer_.controller().viewState(viewer_.view()); }
  ViewState shownViewState() const { return viewer_.shownViewState(); }
  int pixelScale() const { return controls_.pixelScale(); }
  QSize pictureSize() const { return controls_.PB1.size(); }
  int lineWidth() const { return viewer_.controller().lineWidth(); }
  bool inPresentation() const { return viewer_.inPresentation(); }
  bool columnHidden() const;
  // The selected list position (-1: none), its list text, and selecting another as a user's pick.
  int selectedPosition() const { return controls_.Listbox1.currentRow(); }
  QString selectedName() const;
  void selectPosition(int position) { controls_.Listbox1.setCurrentRow(position); }
  // The dialogs' remembered choices (null: the window remembers nothing).
  DialogChoices* rememberedChoices();
  // What the picture shows, in words: the drawing area's accessible description.
  QString pictureDescription() const {
    return WindowControls::pictureDescription(viewer_.pictureFacts());
  }

  // Loads both catalogues and sets the initial steps, markPoints and formReady.
  void FormCreate();
  // Fills the list from the name list, selects the start entry quietly, stops the timer.
  void FormShow();
  // Frees the catalogues and stops the timer.
  void FormDestroy();
  // List selection: a user's pick (stops the rotation, captions by family, loads).
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
  // Ctrl+click on PB1: asks about the vertex within reach there, else the face there.
  void PB1Pick(QPoint position);
  // The pick's sentence in the language in use; empty while nothing is picked.
  QString pickLine() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Connects the controls' signals to the handlers.
  void wireControls();
  // Shows what the core says changed: the timer and its button, the view
  // buttons, the frame, the description, the tool windows, the properties.
  void viewerChanged(unsigned changes);
  // Fits a window that the screen cannot hold, and places it on the screen.
  void placeWithinScreen();
  void setMoveCursor(bool on);
  // Runs body; any exception ends it and goes to the error reporter.
  void guarded(const std::function<void()>& body);

  Viewer viewer_;
  LiveTexts texts_;  // every text that follows the language
  ErrorReporter reportError_;
  bool shownBefore_ = false;
  bool moveCursorShown_ = false;
  QMenuBar menuBar_{this};
  WindowControls controls_{*this, texts_};
  std::unique_ptr<FileCommands> files_;
  std::unique_ptr<ToolWindows> tools_;
  std::unique_ptr<PresentationMode> presentation_;
  std::unique_ptr<WindowSettings> settings_;
  std::unique_ptr<WindowMenus> menus_;
  IntervalTimer Timer1{[this] { T1Tim(); }};
};

}  // namespace velkora
