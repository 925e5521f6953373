// The window's texts for assistive technology: accessible names and
// descriptions of the window, its controls and its commands, the tooltips of
// the controls that had none, and the drawing area's description of what the
// picture shows, which follows every change of it.

#include <cmath>

#include <QMenu>

#include "text/number_text.h"
#include "translations/solid_names.h"
#include "ui/accessible_command.h"
#include "ui/main_window.h"
#include "ui/tooltip_wrap.h"

namespace velkora {

namespace {

QString withoutAmpersand(QString text) {
  text.remove(QLatin1Char('&'));
  return text;
}

// The title of the first menu that shows action, or empty.
QString menuOf(const QAction* action) {
  for (const QObject* object : action->associatedObjects()) {
    if (const auto* menu = qobject_cast<const QMenu*>(object))
      return withoutAmpersand(menu->title());
  }
  return {};
}

// The menus that actions open, and their submenus.
QList<QMenu*> menusOf(const QList<QAction*>& actions) {
  QList<QMenu*> menus;
  for (const QAction* action : actions) {
    if (QMenu* menu = action->menu()) menus << menu << menusOf(menu->actions());
  }
  return menus;
}

void describe(QWidget& widget, const QString& name, const QString& description) {
  if (!name.isEmpty()) widget.setAccessibleName(name);
  widget.setAccessibleDescription(description);
}

}  // namespace

void TFVelkora::applyAccessibleTexts() {
  describe(*this, QStringLiteral("Korvelindra"),
           tr("Betrachter der 31 konvexen Polyeder: links das Bild des Körpers, rechts die "
              "Liste der Körper und die Bedienelemente."));
  describe(Listbox1, tr("Körper"),
           tr("Liste der 31 Körper. Die Wahl zeigt den Körper in seiner Ausgangslage und hält "
              "die Drehung an."));
  Listbox1.setToolTip(
      tr("Wählt den Körper, der gezeigt wird. Die Pfeiltasten wechseln zum "
         "Nachbarn, Strg+Bild ab und Strg+Bild auf von überall."));
  describe(RadioB1, QString(), tr("Ansicht: der Körper allein."));
  describe(RadioB2, QString(), tr("Ansicht: der Körper mit seiner inneren Kugel."));
  describe(RadioB3, QString(), tr("Ansicht: der Körper in seiner äußeren Kugel."));
  describe(Button1, QString(),
           tr("Startet die Drehung des Körpers um die eingestellten Schritte oder hält sie an."));
  Button1.setToolTip(
      tr("Startet die Drehung um die drei eingestellten Schritte je Takt; "
         "„Abbruch“ hält sie an. Der Körper bleibt, wo er steht."));
  describe(Speed2, tr("Vergrößern"), tr("Vergrößert das Bild um 10 %."));
  describe(Speed3, tr("Verkleinern"), tr("Verkleinert das Bild um den Faktor 10/11."));
  describe(SpinEdit1, tr("x-Drehwinkel"),
           tr("Schritt der Drehung in der Bildebene, in Vierteln eines Grades je Takt."));
  describe(SpinEdit2, tr("y-Drehwinkel"),
           tr("Schritt der Drehung um die waagerechte Achse, in Vierteln eines Grades je Takt."));
  describe(SpinEdit3, tr("z-Drehwinkel"),
           tr("Schritt der Drehung um die senkrechte Achse, in Vierteln eines Grades je Takt."));
  Label1.setBuddy(&SpinEdit1);
  Label2.setBuddy(&SpinEdit2);
  Label3.setBuddy(&SpinEdit3);
  describe(CPunkte, QString(), tr("Markiert die Ecken des Körpers mit gelben Kreisen."));
  PB1.setAccessibleName(tr("Bild des Körpers"));
  describePicture();

  for (QMenu* menu : menusOf(menuBar_.actions())) {
    const QString text = tr("Menü „%1“ mit seinen Befehlen.").arg(withoutAmpersand(menu->title()));
    describe(*menu, withoutAmpersand(menu->title()), text);
    menu->menuAction()->setStatusTip(text);
    menu->menuAction()->setWhatsThis(text);
    markDescribed(*menu->menuAction());
  }
  describe(menuBar_, tr("Menüleiste"), tr("Die Menüs Datei, Ansicht und Hilfe."));
  // Commands without a text of their own say where they are and their key.
  for (QAction* action : commands_) {
    markDescribed(*action);
    if (action->property(kOwnDescription).toBool()) continue;
    const QString menu = menuOf(action);
    QString text =
        menu.isEmpty()
            ? tr("Befehl „%1“.").arg(withoutAmpersand(action->text()))
            : tr("Befehl „%1“ im Menü „%2“.").arg(withoutAmpersand(action->text()), menu);
    if (!action->shortcut().isEmpty()) {
      text += QLatin1Char(' ') +
              tr("Taste: %1.").arg(action->shortcut().toString(QKeySequence::NativeText));
    }
    action->setStatusTip(text);
    action->setWhatsThis(text);
  }

  for (QWidget* control : {static_cast<QWidget*>(&Listbox1), static_cast<QWidget*>(&RadioB1),
                           static_cast<QWidget*>(&RadioB2), static_cast<QWidget*>(&RadioB3),
                           static_cast<QWidget*>(&Button1), static_cast<QWidget*>(&Speed2),
                           static_cast<QWidget*>(&Speed3), static_cast<QWidget*>(&SpinEdit1),
                           static_cast<QWidget*>(&SpinEdit2), static_cast<QWidget*>(&SpinEdit3),
                           static_cast<QWidget*>(&CPunkte), static_cast<QWidget*>(&PB1)}) {
    wrapToolTips(*control);
  }
}

QString TFVelkora::pictureDescription() const {
  const QString shown = shownSolidName(QString::fromStdString(controller_.shownSolid().name));
  const QString marks =
      controller_.state().markPoints ? tr("Ecken markiert") : tr("Ecken nicht markiert");
  QString text;
  if (controller_.folding()) {
    const int percent = static_cast<int>(std::lround(controller_.foldStage() * 100.0));
    text = tr("Netz von %1, gefaltet zu %2 %").arg(shown).arg(percent);
  } else if (controller_.morphing()) {
    text = tr("%1, Verwandlung in den dualen Körper bei t = %2, %3")
               .arg(shown, QString::fromStdString(peopleNumber(controller_.morphParameter(), 3)),
                    marks);
  } else if (controller_.showingMoment()) {
    text = tr("%1 aus dem Kaleidoskop, %2").arg(shown, marks);
  } else {
    const View view = viewState().view;
    const QString viewName = view == View::OuterSphere   ? tr("Ansicht äußere Kugel")
                             : view == View::InnerSphere ? tr("Ansicht innere Kugel")
                                                         : tr("Ansicht Polyeder");
    text = tr("%1, %2, %3").arg(shown, viewName, marks);
  }
  if (Timer1.interval() != 0) text += tr(", dreht sich");
  return text;
}

void TFVelkora::describePicture() {
  const bool none = !controller_.showingMoment() && state().solid.geometry.vertices.empty();
  const QString text = none ? tr("Noch kein Körper geladen") : pictureDescription();
  if (PB1.accessibleDescription() != text) PB1.setAccessibleDescription(text);
}

}  // namespace velkora
