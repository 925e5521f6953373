// The window's commands: one QAction each, with its German text and shortcut,
// added to the window itself so that its key works whichever control has the
// focus; the menu bar shows them in three menus. The file, print and
// properties commands hand over to their command objects at the guarded
// boundary. The tooltips of the controls.

#include <vector>

#include <QActionGroup>
#include <QEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMessageBox>

#include "base/family.h"
#include "properties/properties.h"
#include "translations/solid_names.h"
#include "ui/cp1252.h"
#include "ui/export_commands.h"
#include "ui/help_window.h"
#include "ui/kaleidoscope_window.h"
#include "ui/main_window.h"
#include "ui/morph_window.h"
#include "ui/print_command.h"
#include "ui/properties_command.h"
#include "ui/worksheet_commands.h"

namespace velkora {

namespace {

constexpr double kTurnStep = 5.0;      // degrees per Alt+arrow
constexpr double kFineTurnStep = 1.0;  // with Shift

// A turning command: its text, key and the degrees handed to drehen.
struct TurnCommand {
  const char* text;  // marked for translation in the window's context
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
  const Turn turns[] = {
      {QT_TRANSLATE_NOOP("velkora::TFVelkora", "Nach links drehen"), Qt::Key_Left, 0, 0, -1},
      {QT_TRANSLATE_NOOP("velkora::TFVelkora", "Nach rechts drehen"), Qt::Key_Right, 0, 0, 1},
      {QT_TRANSLATE_NOOP("velkora::TFVelkora", "Nach oben kippen"), Qt::Key_Up, 0, -1, 0},
      {QT_TRANSLATE_NOOP("velkora::TFVelkora", "Nach unten kippen"), Qt::Key_Down, 0, 1, 0},
      {QT_TRANSLATE_NOOP("velkora::TFVelkora", "Gegen den Uhrzeigersinn drehen"), Qt::Key_PageUp,
       -1, 0, 0},
      {QT_TRANSLATE_NOOP("velkora::TFVelkora", "Im Uhrzeigersinn drehen"), Qt::Key_PageDown, 1, 0,
       0}};
  std::vector<TurnCommand> commands;
  for (const bool fine : {false, true}) {
    const double step = fine ? kFineTurnStep : kTurnStep;
    for (const Turn& turn : turns) {
      commands.push_back(
          {turn.text, QKeySequence(fine ? (Qt::ALT | Qt::SHIFT | turn.key) : (Qt::ALT | turn.key)),
           fine, turn.a * step, turn.b * step, turn.c * step});
    }
  }
  return commands;
}

}  // namespace

QAction* TFVelkora::addCommand(QMenu* menu, const char* text, const QKeySequence& key,
                               const std::function<void()>& body) {
  auto* action = new QAction(this);
  texts_.add([action, text] { action->setText(tr(text)); });
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
  QMenu* file = menuBar_.addMenu(QString());
  texts_.add([file] { file->setTitle(tr("&Datei")); });
  addCommand(file, QT_TR_NOOP("Bild &speichern …"), QKeySequence(Qt::CTRL | Qt::Key_S),
             [this] { savePicture(); });
  addCommand(file, QT_TR_NOOP("Bild &kopieren"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
             [this] { copyPicture(); });
  addCommand(file, QT_TR_NOOP("&Animation speichern …"), QKeySequence(),
             [this] { saveAnimation(); });
  addCommand(file, QT_TR_NOOP("Körper &exportieren …"), QKeySequence(Qt::CTRL | Qt::Key_E),
             [this] { exportSolid(); });
  file->addSeparator();
  addCommand(file, QT_TR_NOOP("Netz &drucken …"), QKeySequence(Qt::CTRL | Qt::Key_P),
             [this] { printNet(); });
  addCommand(file, QT_TR_NOOP("Netz s&peichern …"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
             [this] { saveNet(); });
  file->addSeparator();
  addCommand(file, QT_TR_NOOP("Steckbrief dr&ucken …"), QKeySequence(), [this] { printSheet(); });
  addCommand(file, QT_TR_NOOP("Steckbrief speic&hern …"), QKeySequence(), [this] { saveSheet(); });
  addCommand(file, QT_TR_NOOP("&Alle Steckbriefe speichern …"), QKeySequence(),
             [this] { saveBooklet(); });
  file->addSeparator();
  addCommand(file, QT_TR_NOOP("&Beenden"), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });

  QMenu* view = menuBar_.addMenu(QString());
  texts_.add([view] { view->setTitle(tr("&Ansicht")); });
  propertiesAction_ =
      addCommand(view, QT_TR_NOOP("&Eigenschaften"), QKeySequence(Qt::CTRL | Qt::Key_I),
                 [this] { setPropertiesShown(propertiesAction_->isChecked()); });
  propertiesAction_->setCheckable(true);
  morphAction_ = addCommand(view, QT_TR_NOOP("&Verwandlung …"), QKeySequence(Qt::CTRL | Qt::Key_D),
                            [this] { setMorphShown(morphAction_->isChecked()); });
  morphAction_->setCheckable(true);
  kaleidoscopeAction_ =
      addCommand(view, QT_TR_NOOP("&Kaleidoskop …"), QKeySequence(Qt::CTRL | Qt::Key_K),
                 [this] { setKaleidoscopeShown(kaleidoscopeAction_->isChecked()); });
  kaleidoscopeAction_->setCheckable(true);
  foldAction_ = addCommand(view, QT_TR_NOOP("Netz &falten …"), QKeySequence(Qt::CTRL | Qt::Key_F),
                           [this] { setFoldShown(foldAction_->isChecked()); });
  foldAction_->setCheckable(true);
  view->addSeparator();
  presentationAction_ = addCommand(view, QT_TR_NOOP("&Präsentation"), QKeySequence(Qt::Key_F11),
                                   [this] { setPresentation(presentationAction_->isChecked()); });
  presentationAction_->setCheckable(true);
  columnAction_ = addCommand(view, QT_TR_NOOP("&Steuerspalte zeigen"), QKeySequence(Qt::Key_F10),
                             [this] { setColumnHidden(!columnAction_->isChecked()); });
  columnAction_->setCheckable(true);
  columnAction_->setChecked(true);
  columnAction_->setEnabled(false);
  // Esc leaves presentation mode; outside it the key stays with the controls.
  leavePresentationAction_ =
      addCommand(nullptr, QT_TR_NOOP("Präsentation beenden"), QKeySequence(Qt::Key_Escape),
                 [this] { setPresentation(false); });
  leavePresentationAction_->setEnabled(false);
  view->addSeparator();
  addCommand(view, QT_TR_NOOP("&Ausgangslage"), QKeySequence(Qt::CTRL | Qt::Key_0),
             [this] { resetPose(); });
  addCommand(view, QT_TR_NOOP("&Nächster Körper"), QKeySequence(Qt::CTRL | Qt::Key_PageDown),
             [this] { stepSolid(1); });
  addCommand(view, QT_TR_NOOP("V&orheriger Körper"), QKeySequence(Qt::CTRL | Qt::Key_PageUp),
             [this] { stepSolid(-1); });
  QAction* enlarge = addCommand(view, QT_TR_NOOP("&Vergrößern"),
                                QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { zoomSteps(1); });
  // Ctrl+= is where Ctrl++ sits on keyboards that need Shift for the plus sign.
  enlarge->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  addCommand(view, QT_TR_NOOP("Ver&kleinern"), QKeySequence(Qt::CTRL | Qt::Key_Minus),
             [this] { zoomSteps(-1); });

  QMenu* turnMenu = view->addMenu(QString());
  texts_.add([turnMenu] { turnMenu->setTitle(tr("&Drehen")); });
  bool fine = false;
  for (const TurnCommand& turn : turnCommands()) {
    if (turn.fine != fine) turnMenu->addSeparator();
    fine = turn.fine;
    const double a = turn.a;
    const double b = turn.b;
    const double c = turn.c;
    QAction* action =
        addCommand(turnMenu, turn.text, turn.key, [this, a, b, c] { turnBy(a, b, c); });
    const double step = fine ? kFineTurnStep : kTurnStep;
    texts_.add([action, text = turn.text, step] {
      action->setText(tr("%1 um %2°").arg(tr(text), QString::number(step)));
    });
  }
  buildAccessCommands(view);

  QMenu* help = menuBar_.addMenu(QString());
  texts_.add([help] { help->setTitle(tr("&Hilfe")); });
  addCommand(help, QT_TR_NOOP("&Bedienung"), QKeySequence(Qt::Key_F1), [this] { showHelp(); });
  addCommand(help, QT_TR_NOOP("Über &Korvelindra"), QKeySequence(), [this] { showAbout(); });
  // Each language is named in itself, so that it is found whatever is shown.
  help->addSeparator();
  QMenu* languages = help->addMenu(QStringLiteral("Sprache / Language"));
  auto* group = new QActionGroup(languages);
  for (const QString& code : availableLanguages()) {
    QAction* action =
        addCommand(languages, "", QKeySequence(), [this, code] { setLanguage(code, true); });
    texts_.add([action, code] { action->setText(languageName(code)); });
    action->setCheckable(true);
    action->setChecked(code == currentLanguage());
    action->setData(code);
    group->addAction(action);
    languageActions_.append(action);
  }
}

void TFVelkora::setToolTips() {
  texts_.add([this] {
    Speed2.setToolTip(tr("Vergrößern (Mausrad nach vorn, Strg++)"));
    Speed3.setToolTip(tr("Verkleinern (Mausrad nach hinten, Strg+-)"));
    const QString stepNote =
        tr(" Ein Schritt dreht um 0,25° je Takt (−15 bis 15); der neue Wert gilt ab der "
           "nächsten Änderung und dreht den Körper sofort einmal.");
    SpinEdit1.setToolTip(tr("Drehung in der Bildebene.") + stepNote);
    SpinEdit2.setToolTip(tr("Drehung um die waagerechte Achse.") + stepNote);
    SpinEdit3.setToolTip(tr("Drehung um die senkrechte Achse.") + stepNote);
    CPunkte.setToolTip(tr("Markiert die Ecken des Polyeders mit gelben Kreisen."));
    PB1.setToolTip(
        tr("Mit gedrückter linker Maustaste ziehen: den Körper drehen. Mausrad: vergrößern oder "
           "verkleinern."));
    setViewCaptions(Listbox1.currentRow());
  });
}

void TFVelkora::setLanguage(const QString& code, bool remember) {
  useLanguage(code);
  if (remember) language_ = code;
  for (QAction* action : languageActions_)
    action->setChecked(action->data().toString() == code);
}

QString TFVelkora::rememberedLanguage() const {
  if (!language_) return kGerman;
  return languageOfCode(*language_).value_or(kGerman);
}

void TFVelkora::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  guarded([this] {
    texts_.renew();
    for (int row = 0; row < Listbox1.count(); ++row) {
      QListWidgetItem* item = Listbox1.item(row);
      const QByteArray line = item->data(Qt::UserRole).toByteArray();
      item->setText(shownSolidName(listDisplayName(std::string_view(line.data(), line.size()))));
    }
    updateViewButtons();
  });
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
      showChange(false);
      return;
    }
    if (morph_ == nullptr) {
      morph_ = std::make_unique<MorphWindow>(this);
      connect(morph_.get(), &MorphWindow::parameterChanged, this,
              [this](double t) { setMorphParameter(t); });
      connect(morph_.get(), &MorphWindow::touchMarksChanged, this, [this](bool on) {
        controller_.setTouchMarks(on);
        zeichnen();
      });
      connect(&morph_->tool(), &ToolWindow::closed, this, [this] { setMorphShown(false); });
      connect(&morph_->player(), &SliderPlayer::stopped, this, [this] { describePicture(); });
      morph_->setReducedMotion(reducedMotion_);
    }
    if (kaleidoscope_ != nullptr && kaleidoscope_->isVisible()) setKaleidoscopeShown(false);
    controller_.beginMorph();
    morph_->showPath(controller_.morphStops());
    morph_->tool().open();
  });
}

void TFVelkora::setKaleidoscopeShown(bool shown) {
  guarded([this, shown] {
    kaleidoscopeAction_->setChecked(shown);
    if (!shown) {
      if (kaleidoscope_ != nullptr) kaleidoscope_->hide();
      controller_.endKaleidoscope();
      showChange(false);
      return;
    }
    if (kaleidoscope_ == nullptr) {
      kaleidoscope_ = std::make_unique<KaleidoscopeWindow>(this);
      connect(kaleidoscope_.get(), &KaleidoscopeWindow::familyChosen, this,
              [this](WythoffFamily family) { setKaleidoscopeFamily(family); });
      connect(kaleidoscope_.get(), &KaleidoscopeWindow::weightsChanged, this,
              [this](WythoffWeights weights) { setKaleidoscopeWeights(weights); });
      connect(kaleidoscope_.get(), &KaleidoscopeWindow::positionPicked, this,
              [this](int position) { selectPosition(position); });
      connect(&kaleidoscope_->tool(), &ToolWindow::closed, this,
              [this] { setKaleidoscopeShown(false); });
    }
    if (morph_ != nullptr && morph_->isVisible()) setMorphShown(false);
    // Preset to the symmetry of the solid on show.
    setKaleidoscopeFamily(controller_.kaleidoscopeFamily());
    kaleidoscope_->tool().open();
  });
}

void TFVelkora::setKaleidoscopeFamily(WythoffFamily family) {
  guarded([this, family] {
    const WythoffWeights start = controller_.beginKaleidoscope(family);
    kaleidoscope_->showFamily(family, controller_.kaleidoscopeStops(), start);
    showChange(false);
  });
}

void TFVelkora::setKaleidoscopeWeights(WythoffWeights weights) {
  guarded([this, weights] {
    controller_.setKaleidoscopeWeights(weights);
    showChange(false);
  });
}

void TFVelkora::setMorphParameter(double t) {
  guarded([this, t] {
    controller_.setMorphParameter(t);
    showChange(morph_ != nullptr && morph_->player().ticking());
  });
}

void TFVelkora::morphFollowsPick() {
  if (morph_ == nullptr || !morph_->isVisible()) return;
  controller_.beginMorph();
  morph_->showPath(controller_.morphStops());
  updateViewButtons();
}

void TFVelkora::updateViewButtons() {
  const ViewsOff why = controller_.folding()         ? ViewsOff::Folding
                       : controller_.showingMoment() ? ViewsOff::Moment
                                                     : ViewsOff::No;
  // The tooltips are set when the reason changes, not on every step of a morph or fold.
  if (why == viewsOff_) return;
  viewsOff_ = why;
  const bool views = why == ViewsOff::No;
  for (QRadioButton* button : {&RadioB1, &RadioB2, &RadioB3})
    button->setEnabled(views);
  if (views) {
    setViewCaptions(Listbox1.currentRow());
    viewsOff_ = ViewsOff::No;
    return;
  }
  const QString text =
      why == ViewsOff::Folding
          ? tr("Das Bild zeigt das Netz, das sich faltet. Wenn das Fenster "
               "„Netz falten“ geschlossen ist, gelten die Ansichten wieder.")
          : tr("Der Körper der Verwandlung oder des Kaleidoskops hat im Allgemeinen weder "
               "Inkugel noch Umkugel; das Bild zeigt das Polyeder. Mit dem gewählten Körper "
               "gelten die Ansichten wieder.");
  for (QRadioButton* button : {&RadioB1, &RadioB2, &RadioB3})
    button->setToolTip(text);
}

ViewState TFVelkora::shownViewState() const {
  return controller_.showingMoment() ? controller_.viewState(View::Polyhedron) : viewState();
}

void TFVelkora::showHelp() {
  guarded([this] {
    if (help_ == nullptr) help_ = std::make_unique<HelpWindow>(commands(), this);
    help_->tool().open();
  });
}

void TFVelkora::showAbout() {
  guarded([this] { QMessageBox::about(this, tr("Über Korvelindra"), aboutText()); });
}

}  // namespace velkora
