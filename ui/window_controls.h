#pragma once
// The main window's controls and panels at their design places, with the
// names of the original window as objectNames: the list, the view buttons and
// their captions by family, the rotation button, the zoom buttons, the step
// boxes, the mark box and the drawing area PB1. Also their texts: captions,
// tooltips, accessible names and the picture's description. Owns no rule:
// the viewer core says what they show.

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QWidget>

#include <vector>

#include "base/family.h"
#include "folding/folding_net.h"
#include "render/design_size.h"
#include "render/frame.h"
#include "ui/live_texts.h"
#include "ui/paint_box.h"
#include "viewer/viewer.h"

namespace velkora {

inline constexpr int kControlColumnWidth = 240;
inline constexpr QRgb kFormColour = 0xF0F0F0;  // the panels' and the window's grey

struct WindowControls {
  // Builds the controls as children of window, their fixed texts following the language in texts.
  WindowControls(QWidget& window, LiveTexts& texts);

  // Places the panels in a window of size whose client area starts at top;
  // a hidden column leaves the whole width to the drawing area.
  void place(QSize size, int top, bool columnHidden);
  // The view the buttons ask for, and showing one without a signal.
  View checkedView() const;
  void showView(View view);
  // The view buttons' captions and tooltips for a family's solids.
  void setCaptions(Family family);
  // The view buttons on or off, with tooltips that say why; the tooltips are
  // set when the reason changes, not on every step of a morph or fold.
  void setViewsOff(ViewsOff why, Family family);
  // Accessible names and descriptions, buddies and wrapped tooltips.
  void applyAccessibleTexts();
  // The drawing area's description of what the picture shows.
  // pick, when not empty, follows as what was asked about the picture.
  void describePicture(const PictureFacts& facts, const QString& pick = {});
  static QString pictureDescription(const PictureFacts& facts);
  // The folding net's cut numbers over the picture (only the visible ones),
  // for a frame composed at scale device pixels per logical pixel.
  void showFoldLabels(const std::vector<FoldLabel>& labels, int scale);
  // The rotation button's caption: "Abbruch" while the rotation runs.
  void showRotation(bool on);
  // The pixel scale a picture is composed at: devicePixelRatio rounded up.
  int pixelScale() const;

  // Why the view buttons are off (No: on); Unknown makes the next
  // setViewsOff set their state and tooltips again.
  enum class Views { Unknown, No, Folding, Moment };
  Views viewsShown = Views::No;
  bool rotating = false;

  // Each panel is declared before its children, so that members are
  // destroyed children first. The control column scrolls when the window is
  // smaller than the design size (a small screen).
  QWidget Panel1;
  QWidget Panel2{&Panel1};
  QScrollArea columnScroller{&Panel2};
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
};

}  // namespace velkora
