#include "ui/window_controls.h"

#include <algorithm>
#include <cmath>

#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QSignalBlocker>

#include "text/number_text.h"
#include "translations/solid_names.h"
#include "ui/glyphs.h"
#include "ui/main_window.h"
#include "ui/tooltip_wrap.h"

namespace velkora {

namespace {

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

void describe(QWidget& widget, const QString& name, const QString& description) {
  if (!name.isEmpty()) widget.setAccessibleName(name);
  widget.setAccessibleDescription(description);
}

}  // namespace

WindowControls::WindowControls(QWidget& window, LiveTexts& texts) : Panel1(&window) {
  Panel1.setObjectName(QStringLiteral("Panel1"));
  Panel2.setObjectName(QStringLiteral("Panel2"));
  Panel3.setObjectName(QStringLiteral("Panel3"));
  Panel4.setObjectName(QStringLiteral("Panel4"));
  Panel5.setObjectName(QStringLiteral("Panel5"));
  PB1.setObjectName(QStringLiteral("PB1"));
  fillPanel(Panel2, QColor(kFormColour));
  fillPanel(Panel4, QColor(kFormColour));
  columnScroller.setObjectName(QStringLiteral("ColumnScroller"));
  columnScroller.setFrameShape(QFrame::NoFrame);
  columnScroller.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  columnScroller.setFocusPolicy(Qt::NoFocus);
  columnScroller.setWidget(&Panel4);
  fillPanel(*columnScroller.viewport(), QColor(kFormColour));
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
  texts.add([this] {
    RadioB1.setText(TFVelkora::tr("Polyeder"));
    showRotation(rotating);
    Label1.setText(TFVelkora::tr("x-Drehwinkel"));
    Label2.setText(TFVelkora::tr("y-Drehwinkel"));
    Label3.setText(TFVelkora::tr("z-Drehwinkel"));
    CPunkte.setText(TFVelkora::tr("Punkte markieren"));
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

  texts.add([this] {
    Speed2.setToolTip(TFVelkora::tr("Vergrößern (Mausrad nach vorn, Strg++)"));
    Speed3.setToolTip(TFVelkora::tr("Verkleinern (Mausrad nach hinten, Strg+-)"));
    const QString stepNote = TFVelkora::tr(
        " Ein Schritt dreht um 0,25° je Takt (−15 bis 15); der neue Wert gilt ab der "
        "nächsten Änderung und dreht den Körper sofort einmal.");
    SpinEdit1.setToolTip(TFVelkora::tr("Drehung in der Bildebene.") + stepNote);
    SpinEdit2.setToolTip(TFVelkora::tr("Drehung um die waagerechte Achse.") + stepNote);
    SpinEdit3.setToolTip(TFVelkora::tr("Drehung um die senkrechte Achse.") + stepNote);
    CPunkte.setToolTip(TFVelkora::tr("Markiert die Ecken des Polyeders mit gelben Kreisen."));
    PB1.setToolTip(
        TFVelkora::tr("Mit gedrückter linker Maustaste ziehen: den Körper drehen. Mausrad: "
                      "vergrößern oder verkleinern."));
    setCaptions(captionFamilyOf(Listbox1.currentRow()));
  });
}

void WindowControls::place(QSize size, int top, bool columnHidden) {
  const int w = size.width();
  const int h = std::max(0, size.height() - top);
  const int column = columnHidden ? 0 : kControlColumnWidth;
  const int drawingWidth = std::max(0, w - column);
  Panel1.setGeometry(0, top, w, h);
  Panel2.setGeometry(drawingWidth, 0, column, h);
  Panel2.setVisible(!columnHidden);
  columnScroller.setGeometry(0, 0, kControlColumnWidth, h);
  // The column is as tall as the window, and never shorter than its controls:
  // below that the scroller shows a scroll bar over its empty right margin.
  Panel4.resize(kControlColumnWidth, std::max(h, kDrawingHeight));
  Panel3.setGeometry(0, 0, drawingWidth, h);
  Panel5.setGeometry(0, 0, drawingWidth, h);
  PB1.setGeometry(0, 0, drawingWidth, h);
}

View WindowControls::checkedView() const {
  return RadioB3.isChecked()   ? View::OuterSphere
         : RadioB2.isChecked() ? View::InnerSphere
                               : View::Polyhedron;
}

void WindowControls::showView(View view) {
  const QSignalBlocker quietRadios[] = {QSignalBlocker(RadioB1), QSignalBlocker(RadioB2),
                                        QSignalBlocker(RadioB3)};
  RadioB1.setChecked(view == View::Polyhedron);
  RadioB2.setChecked(view == View::InnerSphere);
  RadioB3.setChecked(view == View::OuterSphere);
}

void WindowControls::setCaptions(Family family) {
  RadioB3.setText(family == Family::Catalan ? TFVelkora::tr("äußere Kugel")
                                            : TFVelkora::tr("Umkugel"));
  RadioB2.setText(family == Family::Archimedean ? TFVelkora::tr("innere Kugel")
                                                : TFVelkora::tr("Velkora"));
  RadioB1.setToolTip(TFVelkora::tr("Zeigt den Körper allein."));
  switch (family) {
    case Family::Archimedean:
      RadioB2.setToolTip(
          TFVelkora::tr("Zeigt den Körper mit einer Kugel in seinem Innern, die seine "
                        "nächstgelegenen Flächen berührt."));
      RadioB3.setToolTip(TFVelkora::tr("Zeigt den Körper in seiner Umkugel durch alle Ecken."));
      break;
    case Family::Catalan:
      RadioB2.setToolTip(
          TFVelkora::tr("Zeigt den Körper mit seiner Inkugel, die alle Flächen berührt."));
      RadioB3.setToolTip(TFVelkora::tr(
          "Zeigt den Körper in einer äußeren Kugel durch seine entferntesten Ecken."));
      break;
    case Family::Platonic:
      RadioB2.setToolTip(
          TFVelkora::tr("Zeigt den Körper mit seiner Inkugel, die alle Flächen berührt."));
      RadioB3.setToolTip(TFVelkora::tr("Zeigt den Körper in seiner Umkugel durch alle Ecken."));
      break;
  }
  // These are the tooltips of buttons that are on; off ones get theirs again.
  viewsShown = Views::Unknown;
}

void WindowControls::setViewsOff(ViewsOff why, Family family) {
  const Views shown = why == ViewsOff::Folding  ? Views::Folding
                      : why == ViewsOff::Moment ? Views::Moment
                                                : Views::No;
  if (shown == viewsShown) return;
  viewsShown = shown;
  const bool views = why == ViewsOff::No;
  for (QRadioButton* button : {&RadioB1, &RadioB2, &RadioB3})
    button->setEnabled(views);
  if (views) {
    setCaptions(family);
    viewsShown = Views::No;
    return;
  }
  const QString text =
      why == ViewsOff::Folding
          ? TFVelkora::tr(
                "Das Bild zeigt das Netz, das sich faltet. Wenn das Fenster "
                "„Netz falten“ geschlossen ist, gelten die Ansichten wieder.")
          : TFVelkora::tr(
                "Der Körper der Verwandlung oder des Kaleidoskops hat im Allgemeinen "
                "weder Inkugel noch Umkugel; das Bild zeigt das Polyeder. Mit dem "
                "gewählten Körper gelten die Ansichten wieder.");
  for (QRadioButton* button : {&RadioB1, &RadioB2, &RadioB3})
    button->setToolTip(text);
}

void WindowControls::showRotation(bool on) {
  rotating = on;
  Button1.setText(on ? TFVelkora::tr("Abbruch") : TFVelkora::tr("Rotation"));
}

void WindowControls::applyAccessibleTexts() {
  describe(Listbox1, TFVelkora::tr("Körper"),
           TFVelkora::tr("Liste der 31 Körper. Die Wahl zeigt den Körper in seiner Ausgangslage "
                         "und hält die Drehung an."));
  Listbox1.setToolTip(
      TFVelkora::tr("Wählt den Körper, der gezeigt wird. Die Pfeiltasten wechseln zum "
                    "Nachbarn, Strg+Bild ab und Strg+Bild auf von überall."));
  describe(RadioB1, QString(), TFVelkora::tr("Ansicht: der Körper allein."));
  describe(RadioB2, QString(), TFVelkora::tr("Ansicht: der Körper mit seiner inneren Kugel."));
  describe(RadioB3, QString(), TFVelkora::tr("Ansicht: der Körper in seiner äußeren Kugel."));
  describe(Button1, QString(),
           TFVelkora::tr("Startet die Drehung des Körpers um die eingestellten Schritte oder "
                         "hält sie an."));
  Button1.setToolTip(
      TFVelkora::tr("Startet die Drehung um die drei eingestellten Schritte je Takt; "
                    "„Abbruch“ hält sie an. Der Körper bleibt, wo er steht."));
  describe(Speed2, TFVelkora::tr("Vergrößern"), TFVelkora::tr("Vergrößert das Bild um 10 %."));
  describe(Speed3, TFVelkora::tr("Verkleinern"),
           TFVelkora::tr("Verkleinert das Bild um den Faktor 10/11."));
  describe(SpinEdit1, TFVelkora::tr("x-Drehwinkel"),
           TFVelkora::tr("Schritt der Drehung in der Bildebene, in Vierteln eines Grades je "
                         "Takt."));
  describe(SpinEdit2, TFVelkora::tr("y-Drehwinkel"),
           TFVelkora::tr("Schritt der Drehung um die waagerechte Achse, in Vierteln eines Grades "
                         "je Takt."));
  describe(SpinEdit3, TFVelkora::tr("z-Drehwinkel"),
           TFVelkora::tr("Schritt der Drehung um die senkrechte Achse, in Vierteln eines Grades "
                         "je Takt."));
  Label1.setBuddy(&SpinEdit1);
  Label2.setBuddy(&SpinEdit2);
  Label3.setBuddy(&SpinEdit3);
  describe(CPunkte, QString(), TFVelkora::tr("Markiert die Ecken des Körpers mit gelben Kreisen."));
  PB1.setAccessibleName(TFVelkora::tr("Bild des Körpers"));
  for (QWidget* control : {static_cast<QWidget*>(&Listbox1), static_cast<QWidget*>(&RadioB1),
                           static_cast<QWidget*>(&RadioB2), static_cast<QWidget*>(&RadioB3),
                           static_cast<QWidget*>(&Button1), static_cast<QWidget*>(&Speed2),
                           static_cast<QWidget*>(&Speed3), static_cast<QWidget*>(&SpinEdit1),
                           static_cast<QWidget*>(&SpinEdit2), static_cast<QWidget*>(&SpinEdit3),
                           static_cast<QWidget*>(&CPunkte), static_cast<QWidget*>(&PB1)}) {
    wrapToolTips(*control);
  }
}

QString WindowControls::pictureDescription(const PictureFacts& facts) {
  if (facts.kind == PictureFacts::Kind::None) return TFVelkora::tr("Noch kein Körper geladen");
  const QString shown = shownSolidName(QString::fromStdString(facts.solidName));
  const QString marks =
      facts.marks ? TFVelkora::tr("Ecken markiert") : TFVelkora::tr("Ecken nicht markiert");
  QString text;
  switch (facts.kind) {
    case PictureFacts::Kind::Fold:
      text = TFVelkora::tr("Netz von %1, gefaltet zu %2 %").arg(shown).arg(facts.foldPercent);
      break;
    case PictureFacts::Kind::Morph:
      text = TFVelkora::tr("%1, Verwandlung in den dualen Körper bei t = %2, %3")
                 .arg(shown, QString::fromStdString(peopleNumber(facts.morphT, 3)), marks);
      break;
    case PictureFacts::Kind::Kaleidoscope:
      text = TFVelkora::tr("%1 aus dem Kaleidoskop, %2").arg(shown, marks);
      break;
    case PictureFacts::Kind::Jitterbug: {
      const QString j = QString::fromStdString(peopleNumber(facts.jitterbugJ, 3));
      // Between its stops the solid is named after the jitterbug itself.
      text = facts.solidName.rfind("Jitterbug", 0) == 0
                 ? TFVelkora::tr("Jitterbug bei j = %1, %2").arg(j, marks)
                 : TFVelkora::tr("Jitterbug bei j = %1: %2, %3").arg(j, shown, marks);
      break;
    }
    default: {
      const QString viewName =
          facts.view == View::OuterSphere   ? TFVelkora::tr("Ansicht äußere Kugel")
          : facts.view == View::InnerSphere ? TFVelkora::tr("Ansicht innere Kugel")
                                            : TFVelkora::tr("Ansicht Polyeder");
      text = TFVelkora::tr("%1, %2, %3").arg(shown, viewName, marks);
      break;
    }
  }
  if (facts.rotating) text += TFVelkora::tr(", dreht sich");
  return text;
}

void WindowControls::describePicture(const PictureFacts& facts, const QString& pick) {
  QString text = pictureDescription(facts);
  if (!pick.isEmpty()) text += QLatin1Char(' ') + pick;
  if (PB1.accessibleDescription() != text) PB1.setAccessibleDescription(text);
}

void WindowControls::showFoldLabels(const std::vector<FoldLabel>& labels, int scale) {
  std::vector<PictureLabel> shown;
  const double centreX = static_cast<double>(PB1.width() * scale / 2) / scale;
  const double centreY = static_cast<double>(PB1.height() * scale / 2) / scale;
  for (const FoldLabel& label : labels) {
    if (!label.visible) continue;
    shown.push_back(
        {QPointF(centreX + label.at.x, centreY + label.at.y), QString::number(label.label)});
  }
  PB1.setLabels(std::move(shown));
}

int WindowControls::pixelScale() const {
  return std::clamp(static_cast<int>(std::ceil(PB1.devicePixelRatioF() - 1e-9)), 1, 4);
}

}  // namespace velkora
