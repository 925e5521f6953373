#include "ui/help_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtGlobal>

#include "app_version.h"
#include "nets/net_labels.h"

namespace velkora {

namespace {

QString commandRows(const QList<QAction*>& commands) {
  QString rows;
  for (const QAction* action : commands) {
    if (action->shortcuts().isEmpty()) continue;
    QStringList keys;
    for (const QKeySequence& key : action->shortcuts()) {
      keys << key.toString(QKeySequence::NativeText).toHtmlEscaped();
    }
    QString text = action->text();
    text.remove(QLatin1Char('&'));
    rows += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n")
                .arg(keys.join(QStringLiteral(", ")), text.toHtmlEscaped());
  }
  return rows;
}

}  // namespace

QString helpHtml(const QList<QAction*>& commands) {
  return QCoreApplication::translate(
             "Korvelindra",
             "<h2>Korvelindra – Bedienung</h2>"
             "<h3>Was das Programm zeigt</h3>"
             "<p>Die 31 konvexen Körper: 5 platonische, 13 archimedische und 13 catalansche. "
             "Jeder Körper erscheint allein, mit einer Kugel in seinem Innern oder in einer "
             "Kugel, die ihn umschließt. Die vordere Hälfte des äußeren Körpers ist ein "
             "hellgrüner Filter; verdeckte Kanten sind gepunktet.</p>"
             "<h3>Die Steuerelemente</h3>"
             "<ul>"
             "<li><b>Liste</b>: wählt einen Körper; er erscheint in seiner Ausgangslage und "
             "-größe, eine laufende Drehung hält an.</li>"
             "<li><b>Ansicht</b> (drei Optionsfelder): der Körper allein, mit der inneren Kugel "
             "oder in der äußeren Kugel.</li>"
             "<li><b>Rotation / Abbruch</b>: startet oder beendet das Drehen (ein Schritt alle "
             "10 ms).</li>"
             "<li><b>Pfeile nach außen / innen</b>: vergrößert um 10 % / verkleinert.</li>"
             "<li><b>x-, y-, z-Drehwinkel</b>: der Schritt je Takt in der Bildebene, um die "
             "waagerechte und um die senkrechte Achse (Wert × 0,25°); jede Änderung dreht den "
             "Körper einmal.</li>"
             "<li><b>Punkte markieren</b>: markiert die Ecken mit gelben Kreisen.</li>"
             "</ul>"
             "<h3>Die Maus</h3>"
             "<p>Ziehen mit der linken Maustaste dreht den Körper, ein Grad je Pixel. Das "
             "Mausrad über dem Bild vergrößert (nach vorn) oder verkleinert (nach hinten), eine "
             "Raste je Schritt. Strg+Klick auf eine Fläche hebt alle Flächen ihrer Art hervor und "
             "nennt sie, Strg+Klick nahe einer Ecke die Flächen um die Ecke; auf einem "
             "Berührbildschirm fragt ein still gehaltener Finger ebenso. Esc oder ein Klick "
             "beendet das.</p>"
             "<h3>Tastenkürzel</h3>"
             "<p>Sie wirken, gleich welches Steuerelement den Fokus hat.</p>"
             "<table cellspacing=\"4\">%1</table>"
             "<h3>Präsentation</h3>"
             "<p>F11 füllt den Bildschirm; der Körper füllt 90 % der kürzeren Seite. F10 blendet "
             "die Steuerspalte aus und ein, Esc oder F11 beenden den Modus.</p>"
             "<h3>Papiernetze</h3>"
             "<p>„Netz drucken …“ und „Netz speichern …“ legen das Netz des Körpers auf "
             "Papier. Am Fuß jeder Seite steht, wie daraus der Körper wird:</p>"
             "<p><i>%2</i></p>"
             "<p>Der Balken unten links misst bei 100 % genau 50 mm. Die kleinen Zahlen in den "
             "Flächen sind die Flächennummern (Nummer im Katalog + 1); auf Wunsch steht an "
             "jeder Faltlinie der Winkel, den die beiden Flächen am Körper bilden. Laschen gibt "
             "es an einer Kante jedes Schnittkantenpaars, an beiden oder gar nicht.</p>"
             "<h3>Befehlszeile</h3>"
             "<pre>korvelindra --solid Ikosaeder --view umkugel\n"
             "korvelindra --solid 3 --marks --scale 2 --export-picture bild.png\n"
             "korvelindra --solid Kuboktaeder --export-solid koerper.stl --size-mm 80\n"
             "korvelindra --solid Rhombendodekaeder --properties --json\n"
             "korvelindra --solid Oktaederstumpf --export-net netz.pdf --paper a4</pre>"
             "<p><code>korvelindra --help</code> nennt alle Optionen.</p>")
      .arg(commandRows(commands), QString::fromStdString(netHowToText()).toHtmlEscaped());
}

void applyHelpAccessibleTexts(QWidget& window, QWidget& text) {
  window.setAccessibleName(QCoreApplication::translate("HelpWindow", "Bedienung"));
  window.setAccessibleDescription(QCoreApplication::translate(
      "HelpWindow", "Hilfe zur Bedienung: Steuerelemente, Menübefehle und ihre Tasten."));
  text.setAccessibleName(QCoreApplication::translate("HelpWindow", "Hilfetext"));
  text.setAccessibleDescription(
      QCoreApplication::translate("HelpWindow", "Der Text der Hilfe; Esc schließt das Fenster."));
}

HelpWindow::HelpWindow(QList<QAction*> commands, QWidget* parent)
    : QDialog(parent),
      commands_(std::move(commands)),
      tool_(*this, {QKeySequence(Qt::Key_Escape)}) {
  setObjectName(QStringLiteral("Bedienung"));
  browser_.setObjectName(QStringLiteral("HelpText"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(&browser_);
  resize(560, 640);
  showText();
  tool_.texts().add([this] {
    setWindowTitle(QCoreApplication::translate("Korvelindra", "Bedienung"));
    applyHelpAccessibleTexts(*this, browser_);
    // The commands' own texts follow the language in the main window, which
    // may hear of the change after this window: the text waits for it.
    QMetaObject::invokeMethod(
        this, [this] { showText(); }, Qt::QueuedConnection);
  });
}

void HelpWindow::showText() { browser_.setHtml(helpHtml(commands_)); }

QString aboutText() {
  return QCoreApplication::translate(
             "Korvelindra",
             "<h3>Korvelindra %1</h3>"
             "<p>Zeigt die 31 konvexen Körper – platonische, archimedische und catalansche – "
             "allein, mit Inkugel oder in ihrer Umkugel.</p>"
             "<p>Lizenz: MIT.</p>"
             "<p>Erstellt mit Qt %2.</p>")
      .arg(QLatin1String(kVersion), QLatin1String(qVersion()));
}

}  // namespace velkora
