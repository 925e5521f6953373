#pragma once
// TFVelkora, the program's one window: it builds and places its controls and
// its menu bar and wires every control and menu command to a thin handler.
// The handlers translate control values into calls of the ViewerController
// (state and rules, no widgets) and of the export, print and properties
// command objects; every handler catches errors at its boundary and hands
// them to the error reporter.

#include <functional>
#include <memory>
#include <optional>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QWidget>

#include "animation/animation_frames.h"
#include "render/design_size.h"
#include "render/frame.h"
#include "translations/language.h"
#include "ui/error_box.h"
#include "ui/interval_timer.h"
#include "ui/live_texts.h"
#include "ui/paint_box.h"
#include "ui/settings_store.h"
#include "ui/viewer_controller.h"
#include "ui/viewer_state.h"

namespace velkora {

inline constexpr int kControlColumnWidth = 240;
inline constexpr int kClientWidth = kDrawingWidth + kControlColumnWidth;
inline constexpr int kClientHeight = kDrawingHeight;
inline constexpr int kAnimationInterval = 10;  // milliseconds per tick

class ExportCommands;
class PrintCommand;
class WorksheetCommands;
class PropertiesCommand;
class PropertiesWindow;
class MorphWindow;
class KaleidoscopeWindow;
class FoldWindow;
class HelpWindow;

// What presentation mode changed in the window, to be restored when it ends
// (the zoom is the controller's).
struct PresentationMemory {
  Qt::WindowStates windowState;
  bool columnHidden = false;
};

class TFVelkora : public QWidget {
  Q_OBJECT

 public:
  // An empty reporter means the standard error box.
  explicit TFVelkora(ErrorReporter reporter = {}, QWidget* parent = nullptr);
  ~TFVelkora() override;
  TFVelkora(const TFVelkora&) = delete;
  TFVelkora& operator=(const TFVelkora&) = delete;

  void setErrorReporter(ErrorReporter reporter);

  ViewerController& controller() { return controller_; }
  ViewerState& state() { return controller_.state(); }
  const ViewerState& state() const { return controller_.state(); }
  const FrameBuffers& frameBuffers() const { return controller_.frameBuffers(); }
  const IntervalTimer& animationTimer() const { return Timer1; }
  // The client area below the menu bar that holds the drawing area and the controls.
  const QWidget& clientArea() const { return Panel1; }
  const QMenuBar& menuBar() const { return menuBar_; }
  // The window's commands that have a shortcut or a menu entry, in menu order.
  QList<QAction*> commands() const;
  // The view the radio buttons ask for, with the mark flag.
  ViewState viewState() const;
  // The pixel scale the picture is composed at: devicePixelRatio rounded up.
  int pixelScale() const;
  // The selected list position (-1: none), its list text, and selecting another as a user's pick.
  int selectedPosition() const;
  QString selectedName() const;
  void selectPosition(int position);
  // The drawing area's size in logical pixels.
  QSize pictureSize() const;

  // Opens with this list entry (-1: the usual one) and view instead of the
  // default ones (command line); must be called before the window is first shown.
  void setStartSolid(int position, View view);
  // Speaks the language of code (an available one) from now on; remember
  // keeps it for the next start (the menu's choice), otherwise it holds for
  // this run (the command line's).
  void setLanguage(const QString& code, bool remember);
  // The available language remembered from the last run, or German.
  QString rememberedLanguage() const;
  int startPosition() const { return startPosition_; }
  View startView() const { return startView_; }

  // Remembers the user through store (null: not at all; it must outlive the
  // window): takes the stored solid, view, marks, steps and window place as
  // the start (before the first showing; setStartSolid after it overrides),
  // keeps the dialogs' choices and saves everything when the window closes.
  void useSettings(SettingsStore* store);
  // The dialogs' choices to start from and to update, or null when the window
  // remembers nothing (then every dialog opens with its own defaults).
  DialogChoices* rememberedChoices() { return choices_ ? &*choices_ : nullptr; }
  // What would be saved now.
  Settings currentSettings() const;

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

  // View commands (menu Ansicht, wheel and keys).
  void zoomSteps(int steps);                  // + enlarges, - shrinks, one button step each
  void wheelOverPicture(int angleDelta);      // accumulates to whole notches
  void turnBy(double a, double b, double c);  // drehen by the given degrees, then draws
  void resetPose();                           // start pose and size; the animation runs on
  void stepSolid(int direction);              // +1 next list entry, -1 previous
  void setPresentation(bool on);
  bool inPresentation() const { return controller_.inPresentation(); }
  void setColumnHidden(bool hidden);
  bool columnHidden() const { return columnHidden_; }
  void setPropertiesShown(bool shown);
  PropertiesWindow* propertiesWindow() const;
  // The morph into the dual: its window shown or hidden (hiding ends the
  // morph), a new t from that window, and the view the picture really shows
  // (the polyhedron while morphing).
  void setMorphShown(bool shown);
  void setMorphParameter(double t);
  MorphWindow* morphWindow() const { return morph_.get(); }
  // The kaleidoscope: its window shown (preset to the picked solid's
  // symmetry family) or hidden (back to the picked solid), and the choices
  // made in it.
  void setKaleidoscopeShown(bool shown);
  void setKaleidoscopeFamily(WythoffFamily family);
  void setKaleidoscopeWeights(WythoffWeights weights);
  KaleidoscopeWindow* kaleidoscopeWindow() const { return kaleidoscope_.get(); }
  // The folding net: its window shown (the picture shows the net of the
  // solid on show, flat) or hidden (back to the solid), and a new stage.
  void setFoldShown(bool shown);
  void setFoldStage(double f);
  FoldWindow* foldWindow() const { return fold_.get(); }
  ViewState shownViewState() const;

  // File commands. The ...To variants do the work without any dialog.
  void savePicture();
  void savePictureTo(const QString& path, int scale);
  void copyPicture();
  void saveAnimation();
  // Returns whether the file was written (false: cancelled or failed).
  bool saveAnimationTo(const QString& path, AnimationKind kind, int frames);
  void exportSolid();
  void exportSolidTo(const QString& path, bool currentPose, double diameterMm);
  void printNet();
  void saveNet();
  void printSheet();
  void saveSheet();
  void saveSheetTo(const QString& path, bool blanks);
  void saveBooklet();
  void saveBookletTo(const QString& path, bool blanks);
  void showHelp();
  void showAbout();

  // The picture's lines and marks 1, 2 or 3 times as wide (menu Ansicht,
  // "Linienstärke"); exported pictures keep their own width except the
  // picture saved or copied as the window shows it.
  void setLineWidth(int width);
  int lineWidth() const { return controller_.lineWidth(); }
  // Reduced motion: the morph and fold windows' "Abspielen" steps instead of playing.
  void setReducedMotion(bool on);
  bool reducedMotion() const { return reducedMotion_; }
  // Accessible names and descriptions of the window, its controls and
  // commands, and the tooltips that need them; called again when the
  // language changes.
  void applyAccessibleTexts();
  // What the picture shows, in words: the drawing area's accessible description.
  QString pictureDescription() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildControls();
  // Makes the commands and the menus that show them.
  void buildCommands();
  void setToolTips();
  void wireControls();
  void placePanels();
  void placeWithinScreen();
  void setMoveCursor(bool on);
  void setViewCaptions(int position);
  void fitForPresentation();
  // A pick while the morph window is open starts the new solid's path.
  void morphFollowsPick();
  // The view buttons are off while the morph is beyond t = 0.
  void updateViewButtons();
  // Composes the current model into the frame buffers at the pixel scale.
  void composeCurrentFrame();
  // zeichnen, or for a play tick of the morph or fold window: the picture's
  // description stays (it is described again when the play stops), and
  // while the rotation runs its own tick draws the frame.
  void drawFrame(bool playTick);
  // After a change of what the picture shows: the view buttons, the frame
  // (drawFrame) and an open properties window follow it.
  void showChange(bool playTick);
  // The folding net's cut numbers over the picture, or none.
  void showFoldLabels();
  // Closes the fold window when the net could not follow the solid on show.
  void checkFold();
  // The "Linienstärke" submenu and "Bewegung reduzieren", at the end of view.
  void buildAccessCommands(QMenu* view);
  // Sets the drawing area's description to what the picture shows now.
  void describePicture();
  // An arrow key on the focused drawing area: the command of Alt and that key.
  void PB1Arrow(int key, bool fine);
  // A command with its shortcut, kept by the window and shown in menu (if any).
  // text is the German source, marked with QT_TR_NOOP; the action shows it
  // in the language in use.
  QAction* addCommand(QMenu* menu, const char* text, const QKeySequence& key,
                      const std::function<void()>& body);
  // Runs body; any exception ends it and goes to the error reporter.
  void guarded(const std::function<void()>& body);

  ViewerController controller_;
  LiveTexts texts_;  // every text that follows the language
  // Marks a command whose description is its own, not the one made from its
  // menu and key.
  static constexpr const char* kOwnDescription = "velkoraOwnDescription";
  QList<QAction*> languageActions_;  // Deutsch, English
  ErrorReporter reportError_;
  bool shownBefore_ = false;
  bool moveCursorShown_ = false;
  bool columnHidden_ = false;
  int startPosition_ = -1;
  View startView_ = View::Polyhedron;
  std::optional<PresentationMemory> presentation_;
  SettingsStore* settings_ = nullptr;
  std::optional<DialogChoices> choices_;
  std::optional<QString> language_;
  std::optional<QRect> startGeometry_;  // a remembered place, checked against the screens
  std::unique_ptr<ExportCommands> exports_;
  std::unique_ptr<PrintCommand> print_;
  std::unique_ptr<WorksheetCommands> sheets_;
  std::unique_ptr<PropertiesCommand> properties_;
  std::unique_ptr<MorphWindow> morph_;
  std::unique_ptr<KaleidoscopeWindow> kaleidoscope_;
  std::unique_ptr<FoldWindow> fold_;
  std::unique_ptr<HelpWindow> help_;

  QMenuBar menuBar_{this};
  QList<QAction*> commands_;
  QAction* propertiesAction_ = nullptr;
  QAction* morphAction_ = nullptr;
  QAction* kaleidoscopeAction_ = nullptr;
  QAction* foldAction_ = nullptr;
  QAction* presentationAction_ = nullptr;
  QAction* columnAction_ = nullptr;
  QAction* leavePresentationAction_ = nullptr;
  QList<QAction*> lineWidthActions_;  // 1, 2 and 3 px
  QAction* reducedMotionAction_ = nullptr;
  bool reducedMotion_ = false;
  // Why the view buttons are off (No: they are on); Unknown makes the next
  // updateViewButtons set their state and tooltips again.
  enum class ViewsOff { Unknown, No, Folding, Moment };
  ViewsOff viewsOff_ = ViewsOff::No;

  // Controls: each panel is declared before its children, so that members
  // are destroyed children first. The control column scrolls when the window
  // is smaller than the design size (a small screen).
  QWidget Panel1{this};
  QWidget Panel2{&Panel1};
  QScrollArea columnScroller_{&Panel2};
  QWidget Panel4;
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
