// The window's commands: one QAction each, with its German text and shortcut,
// added to the window itself so that its key works whichever control has the
// focus; the menu bar shows them in three menus. The file, print and
// properties commands hand over to their command objects at the guarded
// boundary. The tooltips of the controls.

#include <vector>

#include <QKeySequence>
#include <QMenu>
#include <QMessageBox>

#include "base/family.h"
#include "properties/properties.h"
#include "ui/export_commands.h"
#include "ui/help_window.h"
#include "ui/kaleidoscope_window.h"
#include "ui/main_window.h"
#include "ui/morph_window.h"
#include "ui/print_command.h"
#include "ui/properties_command.h"
#include "ui/shared_commands.h"
#include "ui/tool_window_place.h"
#include "ui/worksheet_commands.h"

namespace velkora {

namespace {

constexpr double kTurnStep = 5.0;      // degrees per Alt+arrow
constexpr double kFineTurnStep = 1.0;  // with Shift

// A turning command: its text, key and the degrees handed to drehen.
struct TurnCommand {
  QString text;
  QKeySequence key;
  bool fine = false;  // with Shift, the smaller step
  double a = 0.0, b = 0.0, c = 0.0;
};

// Turning by keys: about the screen's vertical axis (x-z plane), its
// horizontal axis (y-z plane) and in the screen plane (x-y plane), first the
// 5-degree steps, then the same with Shift by 1 degree.
std::vector<TurnCommand> turnCommands() {
  struct Turn {
    const char* text;
    Qt::Key key;
    double a, b, c;
  };
  const Turn turns[] = {{"Nach links drehen", Qt::Key_Left, 0, 0, -1},
                        {"Nach rechts drehen", Qt::Key_Right, 0, 0, 1},
                        {"Nach oben kippen", Qt::Key_Up, 0, -1, 0},
                        {"Nach unten kippen", Qt::Key_Down, 0, 1, 0},
                        {"Gegen den Uhrzeigersinn drehen", Qt::Key_PageUp, -1, 0, 0},
                        {"Im Uhrzeigersinn drehen", Qt::Key_PageDown, 1, 0, 0}};
  std::vector<TurnCommand> commands;
  for (const bool fine : {false, true}) {
    const double step = fine ? kFineTurnStep : kTurnStep;
    for (const Turn& turn : turns) {
      commands.push_back(
          {QStringLiteral("%1 um %2°").arg(QString::fromUtf8(turn.text)).arg(step),
           QKeySequence(fine ? (Qt::ALT | Qt::SHIFT | turn.key) : (Qt::ALT | turn.key)), fine,
           turn.a * step, turn.b * step, turn.c * step});
    }
  }
  return commands;
}

}  // namespace

QAction* TFVelkora::addCommand(QMenu* menu, const QString& text, const QKeySequence& key,
                               const std::function<void()>& body) {
  auto* action = new QAction(text, this);
  action->setShortcut(key);
  action->setShortcutContext(Qt::WindowShortcut);
  connect(action, &QAction::triggered, this, [this, body] { guarded(body); });
  addAction(action);
  if (menu != nullptr) menu->addAction(action);
  commands_.append(action);
  return action;
}

QList<QAction*> TFVelkora::commands() const { return commands_; }

void TFVelkora::buildCommands() {
  QMenu* file = menuBar_.addMenu(QStringLiteral("&Datei"));
  addCommand(file, QStringLiteral("Bild &speichern …"), QKeySequence(Qt::CTRL | Qt::Key_S),
             [this] { savePicture(); });
  addCommand(file, QStringLiteral("Bild &kopieren"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
             [this] { copyPicture(); });
  addCommand(file, QStringLiteral("&Animation speichern …"), QKeySequence(),
             [this] { saveAnimation(); });
  addCommand(file, QStringLiteral("Körper &exportieren …"), QKeySequence(Qt::CTRL | Qt::Key_E),
             [this] { exportSolid(); });
  file->addSeparator();
  addCommand(file, QStringLiteral("Netz &drucken …"), QKeySequence(Qt::CTRL | Qt::Key_P),
             [this] { printNet(); });
  addCommand(file, QStringLiteral("Netz s&peichern …"),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { saveNet(); });
  file->addSeparator();
  addCommand(file, QStringLiteral("Steckbrief dr&ucken …"), QKeySequence(),
             [this] { printSheet(); });
  addCommand(file, QStringLiteral("Steckbrief speic&hern …"), QKeySequence(),
             [this] { saveSheet(); });
  addCommand(file, QStringLiteral("&Alle Steckbriefe speichern …"), QKeySequence(),
             [this] { saveBooklet(); });
  file->addSeparator();
  addCommand(file, QStringLiteral("&Beenden"), QKeySequence(Qt::CTRL | Qt::Key_Q),
             [this] { close(); });

  QMenu* view = menuBar_.addMenu(QStringLiteral("&Ansicht"));
  propertiesAction_ =
      addCommand(view, QStringLiteral("&Eigenschaften"), QKeySequence(Qt::CTRL | Qt::Key_I),
                 [this] { setPropertiesShown(propertiesAction_->isChecked()); });
  propertiesAction_->setCheckable(true);
  morphAction_ =
      addCommand(view, QStringLiteral("&Verwandlung …"), QKeySequence(Qt::CTRL | Qt::Key_D),
                 [this] { setMorphShown(morphAction_->isChecked()); });
  morphAction_->setCheckable(true);
  kaleidoscopeAction_ =
      addCommand(view, QStringLiteral("&Kaleidoskop …"), QKeySequence(Qt::CTRL | Qt::Key_K),
                 [this] { setKaleidoscopeShown(kaleidoscopeAction_->isChecked()); });
  kaleidoscopeAction_->setCheckable(true);
  foldAction_ =
      addCommand(view, QStringLiteral("Netz &falten …"), QKeySequence(Qt::CTRL | Qt::Key_F),
                 [this] { setFoldShown(foldAction_->isChecked()); });
  foldAction_->setCheckable(true);
  view->addSeparator();
  presentationAction_ = addCommand(view, QStringLiteral("&Präsentation"), QKeySequence(Qt::Key_F11),
                                   [this] { setPresentation(presentationAction_->isChecked()); });
  presentationAction_->setCheckable(true);
  columnAction_ =
      addCommand(view, QStringLiteral("&Steuerspalte zeigen"), QKeySequence(Qt::Key_F10),
                 [this] { setColumnHidden(!columnAction_->isChecked()); });
  columnAction_->setCheckable(true);
  columnAction_->setChecked(true);
  columnAction_->setEnabled(false);
  // Esc leaves presentation mode; outside it the key stays with the controls.
  leavePresentationAction_ =
      addCommand(nullptr, QStringLiteral("Präsentation beenden"), QKeySequence(Qt::Key_Escape),
                 [this] { setPresentation(false); });
  leavePresentationAction_->setEnabled(false);
  view->addSeparator();
  addCommand(view, QStringLiteral("&Ausgangslage"), QKeySequence(Qt::CTRL | Qt::Key_0),
             [this] { resetPose(); });
  addCommand(view, QStringLiteral("&Nächster Körper"), QKeySequence(Qt::CTRL | Qt::Key_PageDown),
             [this] { stepSolid(1); });
  addCommand(view, QStringLiteral("V&orheriger Körper"), QKeySequence(Qt::CTRL | Qt::Key_PageUp),
             [this] { stepSolid(-1); });
  QAction* enlarge = addCommand(view, QStringLiteral("&Vergrößern"),
                                QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { zoomSteps(1); });
  // Ctrl+= is where Ctrl++ sits on keyboards that need Shift for the plus sign.
  enlarge->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  addCommand(view, QStringLiteral("Ver&kleinern"), QKeySequence(Qt::CTRL | Qt::Key_Minus),
             [this] { zoomSteps(-1); });

  QMenu* turnMenu = view->addMenu(QStringLiteral("&Drehen"));
  bool fine = false;
  for (const TurnCommand& turn : turnCommands()) {
    if (turn.fine != fine) turnMenu->addSeparator();
    fine = turn.fine;
    const double a = turn.a;
    const double b = turn.b;
    const double c = turn.c;
    addCommand(turnMenu, turn.text, turn.key, [this, a, b, c] { turnBy(a, b, c); });
  }
  buildAccessCommands(view);

  QMenu* help = menuBar_.addMenu(QStringLiteral("&Hilfe"));
  addCommand(help, QStringLiteral("&Bedienung"), QKeySequence(Qt::Key_F1), [this] { showHelp(); });
  addCommand(help, QStringLiteral("Über &Korvelindra"), QKeySequence(), [this] { showAbout(); });
}

void TFVelkora::setToolTips() {
  Speed2.setToolTip(QStringLiteral("Vergrößern (Mausrad nach vorn, Strg++)"));
  Speed3.setToolTip(QStringLiteral("Verkleinern (Mausrad nach hinten, Strg+-)"));
  const QString stepNote = QStringLiteral(
      " Ein Schritt dreht um 0,25° je Takt (−15 bis 15); der neue Wert gilt ab der "
      "nächsten Änderung und dreht den Körper sofort einmal.");
  SpinEdit1.setToolTip(QStringLiteral("Drehung in der Bildebene.") + stepNote);
  SpinEdit2.setToolTip(QStringLiteral("Drehung um die waagerechte Achse.") + stepNote);
  SpinEdit3.setToolTip(QStringLiteral("Drehung um die senkrechte Achse.") + stepNote);
  CPunkte.setToolTip(QStringLiteral("Markiert die Ecken des Polyeders mit gelben Kreisen."));
  PB1.setToolTip(QStringLiteral(
      "Mit gedrückter linker Maustaste ziehen: den Körper drehen. Mausrad: vergrößern oder "
      "verkleinern."));
  setViewCaptions(0);
}

void TFVelkora::savePicture() {
  guarded([this] { exports_->savePicture(); });
}

void TFVelkora::savePictureTo(const QString& path, int scale) {
  guarded([this, &path, scale] { exports_->savePictureTo(path, scale); });
}

void TFVelkora::copyPicture() {
  guarded([this] { exports_->copyPicture(); });
}

void TFVelkora::saveAnimation() {
  guarded([this] { exports_->saveAnimation(); });
}

bool TFVelkora::saveAnimationTo(const QString& path, AnimationKind kind, int frames) {
  bool written = false;
  guarded([this, &path, kind, frames, &written] {
    written = exports_->saveAnimationTo(path, kind, frames);
  });
  return written;
}

void TFVelkora::exportSolid() {
  guarded([this] { exports_->exportSolid(); });
}

void TFVelkora::exportSolidTo(const QString& path, bool currentPose, double diameterMm) {
  guarded([this, &path, currentPose, diameterMm] {
    exports_->exportSolidTo(path, currentPose, diameterMm);
  });
}

void TFVelkora::printNet() {
  guarded([this] { print_->printNet(); });
}

void TFVelkora::saveNet() {
  guarded([this] { exports_->saveNet(); });
}

void TFVelkora::printSheet() {
  guarded([this] { sheets_->printSheet(); });
}

void TFVelkora::saveSheet() {
  guarded([this] { sheets_->saveSheet(); });
}

void TFVelkora::saveSheetTo(const QString& path, bool blanks) {
  guarded([this, &path, blanks] { sheets_->saveSheetTo(path, blanks); });
}

void TFVelkora::saveBooklet() {
  guarded([this] { sheets_->saveBooklet(); });
}

void TFVelkora::saveBookletTo(const QString& path, bool blanks) {
  guarded([this, &path, blanks] { sheets_->saveBookletTo(path, blanks); });
}

void TFVelkora::setPropertiesShown(bool shown) {
  guarded([this, shown] { properties_->setShown(shown); });
}

void TFVelkora::setMorphShown(bool shown) {
  guarded([this, shown] {
    morphAction_->setChecked(shown);
    if (!shown) {
      if (morph_ != nullptr) morph_->hide();
      controller_.endMorph();
      updateViewButtons();
      zeichnen();
      properties_->follow(controller_.shownSolid());
      return;
    }
    if (morph_ == nullptr) {
      morph_ = std::make_unique<MorphWindow>([this](double t) { setMorphParameter(t); },
                                             [this](bool on) {
                                               controller_.setTouchMarks(on);
                                               zeichnen();
                                             },
                                             this);
      connect(morph_.get(), &MorphWindow::closed, this, [this] { setMorphShown(false); });
      morph_->setReducedMotion(reducedMotion_);
      shareCommands(*morph_, commands(),
                    {QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_Right),
                     QKeySequence(Qt::Key_Home), QKeySequence(Qt::Key_End)});
    }
    if (kaleidoscope_ != nullptr && kaleidoscope_->isVisible()) setKaleidoscopeShown(false);
    controller_.beginMorph();
    morph_->showPath(controller_.morphStops());
    placeBesideMainWindow(*morph_, *this);
    morph_->show();
    morph_->raise();
  });
}

void TFVelkora::setKaleidoscopeShown(bool shown) {
  guarded([this, shown] {
    kaleidoscopeAction_->setChecked(shown);
    if (!shown) {
      if (kaleidoscope_ != nullptr) kaleidoscope_->hide();
      controller_.endKaleidoscope();
      updateViewButtons();
      zeichnen();
      properties_->follow(controller_.shownSolid());
      return;
    }
    if (kaleidoscope_ == nullptr) {
      kaleidoscope_ = std::make_unique<KaleidoscopeWindow>(
          KaleidoscopeWindow::Actions{
              [this](WythoffFamily family) { setKaleidoscopeFamily(family); },
              [this](WythoffWeights weights) { setKaleidoscopeWeights(weights); },
              [this](int position) { selectPosition(position); }},
          this);
      connect(kaleidoscope_.get(), &KaleidoscopeWindow::closed, this,
              [this] { setKaleidoscopeShown(false); });
      shareCommands(*kaleidoscope_, commands(),
                    {QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_Right),
                     QKeySequence(Qt::Key_Up), QKeySequence(Qt::Key_Down)});
    }
    if (morph_ != nullptr && morph_->isVisible()) setMorphShown(false);
    // Preset to the symmetry of the solid on show.
    const SolidProperties properties =
        computeProperties(velkora::shownSolid(state()), controller_.catalogue());
    const WythoffFamily family = properties.rotationGroup == "T"   ? WythoffFamily::T
                                 : properties.rotationGroup == "I" ? WythoffFamily::I
                                                                   : WythoffFamily::O;
    setKaleidoscopeFamily(family);
    placeBesideMainWindow(*kaleidoscope_, *this);
    kaleidoscope_->show();
    kaleidoscope_->raise();
  });
}

void TFVelkora::setKaleidoscopeFamily(WythoffFamily family) {
  guarded([this, family] {
    controller_.beginKaleidoscope(family);
    kaleidoscope_->showFamily(family, controller_.kaleidoscopeStops());
    updateViewButtons();
    zeichnen();
    properties_->follow(controller_.shownSolid());
  });
}

void TFVelkora::setKaleidoscopeWeights(WythoffWeights weights) {
  guarded([this, weights] {
    controller_.setKaleidoscopeWeights(weights);
    updateViewButtons();
    zeichnen();
    properties_->follow(controller_.shownSolid());
  });
}

void TFVelkora::setMorphParameter(double t) {
  guarded([this, t] {
    controller_.setMorphParameter(t);
    updateViewButtons();
    zeichnen();
    properties_->follow(controller_.shownSolid());
  });
}

void TFVelkora::morphFollowsPick() {
  if (morph_ == nullptr || !morph_->isVisible()) return;
  controller_.beginMorph();
  morph_->showPath(controller_.morphStops());
  updateViewButtons();
}

void TFVelkora::updateViewButtons() {
  const bool views = !controller_.showingMoment() && !controller_.folding();
  const bool changed = RadioB1.isEnabled() != views;
  for (QRadioButton* button : {&RadioB1, &RadioB2, &RadioB3})
    button->setEnabled(views);
  if (views) {
    if (changed) setViewCaptions(Listbox1.currentRow());
    return;
  }
  const QString why =
      controller_.folding()
          ? QStringLiteral(
                "Das Bild zeigt das Netz, das sich faltet. Wenn das Fenster "
                "„Netz falten“ geschlossen ist, gelten die Ansichten wieder.")
          : QStringLiteral(
                "Der Körper der Verwandlung oder des Kaleidoskops hat im Allgemeinen weder "
                "Inkugel noch Umkugel; das Bild zeigt das Polyeder. Mit dem gewählten Körper "
                "gelten die Ansichten wieder.");
  for (QRadioButton* button : {&RadioB1, &RadioB2, &RadioB3})
    button->setToolTip(why);
}

ViewState TFVelkora::shownViewState() const {
  return controller_.showingMoment() ? controller_.viewState(View::Polyhedron) : viewState();
}

void TFVelkora::showHelp() {
  guarded([this] { showHelpWindow(this, commands()); });
}

void TFVelkora::showAbout() {
  guarded([this] { QMessageBox::about(this, QStringLiteral("Über Korvelindra"), aboutText()); });
}

}  // namespace velkora
