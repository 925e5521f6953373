#include "ui/main_window.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QByteArray>
#include <QCloseEvent>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>

#include "ui/app_icon.h"
#include "ui/export_commands.h"
#include "ui/fold_window.h"
#include "ui/glyphs.h"
#include "ui/help_window.h"
#include "ui/kaleidoscope_window.h"
#include "ui/morph_window.h"
#include "ui/print_command.h"
#include "ui/properties_command.h"
#include "ui/properties_window.h"
#include "ui/window_placement.h"
#include "ui/worksheet_commands.h"

namespace velkora {

namespace {

constexpr QRgb kFormColour = 0xF0F0F0;

void fillWith(QWidget& widget, QPalette::ColorRole role, QColor colour) {
  QPalette palette = widget.palette();
  palette.setColor(role, colour);
  widget.setPalette(palette);
}

void fillPanel(QWidget& panel, QColor colour) {
  fillWith(panel, QPalette::Window, colour);
  panel.setAutoFillBackground(true);
}

void setUpSpinEdit(QSpinBox& spin, const char* name, int top, int value) {
  spin.setObjectName(QString::fromLatin1(name));
  spin.setGeometry(136, top, 57, 23);
  spin.setRange(-15, 15);
  spin.setSingleStep(1);
  spin.setValue(value);
}

void setUpLabel(QLabel& label, const char* name, int top) {
  label.setObjectName(QString::fromLatin1(name));
  label.setGeometry(38, top, 82, 14);
}

void setUpZoomButton(QToolButton& button, const char* name, int left, const QImage& glyph) {
  button.setObjectName(QString::fromLatin1(name));
  button.setGeometry(left, 498, 23, 24);
  button.setAutoRaise(true);
  button.setIcon(QIcon(QPixmap::fromImage(glyph)));
  button.setIconSize(glyph.size());
  button.setFocusPolicy(Qt::NoFocus);
}

}  // namespace

TFVelkora::TFVelkora(ErrorReporter reporter, QWidget* parent) : QWidget(parent) {
  setErrorReporter(std::move(reporter));
  setObjectName(QStringLiteral("FVelkora"));
  setWindowTitle(QStringLiteral("Korvelindra"));
  setWindowIcon(QIcon(QPixmap::fromImage(appIconImage())));
  QFont font(QStringLiteral("Verdana"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(12);
  setFont(font);
  fillWith(*this, QPalette::Window, QColor(kFormColour));
  menuBar_.setObjectName(QStringLiteral("MenuBar"));

  exports_ = std::make_unique<ExportCommands>(*this);
  print_ = std::make_unique<PrintCommand>(*this, reportError_);
  sheets_ = std::make_unique<WorksheetCommands>(*this, reportError_);
  buildControls();
  buildCommands();
  properties_ = std::make_unique<PropertiesCommand>(*this, *propertiesAction_, reportError_);
  setToolTips();
  texts_.add([this] { applyAccessibleTexts(); });
  // The client area keeps its design size below the menu bar; the design
  // size is the smallest size (a fixed size could not be maximised).
  const int bar = menuBar_.sizeHint().height();
  setMinimumSize(kClientWidth, kClientHeight + bar);
  resize(kClientWidth, kClientHeight + bar);
  placePanels();
  PB1.setPicture(&controller_.frameBuffers().frame);
  wireControls();
  FormCreate();
}

TFVelkora::~TFVelkora() {
  // No handler may run while the members are torn down.
  for (QObject* child : findChildren<QObject*>()) {
    QObject::disconnect(child, nullptr, this, nullptr);
  }
  setMoveCursor(false);
  FormDestroy();
}

void TFVelkora::setErrorReporter(ErrorReporter reporter) {
  if (reporter) {
    reportError_ = std::move(reporter);
  } else {
    reportError_ = [this](const QString& text) { showErrorBox(this, text); };
  }
}

void TFVelkora::buildControls() {
  Panel1.setObjectName(QStringLiteral("Panel1"));
  Panel2.setObjectName(QStringLiteral("Panel2"));
  Panel3.setObjectName(QStringLiteral("Panel3"));
  Panel4.setObjectName(QStringLiteral("Panel4"));
  Panel5.setObjectName(QStringLiteral("Panel5"));
  PB1.setObjectName(QStringLiteral("PB1"));
  fillPanel(Panel2, QColor(kFormColour));
  fillPanel(Panel4, QColor(kFormColour));
  columnScroller_.setObjectName(QStringLiteral("ColumnScroller"));
  columnScroller_.setFrameShape(QFrame::NoFrame);
  columnScroller_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  columnScroller_.setFocusPolicy(Qt::NoFocus);
  columnScroller_.setWidget(&Panel4);
  fillPanel(*columnScroller_.viewport(), QColor(kFormColour));
  fillPanel(Panel3, Qt::white);
  fillPanel(Panel5, Qt::white);

  Listbox1.setObjectName(QStringLiteral("Listbox1"));
  Listbox1.setGeometry(16, 16, 209, 438);
  Listbox1.setSelectionMode(QAbstractItemView::SingleSelection);
  Listbox1.setUniformItemSizes(true);
  Listbox1.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  fillWith(Listbox1, QPalette::Base, Qt::white);

  RadioB1.setObjectName(QStringLiteral("RadioB1"));
  RadioB1.setGeometry(24, 472, 113, 17);
  RadioB1.setChecked(true);
  RadioB2.setObjectName(QStringLiteral("RadioB2"));
  RadioB2.setGeometry(24, 488, 113, 17);
  RadioB3.setObjectName(QStringLiteral("RadioB3"));
  RadioB3.setGeometry(24, 504, 113, 17);

  Button1.setObjectName(QStringLiteral("Button1"));
  Button1.setGeometry(136, 466, 89, 25);

  setUpZoomButton(Speed2, "Speed2", 147, enlargeGlyph());
  setUpZoomButton(Speed3, "Speed3", 177, shrinkGlyph());

  setUpLabel(Label1, "Label1", 536);
  setUpSpinEdit(SpinEdit1, "SpinEdit1", 532, 1);
  setUpLabel(Label2, "Label2", 568);
  setUpSpinEdit(SpinEdit2, "SpinEdit2", 564, 0);
  setUpLabel(Label3, "Label3", 600);
  setUpSpinEdit(SpinEdit3, "SpinEdit3", 596, 2);

  CPunkte.setObjectName(QStringLiteral("CPunkte"));
  CPunkte.setGeometry(40, 626, 146, 17);
  texts_.add([this] {
    RadioB1.setText(tr("Polyeder"));
    Button1.setText(Timer1.interval() == 0 ? tr("Rotation") : tr("Abbruch"));
    Label1.setText(tr("x-Drehwinkel"));
    Label2.setText(tr("y-Drehwinkel"));
    Label3.setText(tr("z-Drehwinkel"));
    CPunkte.setText(tr("Punkte markieren"));
  });

  QWidget::setTabOrder(&RadioB1, &RadioB2);
  QWidget::setTabOrder(&RadioB2, &RadioB3);
  QWidget::setTabOrder(&RadioB3, &CPunkte);
  QWidget::setTabOrder(&CPunkte, &Listbox1);
  QWidget::setTabOrder(&Listbox1, &Button1);
  QWidget::setTabOrder(&Button1, &SpinEdit1);
  QWidget::setTabOrder(&SpinEdit1, &SpinEdit2);
  QWidget::setTabOrder(&SpinEdit2, &SpinEdit3);
  // The drawing area is not a tab stop, so that Tab keeps the controls' own
  // round; F6 gives it the keyboard. The zoom buttons take no focus: Ctrl++
  // and Ctrl+- do what they do from every control.
}

void TFVelkora::wireControls() {
  connect(&Listbox1, &QListWidget::currentRowChanged, this, [this] { LB1C(); });
  // One entry is always chosen: Ctrl+click or Ctrl+Space on the chosen entry
  // would otherwise unselect it while its solid stays on show.
  connect(&Listbox1, &QListWidget::itemSelectionChanged, this, [this] {
    if (Listbox1.currentItem() != nullptr && Listbox1.selectedItems().isEmpty()) {
      Listbox1.currentItem()->setSelected(true);
    }
  });
  for (QRadioButton* radio : {&RadioB1, &RadioB2, &RadioB3}) {
    // Only the button that becomes checked redraws; the one unchecked stays quiet.
    connect(radio, &QRadioButton::toggled, this, [this](bool checked) {
      if (checked) zeichnen();
    });
  }
  connect(&CPunkte, &QCheckBox::toggled, this, [this] { CB1C(); });
  connect(&Button1, &QPushButton::clicked, this, [this] { B2C(); });
  for (QToolButton* zoom : {&Speed2, &Speed3}) {
    connect(zoom, &QToolButton::clicked, this, [this, zoom] { S8C(zoom); });
  }
  for (QSpinBox* spin : {&SpinEdit1, &SpinEdit2, &SpinEdit3}) {
    connect(spin, &QSpinBox::valueChanged, this, [this, spin] { t6C(spin); });
  }
  connect(&PB1, &PaintBox::pressed, this, &TFVelkora::PB1MD);
  connect(&PB1, &PaintBox::moved, this, &TFVelkora::PB1MM);
  connect(&PB1, &PaintBox::released, this, &TFVelkora::PB1MU);
  // A new surface size needs a new frame, centred on the new middle; in
  // presentation mode the picture is fitted to the new size first.
  connect(&PB1, &PaintBox::resized, this, [this] {
    if (inPresentation()) {
      guarded([this] { fitForPresentation(); });
    } else {
      zeichnen();
    }
  });
  connect(&PB1, &PaintBox::wheeled, this, &TFVelkora::wheelOverPicture);
  connect(&PB1, &PaintBox::arrowPressed, this, &TFVelkora::PB1Arrow);
}

void TFVelkora::placePanels() {
  // Presentation mode hides the menu bar; its shortcuts stay with the window.
  const int top = inPresentation() ? 0 : menuBar_.sizeHint().height();
  menuBar_.setGeometry(0, 0, width(), top);
  menuBar_.setVisible(top > 0);
  const int w = width();
  const int h = std::max(0, height() - top);
  const int column = columnHidden_ ? 0 : kControlColumnWidth;
  const int drawingWidth = std::max(0, w - column);
  Panel1.setGeometry(0, top, w, h);
  Panel2.setGeometry(drawingWidth, 0, column, h);
  Panel2.setVisible(!columnHidden_);
  columnScroller_.setGeometry(0, 0, kControlColumnWidth, h);
  // The column is as tall as the window, and never shorter than its controls:
  // below that the scroller shows a scroll bar over its empty right margin.
  Panel4.resize(kControlColumnWidth, std::max(h, kClientHeight));
  Panel3.setGeometry(0, 0, drawingWidth, h);
  Panel5.setGeometry(0, 0, drawingWidth, h);
  PB1.setGeometry(0, 0, drawingWidth, h);
}

void TFVelkora::placeWithinScreen() {
  const QScreen* screen = this->screen();
  if (screen == nullptr) return;
  // The window manager's frame, once known; before that a title bar's height.
  QSize frame = frameGeometry().size() - size();
  if (frame.height() <= 0) frame = QSize(0, 32);
  const Placement placement = placeWindow(size(), frame, screen->availableGeometry());
  if (placement.shrunk) {
    // A small screen: the window fits it and the control column scrolls.
    setMinimumSize(minimumSize().boundedTo(placement.clientSize));
    resize(placement.clientSize);
  }
  move(placement.framePosition);
}

void TFVelkora::setMoveCursor(bool on) {
  if (on == moveCursorShown_) return;
  if (on) {
    QApplication::setOverrideCursor(Qt::SizeAllCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
  moveCursorShown_ = on;
}

ViewState TFVelkora::viewState() const {
  const View view = RadioB3.isChecked()   ? View::OuterSphere
                    : RadioB2.isChecked() ? View::InnerSphere
                                          : View::Polyhedron;
  return controller_.viewState(view);
}

int TFVelkora::selectedPosition() const { return Listbox1.currentRow(); }

QString TFVelkora::selectedName() const {
  return Listbox1.currentItem() ? Listbox1.currentItem()->text() : QString();
}

void TFVelkora::selectPosition(int position) { Listbox1.setCurrentRow(position); }

QSize TFVelkora::pictureSize() const { return PB1.size(); }

PropertiesWindow* TFVelkora::propertiesWindow() const { return properties_->window(); }

void TFVelkora::guarded(const std::function<void()>& body) { runGuarded(reportError_, body); }

void TFVelkora::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shownBefore_) return;
  shownBefore_ = true;
  if (startGeometry_) {
    if (!isMaximized()) setGeometry(*startGeometry_);
  } else {
    placeWithinScreen();
  }
  FormShow();
  // The model is loaded on the first showing; later paints only show it.
  B1C();
}

void TFVelkora::closeEvent(QCloseEvent* event) {
  Timer1.setInterval(0);
  setMoveCursor(false);
  if (settings_ != nullptr) settings_->save(currentSettings());
  event->accept();
}

void TFVelkora::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placePanels();
}

}  // namespace velkora
