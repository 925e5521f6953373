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

#include "ui/app_icon.h"
#include "ui/glyphs.h"

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

void setUpLabel(QLabel& label, const char* name, int top, const char* caption) {
  label.setObjectName(QString::fromLatin1(name));
  label.setGeometry(38, top, 82, 14);
  label.setText(QString::fromLatin1(caption));
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
  // The design size is the smallest size; a fixed size could not be maximised.
  setMinimumSize(kClientWidth, kClientHeight);
  resize(kClientWidth, kClientHeight);

  buildControls();
  placePanels();
  PB1.setPicture(&buffers_.frame);
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
  RadioB1.setText(QStringLiteral("Polyeder"));
  RadioB1.setChecked(true);
  RadioB2.setObjectName(QStringLiteral("RadioB2"));
  RadioB2.setGeometry(24, 488, 113, 17);
  RadioB2.setText(QStringLiteral("Velkora"));
  RadioB3.setObjectName(QStringLiteral("RadioB3"));
  RadioB3.setGeometry(24, 504, 113, 17);
  RadioB3.setText(QStringLiteral("Umkugel"));

  Button1.setObjectName(QStringLiteral("Button1"));
  Button1.setGeometry(136, 466, 89, 25);
  Button1.setText(QStringLiteral("Rotation"));

  setUpZoomButton(Speed2, "Speed2", 147, enlargeGlyph());
  setUpZoomButton(Speed3, "Speed3", 177, shrinkGlyph());

  setUpLabel(Label1, "Label1", 536, "x-Drehwinkel");
  setUpSpinEdit(SpinEdit1, "SpinEdit1", 532, 1);
  setUpLabel(Label2, "Label2", 568, "y-Drehwinkel");
  setUpSpinEdit(SpinEdit2, "SpinEdit2", 564, 0);
  setUpLabel(Label3, "Label3", 600, "z-Drehwinkel");
  setUpSpinEdit(SpinEdit3, "SpinEdit3", 596, 2);

  CPunkte.setObjectName(QStringLiteral("CPunkte"));
  CPunkte.setGeometry(40, 626, 146, 17);
  CPunkte.setText(QStringLiteral("Punkte markieren"));

  QWidget::setTabOrder(&RadioB1, &RadioB2);
  QWidget::setTabOrder(&RadioB2, &RadioB3);
  QWidget::setTabOrder(&RadioB3, &CPunkte);
  QWidget::setTabOrder(&CPunkte, &Listbox1);
  QWidget::setTabOrder(&Listbox1, &Button1);
  QWidget::setTabOrder(&Button1, &SpinEdit1);
  QWidget::setTabOrder(&SpinEdit1, &SpinEdit2);
  QWidget::setTabOrder(&SpinEdit2, &SpinEdit3);
}

void TFVelkora::wireControls() {
  connect(&Listbox1, &QListWidget::currentRowChanged, this, [this] { LB1C(); });
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
  // A new surface size needs a new frame, centred on the new middle.
  connect(&PB1, &PaintBox::resized, this, [this] { zeichnen(); });
}

void TFVelkora::placePanels() {
  const int w = width();
  const int h = height();
  const int drawingWidth = std::max(0, w - kControlColumnWidth);
  Panel1.setGeometry(0, 0, w, h);
  Panel2.setGeometry(drawingWidth, 0, kControlColumnWidth, h);
  Panel4.setGeometry(0, 0, kControlColumnWidth, h);
  Panel3.setGeometry(0, 0, drawingWidth, h);
  Panel5.setGeometry(0, 0, drawingWidth, h);
  PB1.setGeometry(0, 0, drawingWidth, h);
}

void TFVelkora::centreOnScreen() {
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }
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
  return ViewState{view, state_.markPoints};
}

void TFVelkora::guarded(const std::function<void()>& body) {
  try {
    body();
  } catch (const std::exception& error) {
    reportError_(errorText(error));
  } catch (...) {
    reportError_(QStringLiteral("Unbekannter Fehler."));
  }
}

void TFVelkora::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shownBefore_) return;
  shownBefore_ = true;
  centreOnScreen();
  FormShow();
  // The model is loaded on the first showing; later paints only show it.
  B1C();
}

void TFVelkora::closeEvent(QCloseEvent* event) {
  Timer1.setInterval(0);
  setMoveCursor(false);
  event->accept();
}

void TFVelkora::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placePanels();
}

}  // namespace velkora
